// Brevant Dira — a fresh database in a temporary folder for each test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/quote_import.h"
#include "store/quote_indexes.h"
#include "support/db_fixture.h"

namespace brevant::testing {

// A DATATABLE row as the tests compare it.
struct QuoteRow {
    std::string symbol, name;
    double date;
    float open, high, low, close, volume;
};

struct ActionRow {
    std::string symbol, name;
    double date;
    float item;
    std::string action;
};

// A fresh database with helpers for quote files and the two data tables.
class StoreTest : public DatabaseTest {
protected:
    // Writes each text to a file of its own and imports them in order.
    ImportResult Import(const std::vector<std::string>& contents, ImportCallbacks callbacks = {},
                        char decimalSeparator = '.') {
        std::vector<std::string> files;
        for (const std::string& c : contents)
            files.push_back(dir.write("q" + std::to_string(++files_) + ".txt", c));
        return ImportFiles(files, std::move(callbacks), decimalSeparator);
    }
    ImportResult ImportFiles(const std::vector<std::string>& files, ImportCallbacks callbacks = {},
                             char decimalSeparator = '.',
                             QuoteFormatChoice format = QuoteFormatChoice::Auto) {
        TQuoteImport import(store, decimalSeparator, std::move(callbacks), format);
        return import.Run(files);
    }

    void InsertQuote(const std::string& symbol, const std::string& name, double date, float close,
                     float volume = 1000) {
        TFBLTransaction t(&store.DB1);
        TFBLDsql q(&t);
        t.StartTransaction();
        q.SetSQL("INSERT INTO DATATABLE VALUES(?,?,?,?,?,?,?,?)");
        q.Prepare();
        q.ParamAsString(0, symbol);
        q.ParamAsString(1, name);
        q.ParamAsDateTime(2, date);
        q.ParamAsFloat(3, close - 1);
        q.ParamAsFloat(4, close + 2);
        q.ParamAsFloat(5, close - 2);
        q.ParamAsFloat(6, close);
        q.ParamAsFloat(7, volume);
        q.ExecSQL();
        t.Commit();
    }

    int Count(const std::string& table) {
        TFBLTransaction t(&store.DB1);
        TFBLDsql q(&t);
        t.StartTransaction();
        q.SetSQL("SELECT COUNT(*) FROM " + table);
        q.ExecSQL();
        return q.FieldAsInteger(0);
    }

    // Every quote row ordered by symbol, date, close.
    std::vector<QuoteRow> Quotes() {
        TFBLTransaction t(&store.DB1);
        TFBLDsql q(&t);
        t.StartTransaction();
        q.SetSQL("SELECT SYMBOL, STOCK, DATA, OPN, HIGH, LOW, CLS, VOL FROM DATATABLE "
                 "ORDER BY SYMBOL, DATA, CLS");
        q.ExecSQL();
        std::vector<QuoteRow> rows;
        for (; !q.Eof(); q.Next())
            rows.push_back({q.FieldAsString(0), q.FieldAsString(1), q.FieldAsDateTime(2),
                            q.FieldAsFloat(3), q.FieldAsFloat(4), q.FieldAsFloat(5),
                            q.FieldAsFloat(6), q.FieldAsFloat(7)});
        return rows;
    }

    // The symbol of every quote row, in the order of Quotes().
    std::vector<std::string> QuoteSymbols() {
        std::vector<std::string> symbols;
        for (const QuoteRow& q : Quotes()) symbols.push_back(q.symbol);
        return symbols;
    }

    // Those of the four quote indexes that are inactive.
    std::vector<std::string> InactiveIndexes() {
        TFBLTransaction t(&store.DB1);
        t.StartTransaction();
        return InactiveQuoteIndexes(t);
    }

    // Every action row ordered by date, then dividends before splits.
    std::vector<ActionRow> Actions() {
        TFBLTransaction t(&store.DB1);
        TFBLDsql q(&t);
        t.StartTransaction();
        q.SetSQL("SELECT SYMBOLA, STOCKA, DATAA, ITEM, ACTIONA FROM SPLIT "
                 "ORDER BY DATAA, ACTIONA, SYMBOLA");
        q.ExecSQL();
        std::vector<ActionRow> rows;
        for (; !q.Eof(); q.Next())
            rows.push_back({q.FieldAsString(0), q.FieldAsString(1), q.FieldAsDateTime(2),
                            q.FieldAsFloat(3), q.FieldAsString(4)});
        return rows;
    }

private:
    int files_ = 0;
};

} // namespace brevant::testing
