// The bar cache: a fill in one pass holds what each stock's own query loads,
// and the cache never outlives the database state it was read from.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "store/bar_cache.h"
#include "store/import_generation.h"
#include "store/price_history.h"
#include "store/stock_list.h"
#include "store_fixture.h"
#include "ta/day_date.h"

using namespace brevant;
using namespace brevant::testing;

namespace {

const double kFirstDay = EncodeDate(2024, 1, 1);

// One stored row; a missing value is NULL.
struct Row {
    std::string symbol;
    std::optional<double> date;
    std::optional<float> close = 1;
};

class BarCacheTest : public StoreTest {
protected:
    void InsertRows(const std::vector<Row>& rows) {
        TFBLTransaction t(&store.DB1);
        TFBLDsql q(&t);
        t.StartTransaction();
        for (const Row& r : rows) {
            const std::string price = r.close ? "?" : "NULL";
            q.SetSQL("INSERT INTO DATATABLE (SYMBOL, STOCK, DATA, OPN, HIGH, LOW, CLS, VOL) "
                     "VALUES (?, 'Name', " +
                     std::string(r.date ? "?" : "NULL") + ", " + price + ", " + price + ", " +
                     price + ", " + price + ", " + price + ")");
            q.Prepare();
            int p = 0;
            q.ParamAsString(p++, r.symbol);
            if (r.date) q.ParamAsDateTime(p++, *r.date);
            if (r.close) {
                q.ParamAsFloat(p++, *r.close - 0.5f);
                q.ParamAsFloat(p++, *r.close + 1);
                q.ParamAsFloat(p++, *r.close - 1);
                q.ParamAsFloat(p++, *r.close);
                q.ParamAsFloat(p++, *r.close * 100);
            }
            q.ExecSQL();
        }
        t.Commit();
    }

    // Runs `work` inside TR1, as a screening run does.
    template <typename Work> void InTR1(Work work) {
        store.TR1.StartTransaction();
        work();
        store.TR1.Commit();
    }

    // Every stock's cached rows against its own query, and a stock that is
    // not stored: the fill must hold exactly what the loader loads.
    void ExpectCacheEqualsQueries(TBarCache& cache) {
        InTR1([&] {
            TFBLDsql symbols(&store.TR1);
            symbols.SetSQL("SELECT DISTINCT SYMBOL FROM DATATABLE WHERE SYMBOL IS NOT NULL");
            symbols.ExecSQL();
            std::vector<std::string> all{"NOPE"};
            for (; !symbols.Eof(); symbols.Next()) all.push_back(symbols.FieldAsString(0));
            for (const std::string& symbol : all) {
                SCOPED_TRACE("symbol '" + symbol + "'");
                const CompactBars expected = ReadDailyRows(store.SQL1, symbol);
                const CompactBars* held = cache.Find(HistoryKey(BareSymbolText(symbol)));
                ASSERT_NE(held, nullptr);
                ASSERT_EQ(held->size(), expected.size());
                for (std::size_t i = 0; i < expected.size(); ++i)
                    ASSERT_TRUE(SameRow((*held)[i], expected[i])) << "row " << i;
            }
        });
    }

    bool Fill(TBarCache& cache, const BarCacheFillCallbacks& cb = {}) {
        bool filled = false;
        InTR1([&] {
            cache.Validate(store.TR1);
            filled = cache.FillAll(store.TR1, cb);
        });
        return filled;
    }
};

} // namespace

TEST_F(BarCacheTest, OnePassHoldsWhatEachStocksQueryLoads) {
    std::mt19937 random(7);
    std::vector<Row> rows;
    // Long histories in shuffled storage order, some days stored twice with
    // the same values (a file imported again), some with different ones, in
    // the kept days and in days too old to be kept.
    for (const char* symbol : {"LONG", "DUPS", "CLASH", "OLDCLASH"}) {
        for (int d = 0; d < 600; ++d) rows.push_back({symbol, kFirstDay + d, float(d % 50 + 1)});
    }
    for (int d = 0; d < 600; d += 3) rows.push_back({"DUPS", kFirstDay + d, float(d % 50 + 1)});
    // Which of two different rows of a day comes first is the engine's
    // choice (not the first stored): the fill must not guess.
    for (int d = 300; d < 600; d += 2) rows.push_back({"CLASH", kFirstDay + d, 999});
    for (int d = 0; d < 200; d += 2) rows.push_back({"OLDCLASH", kFirstDay + d, 999});
    std::shuffle(rows.begin(), rows.end(), random);
    // Different rows of the oldest kept day (435) arriving last, right when
    // the days before it are cut off: still the stock's query decides.
    for (int d = 0; d < 785; ++d) rows.push_back({"LATE", kFirstDay + d, float(d % 50 + 1)});
    for (int k = 0; k < 5; ++k) rows.push_back({"LATE", kFirstDay + 435, float(900 + k)});
    // Short ones, a symbol with a trailing blank beside the same without, and
    // rows with a missing value, which the stock's query reads as 0.
    for (int d = 0; d < 5; ++d) rows.push_back({"SHORT", kFirstDay + d, float(d)});
    rows.push_back({"ONE", kFirstDay, 5});
    rows.push_back({"ONE", kFirstDay, 5});
    rows.push_back({"PAD", kFirstDay, 1});
    rows.push_back({"PAD ", kFirstDay + 1, 2});
    rows.push_back({"NODATE", std::nullopt, 1});
    rows.push_back({"NODATE", kFirstDay, 2});
    rows.push_back({"NOCLOSE", kFirstDay, std::nullopt});
    rows.push_back({"", kFirstDay, 3});
    InsertRows(rows);
    // A row without a symbol belongs to no stock.
    Exec("INSERT INTO DATATABLE (DATA, CLS) VALUES ('2024-01-01', 1)");

    TBarCache cache;
    long reports = 0, lastRows = 0;
    BarCacheFillCallbacks cb;
    cb.reading = [&](long read, long) {
        ++reports;
        lastRows = read;
    };
    ASSERT_TRUE(Fill(cache, cb));
    EXPECT_TRUE(cache.Complete());
    EXPECT_EQ(lastRows, static_cast<long>(rows.size()) + 1);
    EXPECT_GE(reports, 1);
    ExpectCacheEqualsQueries(cache);
    const CompactBars* dups = cache.Find("DUPS");
    ASSERT_NE(dups, nullptr);
    EXPECT_EQ(dups->size(), 350u);
    EXPECT_EQ(dups->front().day, kFirstDay + 250);
    EXPECT_GE(cache.MemoryBytes(), 4 * 350 * sizeof(CompactBar));
}

TEST_F(BarCacheTest, ALargeTableStoredDayByDayFillsAsEachStocksQuery) {
    // 200 stocks over 760 days, stored a day at a time as daily downloads
    // are: many batches of rows, and histories cut twice over. Every fifth
    // day of some stocks is stored again, the same or different.
    Exec("EXECUTE BLOCK AS DECLARE D INTEGER = 0; DECLARE S INTEGER; BEGIN "
         "WHILE (D < 760) DO BEGIN S = 0; WHILE (S < 200) DO BEGIN "
         "INSERT INTO DATATABLE VALUES ('S' || :S, 'Name', DATEADD(:D DAY TO DATE '2020-01-01'), "
         ":S, :S + 1, :S - 1, MOD(:D * 7 + :S, 101), 1000 + :D); "
         "IF (MOD(D, 5) = 0 AND MOD(S, 10) = 0) THEN "
         "INSERT INTO DATATABLE VALUES ('S' || :S, 'Name', DATEADD(:D DAY TO DATE '2020-01-01'), "
         ":S, :S + 1, :S - 1, MOD(:D * 7 + :S + MOD(:S, 20), 101), 1000 + :D); "
         "S = S + 1; END D = D + 1; END END");
    ASSERT_EQ(Count("DATATABLE"), 200 * 760 + 20 * 152);
    TBarCache cache;
    ASSERT_TRUE(Fill(cache));
    EXPECT_EQ(cache.Stocks(), 200u);
    ExpectCacheEqualsQueries(cache);
}

TEST_F(BarCacheTest, AFileImportedAgainFillsAsOnce) {
    std::string file;
    for (int d = 1; d <= 28; ++d)
        for (const char* s : {"AAA", "BBB"})
            file += std::string(s) + "," + s + " Corp," + (d < 10 ? "0" : "") + std::to_string(d) +
                    "112026,1," + std::to_string(d + 1) + ",0.5," + std::to_string(d) + ",100\n";
    for (int imports = 1; imports <= 3; ++imports) {
        SCOPED_TRACE(imports);
        ASSERT_EQ(Import({file}).Outcome, ImportOutcome::Completed);
        TBarCache cache;
        ASSERT_TRUE(Fill(cache));
        ASSERT_EQ(cache.Find("AAA")->size(), 28u);
        ExpectCacheEqualsQueries(cache);
    }
}

TEST_F(BarCacheTest, AStopAbandonsTheFill) {
    std::vector<Row> rows;
    for (int d = 0; d < 9000; ++d) rows.push_back({"S" + std::to_string(d % 30), kFirstDay + d});
    InsertRows(rows);
    TBarCache cache;
    BarCacheFillCallbacks cb;
    long reports = 0;
    cb.reading = [&](long, long) { ++reports; };
    cb.stopRequested = [] { return true; };
    EXPECT_FALSE(Fill(cache, cb));
    EXPECT_EQ(reports, 1); // the first report after 8192 rows
    EXPECT_FALSE(cache.Complete());
    EXPECT_EQ(cache.Stocks(), 0u);
    EXPECT_FALSE(store.TR1.InTransaction());
}

// Whatever changed the database since the bars were read, the cache answers
// no more; nothing changed, it keeps them.
TEST_F(BarCacheTest, ValidationDropsBarsOfAnotherDatabaseState) {
    InsertRows({{"AAA", kFirstDay, 1}});
    struct Case {
        const char* name;
        std::function<void()> change;
        bool dropped;
    } cases[] = {
        {"nothing changed", [] {}, false},
        {"another program's import",
         [&] { Exec("UPDATE IMPORTGEN SET GENERATION = GENERATION + 1"); }, true},
        {"an import of this process",
         [&] {
             ASSERT_EQ(Import({"BBB,Beta,01122026,1,2,0.5,1.5,100\n"}).Outcome,
                       ImportOutcome::Completed);
         },
         true},
        {"an import of this process that stored nothing",
         [&] {
             TFBLTransaction t(&store.DB1);
             t.StartTransaction();
             RaiseImportGeneration(t);
             t.Rollback();
         },
         true},
        {"no generation row", [&] { Exec("DELETE FROM IMPORTGEN"); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TBarCache cache;
        ASSERT_TRUE(Fill(cache));
        c.change();
        InTR1([&] { cache.Validate(store.TR1); });
        EXPECT_EQ(cache.Complete(), !c.dropped);
        EXPECT_EQ(cache.Find("AAA") == nullptr, c.dropped);
        Exec("UPDATE OR INSERT INTO IMPORTGEN (ID, GENERATION) VALUES (1, 0) MATCHING (ID)");
    }
}

TEST_F(BarCacheTest, WithoutAGenerationTheBarsServeOnlyTheirOwnTransaction) {
    InsertRows({{"AAA", kFirstDay, 1}});
    Exec("DROP TABLE IMPORTGEN");
    TBarCache cache;
    InTR1([&] {
        cache.Validate(store.TR1);
        ASSERT_TRUE(cache.FillAll(store.TR1));
        EXPECT_NE(cache.Find("AAA"), nullptr);
    });
    InTR1([&] { cache.Validate(store.TR1); });
    EXPECT_EQ(cache.Find("AAA"), nullptr);
}

TEST_F(BarCacheTest, ARunsSnapshotKeepsItsBarsAndTheNextOneSeesTheImport) {
    ASSERT_EQ(Import({"AAA,Alpha,01122026,1,2,0.5,1.5,100\n"}).Outcome, ImportOutcome::Completed);
    TBarCache cache;
    store.TR1.StartTransaction();
    cache.Validate(store.TR1);
    // Another attachment imports while the run's snapshot is open.
    {
        TDataStore other;
        const OpenResult opened = CheckFirebird(other, path, {});
        ASSERT_TRUE(opened) << opened.Message;
        TFBLDsql q(&other.tr3);
        other.tr3.StartTransaction();
        q.SetSQL("UPDATE IMPORTGEN SET GENERATION = GENERATION + 1");
        q.ExecSQL();
        q.SetSQL("INSERT INTO DATATABLE VALUES ('AAA', 'Alpha', '2026-12-02', 1, 2, 0.5, 7, 100)");
        q.ExecSQL();
        other.tr3.Commit();
    }
    ASSERT_TRUE(cache.FillAll(store.TR1));
    EXPECT_EQ(cache.Find("AAA")->size(), 1u); // the snapshot's one row
    store.TR1.Commit();

    InTR1([&] { cache.Validate(store.TR1); });
    EXPECT_FALSE(cache.Complete());
    TBars bars;
    LoadDataForName(store, "Alpha , AAA", true, bars, &cache);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(bars.back().Close, 7);
}

TEST_F(BarCacheTest, LoadsFillTheCacheAndAreServedFromIt) {
    InsertRows({{"AAA", kFirstDay, 1}, {"BBB", kFirstDay, 2}});
    TBarCache cache;
    TBars bars;
    LoadDataForName(store, "Alpha , AAA", true, bars, &cache);
    EXPECT_EQ(cache.Stocks(), 1u);
    EXPECT_FALSE(cache.Complete());
    // A row stored behind the cache's back (no import, no new generation)
    // shows that the next load is served from memory.
    InsertRows({{"AAA", kFirstDay + 1, 3}});
    LoadDataForName(store, "Alpha , AAA", true, bars, &cache);
    EXPECT_EQ(bars.size(), 1u);
    LoadDataForName(store, " , NOPE", true, bars, &cache);
    EXPECT_TRUE(bars.empty());
    EXPECT_FALSE(store.TR1.InTransaction());
    // After an import, the database is read again.
    ASSERT_EQ(Import({"CCC,Gamma,01122026,1,2,0.5,1.5,100\n"}).Outcome, ImportOutcome::Completed);
    LoadDataForName(store, "Alpha , AAA", true, bars, &cache);
    EXPECT_EQ(bars.size(), 2u);
}
