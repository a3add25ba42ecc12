// Brevant Dira — a fresh database in a temporary folder for each test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/bootstrap.h"
#include "store/data_store.h"
#include "support/temp_dir.h"
#include "ta/day_date.h"
#include "ta/locale_settings.h"

namespace brevant::testing {

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetProcessFormats(WithProgramDates(LocaleSettings{}));
        path = dir.file("BREVDATA.BVD");
        const OpenResult opened = CheckFirebird(store, path, {});
        ASSERT_TRUE(opened) << opened.Message;
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

    // Stores one quote row per close, on consecutive weekdays ending on
    // Friday 4 December 2026, with open/high/low around the close.
    void InsertCloses(const std::string& symbol, const std::string& name,
                      const std::vector<double>& closes, double volume = 10000) {
        std::vector<double> days;
        for (double d = EncodeDate(2026, 12, 4); days.size() < closes.size(); --d)
            if (DayOfTheWeek(d) <= 5) days.insert(days.begin(), d);
        TFBLTransaction tr(&store.DB1);
        TFBLDsql q(&tr);
        tr.StartTransaction();
        for (std::size_t i = 0; i < closes.size(); ++i) {
            q.SetSQL("INSERT INTO DATATABLE VALUES(?,?,?,?,?,?,?,?)");
            q.Prepare();
            q.ParamAsString(0, symbol);
            q.ParamAsString(1, name);
            q.ParamAsDateTime(2, days[i]);
            const float c = static_cast<float>(closes[i]);
            q.ParamAsFloat(3, c);
            q.ParamAsFloat(4, c + 1);
            q.ParamAsFloat(5, c - 1);
            q.ParamAsFloat(6, c);
            q.ParamAsFloat(7, static_cast<float>(volume));
            q.ExecSQL();
        }
        tr.Commit();
    }

    TempDir dir;
    std::string path;
    TDataStore store;
};

} // namespace brevant::testing
