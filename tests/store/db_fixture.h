// Brevant Dira — a fresh database in a temporary folder for each test.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "store/bootstrap.h"
#include "store/data_store.h"
#include "support/temp_dir.h"
#include "ta/locale_settings.h"

namespace brevant::testing {

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetProcessFormats(WithProgramDates(LocaleSettings{}));
        path = dir.file("BREVDATA.BVD");
        std::string error;
        ASSERT_TRUE(CheckFirebird(store, path, {}, &error)) << error;
    }

    // Runs one statement without parameters in its own transaction.
    void Exec(const std::string& sql) {
        TFBLTransaction tr(&store.DB1);
        TFBLDsql q(&tr);
        tr.StartTransaction();
        q.SetSQL(sql);
        q.ExecSQL();
        tr.Commit();
    }

    // The first column of the first row of a query, as text.
    std::string Scalar(const std::string& sql) {
        TFBLTransaction tr(&store.DB1);
        TFBLDsql q(&tr);
        tr.StartTransaction();
        q.SetSQL(sql);
        q.ExecSQL();
        std::string v = q.Eof() ? "<none>" : q.FieldAsString(0);
        tr.Commit();
        return v;
    }

    TempDir dir;
    std::string path;
    TDataStore store;
};

} // namespace brevant::testing
