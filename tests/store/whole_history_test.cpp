// Brevant Dira — tests of the second loader: a stock's whole history and its
// splits, read from a real database, and the split-adjusted bars made of them.
#include <gtest/gtest.h>

#include "store/price_history.h"
#include "store/whole_history.h"
#include "store_fixture.h"
#include "ta/day_date.h"

namespace brevant::testing {
namespace {

class WholeHistoryTest : public StoreTest {
protected:
    // `days` quotes of one stock on consecutive days from `first`, in one
    // transaction; close 10 + i, volume 1000.
    void InsertDays(const std::string& symbol, double first, int days) {
        TFBLTransaction t(&store.DB1);
        TFBLDsql q(&t);
        t.StartTransaction();
        q.SetSQL("INSERT INTO DATATABLE VALUES(?,?,?,?,?,?,?,?)");
        q.Prepare();
        for (int i = 0; i < days; ++i) {
            q.ParamAsString(0, symbol);
            q.ParamAsString(1, symbol + " Corp");
            q.ParamAsDateTime(2, first + i);
            for (int column = 3; column < 7; ++column) q.ParamAsFloat(column, float(10 + i));
            q.ParamAsFloat(7, 1000);
            q.ExecSQL();
        }
        t.Commit();
    }
};

TEST_F(WholeHistoryTest, ReadsEveryStoredDayWhereTheLoaderKeeps350) {
    const double first = EncodeDate(2024, 1, 1);
    InsertDays("LONG", first, 400);
    InsertQuote("LONG", "LONG Corp", first + 5, 99); // a second row of a day: the first counts
    const WholeHistory history = ReadWholeHistory(store, "LONG Corp , LONG");
    ASSERT_EQ(history.rows.size(), 400u);
    EXPECT_EQ(history.rows.front().day, first);
    EXPECT_EQ(history.rows.back().day, first + 399);
    EXPECT_TRUE(history.splits.empty());
    TBars recent;
    LoadDataForName(store, "LONG Corp , LONG", true, recent);
    ASSERT_EQ(recent.size(), kMaxHistoryDays);
    // The loader's days are the newest of the whole history, row for row.
    TBars whole;
    LoadWholeHistory(store, "LONG Corp , LONG", false, whole);
    for (std::size_t i = 0; i < recent.size(); ++i) {
        const TStockBar& a = recent[i];
        const TStockBar& b = whole[whole.size() - recent.size() + i];
        ASSERT_EQ(a.Date, b.Date);
        ASSERT_EQ(a.Close, b.Close);
        ASSERT_EQ(a.Volume, b.Volume);
    }
    EXPECT_TRUE(ReadWholeHistory(store, "Nobody , NONE").rows.empty());
    EXPECT_TRUE(ReadWholeHistory(store, "no symbol").rows.empty());
}

// A 2:1 split on 4 March and a 3:2 split on 6 March, a dividend on 5 March:
// the bars before the 4th are divided by 3, those of the 4th and 5th by 1.5,
// and the dividend changes nothing. Rows worked out by hand.
TEST_F(WholeHistoryTest, AdjustsForStoredSplitsButNotForDividends) {
    const double march2 = EncodeDate(2026, 3, 2);
    const float closes[] = {60, 66, 33, 36, 24};
    for (int i = 0; i < 5; ++i) InsertQuote("SPL", "Splitter", march2 + i, closes[i], 1200);
    Exec("INSERT INTO SPLIT VALUES('SPL','Splitter','04.03.2026',2.1,'Split')");
    Exec("INSERT INTO SPLIT VALUES('SPL','Splitter','06.03.2026',3.2,'Split')");
    Exec("INSERT INTO SPLIT VALUES('SPL','Splitter','05.03.2026',0.5,'Dividend')");
    Exec("INSERT INTO SPLIT VALUES('OTHER','Other','03.03.2026',2.1,'Split')");

    const std::vector<SplitEvent> splits = LoadSplitEvents(store, "Splitter , SPL");
    EXPECT_EQ(splits, (std::vector<SplitEvent>{{march2 + 2, 2}, {march2 + 4, 1.5}}));

    TBars bars;
    LoadWholeHistory(store, "Splitter , SPL", true, bars);
    ASSERT_EQ(bars.size(), 5u);
    struct Row {
        double open, high, low, close, volume;
    };
    // InsertQuote stores open = close - 1, high = close + 2, low = close - 2.
    const Row expected[] = {{59 / 3.0, 62 / 3.0, 58 / 3.0, 20, 3600},
                            {65 / 3.0, 68 / 3.0, 64 / 3.0, 22, 3600},
                            {32 / 1.5, 35 / 1.5, 31 / 1.5, 22, 1800},
                            {35 / 1.5, 38 / 1.5, 34 / 1.5, 24, 1800},
                            {23, 26, 22, 24, 1200}};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(bars[i].Date, march2 + i);
        EXPECT_NEAR(bars[i].Open, expected[i].open, 1e-9);
        EXPECT_NEAR(bars[i].High, expected[i].high, 1e-9);
        EXPECT_NEAR(bars[i].Low, expected[i].low, 1e-9);
        EXPECT_NEAR(bars[i].Close, expected[i].close, 1e-9);
        EXPECT_NEAR(bars[i].Volume, expected[i].volume, 1e-6);
    }
    // Not adjusted: the stored prices.
    LoadWholeHistory(store, "Splitter , SPL", false, bars);
    EXPECT_EQ(bars[0].Close, 60);
    EXPECT_EQ(bars[0].Volume, 1200);
}

} // namespace
} // namespace brevant::testing
