// The stock table and the stored bars against what they stand for: the stock
// list's own query and each stock's own loader query, on random databases,
// after every kind of change the quote table meets.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <set>

#include "store/bar_cache.h"
#include "store/import_generation.h"
#include "store/price_history.h"
#include "store/quote_changes.h"
#include "store/stock_list.h"
#include "store/stock_pairs.h"
#include "store/stock_tables.h"
#include "store/stock_upkeep.h"
#include "store/stored_bars.h"
#include "store/transaction_guard.h"
#include "store_fixture.h"
#include "support/stock_tables_oracle.h"
#include "ta/day_date.h"

using namespace brevant;
using namespace brevant::testing;

namespace {

const double kLastDay = EncodeDate(2026, 12, 4);

// Symbols and names of a random database: names that differ between rows
// of one symbol (in case, in a Latin-1 letter, in words), a symbol and a name
// stored with a trailing blank (never also without), one symbol with a long
// history.
const std::vector<std::string> kSymbols = {"AB",  "PAD ", "ACM",  "B", "BX",
                                           "C.A", "ZZ",   "LONG", "Q"};
const std::vector<std::string> kNames = {"Acme",
                                         "Acme Corp",
                                         "acme",
                                         "\xC1"
                                         "cme",
                                         "Beta ",
                                         "Omega",
                                         "Zeta Holdings"};
// Pairs that the query cannot tell apart: symbols and names stored both with
// and without trailing blanks.
const std::vector<std::string> kTwinSymbols = {"AB", "AB ", "B", "B  "};
const std::vector<std::string> kTwinNames = {"Acme", "Acme ", "Acme  ", "Beta"};

std::string DateText(double day) {
    const CivilDate c = DecodeDate(day);
    char text[16];
    std::snprintf(text, sizeof text, "%02d%02d%04d", c.day, c.month, c.year);
    return text;
}

// A quote line; `price` sets all four prices around it.
std::string Line(const std::string& symbol, const std::string& name, double day, double price) {
    char values[96];
    std::snprintf(values, sizeof values, ",%.2f,%.2f,%.2f,%.2f,%d\n", price - 0.5, price + 1,
                  price - 1, price, 1000 + static_cast<int>(price * 10));
    return symbol + "," + name + "," + DateText(day) + values;
}

// A file of `lines` random lines: each a random stock and name, on one of
// the `days` weekdays up to `last`; some lines again (the same or another
// price).
std::string RandomFile(std::mt19937& random, int lines, int days, double last,
                       const std::vector<std::string>& symbols = kSymbols,
                       const std::vector<std::string>& names = kNames) {
    std::string text = "<ticker>,<name>,<date>,<open>,<high>,<low>,<close>,<vol>\n";
    std::string previous;
    for (int i = 0; i < lines; ++i) {
        if (!previous.empty() && random() % 12 == 0) {
            text += previous; // the same row again
            continue;
        }
        const std::string& symbol = symbols[random() % symbols.size()];
        const int span = symbol == "LONG" ? days * 3 : days;
        double day = last - static_cast<int>(random() % static_cast<unsigned>(span));
        while (DayOfTheWeek(day) > 5) --day;
        // Most rows of a symbol carry its usual name.
        const std::string& name =
            random() % 5 == 0 ? names[random() % names.size()] : names[symbol.size() % 3];
        previous = Line(symbol, name, day, 10 + static_cast<int>(random() % 400) / 4.0);
        text += previous;
    }
    return text;
}

// The list as the specified query gives it: one entry per symbol, its first
// name in the query's order; the items sorted as the list shows them.
TStockList ListFromTheQuery(TDataStore& store) {
    TStockList list;
    TFBLTransaction t(&store.DB1);
    TFBLDsql q(&t);
    t.StartTransaction();
    q.SetSQL(kStockListSql);
    q.ExecSQL();
    for (; !q.Eof(); q.Next()) {
        const std::string symbol = q.FieldAsString(0);
        if (!list.Stocks.empty() && list.Stocks.back().Symbol == symbol) continue;
        list.Stocks.push_back({q.FieldAsString(1), symbol});
        list.Items.push_back(ListText(list.Stocks.back()));
    }
    t.Commit();
    std::sort(list.Items.begin(), list.Items.end(),
              [](const std::string& a, const std::string& b) { return ListTextLess(a, b); });
    return list;
}

class StockTablesTest : public StoreTest {
protected:
    bool Current() {
        TFBLTransaction t(&store.DB1);
        t.StartTransaction();
        return StoredTablesCurrent(t);
    }

    // The list the program reads equals the one of the specified query,
    // whether it came from the stock table or from the query.
    void ExpectListAsTheQueryGivesIt() {
        TStockList list;
        TIndicatorParams params;
        LoadStockList(store, list, params, {});
        const TStockList expected = ListFromTheQuery(store);
        EXPECT_EQ(list.Stocks, expected.Stocks);
        EXPECT_EQ(list.Items, expected.Items);
    }

    // The tables hold exactly what they stand for: the query's answer (read
    // from the table unless `twins`: pairs only the query can tell apart),
    // every pair's rows and days, every stock's loaded rows.
    void ExpectTablesHoldTheQuoteTable(bool twins = false) {
        ASSERT_TRUE(Current());
        TFBLTransaction t(&store.DB1);
        t.StartTransaction();
        TransactionGuard guard(t);
        const StockTablesCheck check = CheckStockTables(t);
        EXPECT_EQ(check.differences, std::vector<std::string>{});
        EXPECT_EQ(check.listFromTable, !twins);
    }

    // Imports `text`; the number of its files read with the quote indexes
    // switched off.
    int ImportWithIndexesOff(const std::string& text) {
        int off = 0;
        ImportCallbacks cb;
        cb.fileNumber = [&](int) { off += !InactiveIndexes().empty(); };
        EXPECT_EQ(Import({text}, cb).Outcome, ImportOutcome::Completed);
        return off;
    }

    // A first screening of a session: fills the cache, and builds the tables
    // again when they are stale.
    void FirstScan() {
        TBarCache cache;
        store.TR1.StartTransaction();
        TransactionGuard guard(store.TR1);
        cache.Validate(store.TR1);
        ASSERT_TRUE(cache.FillAll(store.TR1));
        guard.Commit();
    }
};

} // namespace

// Imports of every kind keep the tables in the file's transaction; a change
// they do not see leaves them stale, the list still as the query gives it,
// and the next first screening builds them again.
TEST_F(StockTablesTest, KeptByEveryImportAndBuiltAgainWhenStale) {
    std::mt19937 random(20261204);
    auto file = [&](int lines, int days, double last = kLastDay) {
        return RandomFile(random, lines, days, last);
    };
    const std::string history = file(2000, 500);
    struct Step {
        const char* name;
        std::function<void()> change;
        bool staysCurrent;
    } steps[] = {
        {"a history into the new database (indexes off)",
         [&] { ASSERT_EQ(ImportWithIndexesOff(history), 1); }, true},
        {"daily files, one after the other",
         [&] {
             ASSERT_EQ(Import({file(12, 1, kLastDay + 3), file(12, 1, kLastDay + 4)}).Outcome,
                       ImportOutcome::Completed);
         },
         true},
        {"the history again: every row twice", [&] { Import({history}); }, true},
        {"other prices for days already stored", [&] { Import({file(300, 200)}); }, true},
        {"an import abandoned in its second file",
         [&] {
             int lines = 0;
             ImportCallbacks cb;
             cb.abandonRequested = [&] { return ++lines > 900; };
             EXPECT_TRUE(Import({file(600, 100), file(600, 100)}, cb).Abandoned);
         },
         true},
        {"a CSV file",
         [&] {
             ASSERT_EQ(Import({"Ticker,Date,Open,High,Low,Close,Volume\n"
                               "AB,2026-12-07,1,2,0.5,1.5,100\n"
                               "NEW,2026-12-08,1,2,0.5,1.75,100\n"})
                           .Outcome,
                       ImportOutcome::Completed);
         },
         true},
        {"another program's rows on the newest day",
         [&] { InsertQuote("ZZ", "Zeta Holdings", kLastDay + 4, 7); }, false},
        {"another program's import raising the generation",
         [&] {
             Exec("UPDATE IMPORTGEN SET GENERATION = GENERATION + 1");
             InsertQuote("OLD", "Old Corp", kLastDay - 900, 3);
         },
         false},
        {"another program's import refreshing the statistics",
         [&] {
             InsertQuote("HIST", "History Corp", kLastDay - 400, 4);
             Exec("SET STATISTICS INDEX IDX0");
         },
         false},
        {"a large file into a small table (indexes off again)",
         [&] { ASSERT_EQ(ImportWithIndexesOff(file(4000, 700)), 1); }, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.change();
        EXPECT_EQ(Current(), step.staysCurrent);
        ExpectListAsTheQueryGivesIt();
        if (!step.staysCurrent) {
            // An import while they are stale leaves them so.
            ASSERT_EQ(Import({file(5, 1, kLastDay + 5)}).Outcome, ImportOutcome::Completed);
            EXPECT_FALSE(Current());
            ExpectListAsTheQueryGivesIt();
            FirstScan();
        }
        ExpectTablesHoldTheQuoteTable();
        ExpectListAsTheQueryGivesIt();
    }
}

// The one call a replacement or a deletion makes after its change: the
// symbols' pairs and bars read again from what is left, in the changing
// transaction, so that a rollback leaves them with the rows.
TEST_F(StockTablesTest, ADeletionKeepsThemThroughOneCall) {
    std::mt19937 random(3);
    ASSERT_EQ(Import({RandomFile(random, 1500, 400, kLastDay)}).Outcome, ImportOutcome::Completed);
    struct Case {
        const char* name;
        std::set<std::string> symbols;
        const char* where;
        bool commit;
    } cases[] = {
        {"the newest days of a stock", {"LONG"}, "SYMBOL = 'LONG' AND DATA > '2026-11-01'", true},
        {"one name of a symbol", {"AB"}, "SYMBOL = 'AB' AND STOCK = 'acme'", true},
        {"two whole stocks, one named with its trailing blank",
         {"ZZ", "PAD "},
         "SYMBOL IN ('ZZ', 'PAD')",
         true},
        {"the oldest days of every stock, rolled back",
         {"AB", "PAD ", "ACM", "B", "BX", "C.A", "LONG", "Q"},
         "DATA < '2026-01-01'",
         false},
        {"nothing", {"B"}, "1 = 0", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        {
            TFBLTransaction t(&store.DB1);
            t.StartTransaction();
            TransactionGuard guard(t);
            RaiseImportGeneration(t);
            TFBLDsql q(&t);
            q.SetSQL(std::string("DELETE FROM DATATABLE WHERE ") + c.where);
            q.ExecSQL();
            UpdateStockTables(t, c.symbols);
            if (c.commit) guard.Commit();
        }
        ExpectTablesHoldTheQuoteTable();
        ExpectListAsTheQueryGivesIt();
    }
    // Stale before the change: left stale, and built again by the next first
    // screening.
    InsertQuote("ZZ", "Zeta Holdings", kLastDay + 4, 7);
    ASSERT_FALSE(Current());
    {
        TFBLTransaction t(&store.DB1);
        t.StartTransaction();
        TransactionGuard guard(t);
        RaiseImportGeneration(t);
        TFBLDsql q(&t);
        q.SetSQL("DELETE FROM DATATABLE WHERE SYMBOL = 'Q'");
        q.ExecSQL();
        UpdateStockTables(t, {"Q"});
        guard.Commit();
    }
    EXPECT_FALSE(Current());
    ExpectListAsTheQueryGivesIt();
    FirstScan();
    ExpectTablesHoldTheQuoteTable();
}

// The program's own corrections keep them in their transaction: a file
// imported to replace stored days (new names, new prices, new days) and
// deletions of a whole stock and of a date range.
TEST_F(StockTablesTest, ReplacementsAndDeletionsOfTheProgramKeepThem) {
    std::mt19937 random(11);
    ASSERT_EQ(Import({RandomFile(random, 1500, 400, kLastDay)}).Outcome, ImportOutcome::Completed);
    ExpectTablesHoldTheQuoteTable();
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        const std::string path = dir.write("fix" + std::to_string(round) + ".txt",
                                           RandomFile(random, 300, 420, kLastDay + 20));
        TQuoteImport replace(store, '.', {}, QuoteFormatChoice::Auto, ImportMode::Replace);
        ASSERT_EQ(replace.Run({path}).Outcome, ImportOutcome::Completed);
        ExpectTablesHoldTheQuoteTable();
        ExpectListAsTheQueryGivesIt();
    }
    struct Case {
        const char* name;
        const char* symbol;
        DateRange range;
    } cases[] = {
        {"the newest days of a stock", "LONG", {kLastDay - 30, std::nullopt}},
        {"a stretch in the middle", "AB", {kLastDay - 200, kLastDay - 100}},
        {"a whole stock named with its trailing blank", "PAD ", {}},
        {"a stock that is not stored", "NOSUCH", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteStock(store, c.symbol, c.range);
        ExpectTablesHoldTheQuoteTable();
        ExpectListAsTheQueryGivesIt();
    }
}

// A file of an older version (no stock tables) gains them at its next open,
// filled from its quote rows.
TEST_F(StockTablesTest, AnOlderFileGainsThemFilledAtItsNextOpen) {
    std::mt19937 random(11);
    ASSERT_EQ(Import({RandomFile(random, 1500, 400, kLastDay)}).Outcome, ImportOutcome::Completed);
    store.DB1.Disconnect();
    {
        TDataStore older;
        ASSERT_TRUE(CheckFirebird(older, path, {}));
        for (const char* table : {"STOCKSTATE", "STOCKBARS", "STOCKS"}) {
            TFBLTransaction t(&older.DB1);
            TFBLDsql q(&t);
            t.StartTransaction();
            q.SetSQL(std::string("DROP TABLE ") + table);
            q.ExecSQL();
            t.Commit();
        }
    }
    std::vector<std::string> said;
    ProgressCallbacks progress;
    progress.status = [&](const std::string& text) { said.push_back(text); };
    ASSERT_TRUE(CheckFirebird(store, path, progress));
    EXPECT_NE(std::find(said.begin(), said.end(), "Building the stock table..."), said.end());
    ExpectTablesHoldTheQuoteTable();
    ExpectListAsTheQueryGivesIt();
}

// Pairs that differ only in trailing blanks are one row of the query's
// answer, shown with the bytes of whichever row the engine's sort kept: the
// list then comes from the query itself.
TEST_F(StockTablesTest, PairsThatDifferOnlyInTrailingBlanksListAsTheQueryGivesThem) {
    std::mt19937 random(29);
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        ASSERT_EQ(
            Import({RandomFile(random, 800, 300, kLastDay, kTwinSymbols, kTwinNames)}).Outcome,
            ImportOutcome::Completed);
        ExpectTablesHoldTheQuoteTable(true);
        ExpectListAsTheQueryGivesIt();
    }
}
