#include <gtest/gtest.h>

#include <cstdio>

#include "store/price_history.h"
#include "store/stock_list.h"
#include "store_fixture.h"
#include "ta/day_date.h"

using namespace brevant;
using namespace brevant::testing;

namespace {
using PriceHistoryTest = StoreTest;

const double kFirstDay = EncodeDate(2024, 1, 1);

} // namespace

class PriceHistoryRows : public PriceHistoryTest {
protected:
    // Many rows in one transaction (a commit per row is slow).
    void InsertMany(const std::string& symbol, const std::vector<double>& days) {
        TFBLTransaction t(&store.DB1);
        TFBLDsql q(&t);
        t.StartTransaction();
        for (std::size_t i = 0; i < days.size(); ++i) {
            q.SetSQL("INSERT INTO DATATABLE VALUES(?,?,?,?,?,?,?,?)");
            q.Prepare();
            q.ParamAsString(0, symbol);
            q.ParamAsString(1, symbol + " Corp");
            q.ParamAsDateTime(2, days[i]);
            const float close = static_cast<float>(days[i] - kFirstDay + 1);
            q.ParamAsFloat(3, close - 0.5f);
            q.ParamAsFloat(4, close + 1);
            q.ParamAsFloat(5, close - 1);
            q.ParamAsFloat(6, close);
            q.ParamAsFloat(7, 1000 + close);
            q.ExecSQL();
        }
        t.Commit();
    }
    static std::vector<double> Days(int n) {
        std::vector<double> d;
        for (int i = 0; i < n; ++i) d.push_back(kFirstDay + i);
        return d;
    }
};

TEST_F(PriceHistoryRows, KeepsThe350NewestDaysOldestFirst) {
    InsertMany("ACM", Days(500));
    TBars bars;
    LoadDataForName(store, "Acme , ACM", true, bars);
    ASSERT_EQ(bars.size(), 350u);
    EXPECT_EQ(bars.front().Date, kFirstDay + 150);
    EXPECT_EQ(bars.back().Date, kFirstDay + 499);
    for (std::size_t i = 1; i < bars.size(); ++i) ASSERT_EQ(bars[i].Date, bars[i - 1].Date + 1);
    const TStockBar& b = bars.back();
    EXPECT_EQ(b.Close, 500);
    EXPECT_EQ(b.Open, 499.5);
    EXPECT_EQ(b.High, 501);
    EXPECT_EQ(b.Low, 499);
    EXPECT_EQ(b.Volume, 1500);
    EXPECT_EQ(b.RSI, 0);
    EXPECT_FALSE(store.TR1.InTransaction());
}

TEST_F(PriceHistoryRows, DuplicateDaysGiveOneBarAndCostNoHistory) {
    std::vector<double> days = Days(10);
    days.push_back(kFirstDay + 3);
    days.push_back(kFirstDay + 9);
    InsertMany("DUP", days);
    TBars bars;
    LoadDataForName(store, " , DUP", true, bars);
    ASSERT_EQ(bars.size(), 10u);
    for (std::size_t i = 0; i < bars.size(); ++i) EXPECT_EQ(bars[i].Date, kFirstDay + i);

    // 360 days with the newest 5 doubled: still the 350 newest days.
    std::vector<double> many = Days(360);
    for (int i = 355; i < 360; ++i) many.push_back(kFirstDay + i);
    InsertMany("LIM", many);
    LoadDataForName(store, " , LIM", true, bars);
    ASSERT_EQ(bars.size(), 350u);
    EXPECT_EQ(bars.front().Date, kFirstDay + 10);
    EXPECT_EQ(bars.back().Date, kFirstDay + 359);
}

TEST_F(PriceHistoryRows, OneDayGivesOneBar) {
    InsertMany("ONE", {kFirstDay, kFirstDay, kFirstDay});
    TBars bars;
    LoadDataForName(store, " , ONE", true, bars);
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_EQ(bars[0].Date, kFirstDay);
    EXPECT_EQ(bars[0].Close, 1);
}

TEST_F(PriceHistoryTest, TextWithoutSymbolEmptiesTheBars) {
    // The bars of the stock loaded before must not stand for this text.
    for (const char* text : {"", "X", "Acme ,", "Acme , "}) {
        SCOPED_TRACE(text);
        TBars bars(3);
        bars[0].Close = 42;
        LoadDataForName(store, text, true, bars);
        EXPECT_TRUE(bars.empty());
    }
    EXPECT_FALSE(store.TR1.InTransaction());
}

TEST_F(PriceHistoryTest, UnknownOrOverlongSymbolGivesNoBarsAndEndsTheTransaction) {
    InsertQuote("ABCDEFGHIJ", "Ten", kFirstDay, 1);
    TBars bars(3);
    LoadDataForName(store, " , NOPE", true, bars);
    EXPECT_TRUE(bars.empty());
    EXPECT_FALSE(store.TR1.InTransaction());
    // Eleven characters cannot be a stored symbol, though ten of them are.
    LoadDataForName(store, " , ABCDEFGHIJK", true, bars);
    EXPECT_TRUE(bars.empty());
    LoadDataForName(store, " , ABCDEFGHIJ", true, bars);
    EXPECT_EQ(bars.size(), 1u);
}

TEST_F(PriceHistoryTest, CallerManagedTransaction) {
    InsertQuote("ACM", "Acme", kFirstDay, 1);
    InsertQuote("BB", "Bee", kFirstDay, 2);
    TBars bars;
    EXPECT_THROW(LoadDataForName(store, " , ACM", false, bars), EFBLError);

    store.TR1.StartTransaction();
    LoadDataForName(store, " , ACM", false, bars);
    ASSERT_EQ(bars.size(), 1u);
    LoadDataForName(store, " , BB", false, bars);
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_EQ(bars[0].Close, 2);
    EXPECT_TRUE(store.TR1.InTransaction());

    // A transaction left started is rolled back, and the load runs in a new one.
    LoadDataForName(store, " , ACM", true, bars);
    EXPECT_EQ(bars[0].Close, 1);
    EXPECT_FALSE(store.TR1.InTransaction());
}

TEST_F(PriceHistoryTest, DatabaseErrorRollsBackItsOwnTransaction) {
    Exec("DROP TABLE DATATABLE");
    TBars bars;
    EXPECT_THROW(LoadDataForName(store, " , ACM", true, bars), EFBLError);
    EXPECT_FALSE(store.TR1.InTransaction());
}

namespace {

// A quote file of `days` weekdays for two stocks, ending Friday 4 December 2026.
std::string QuoteFile(int days) {
    std::vector<double> dates;
    for (double d = EncodeDate(2026, 12, 4); static_cast<int>(dates.size()) < days; --d)
        if (DayOfTheWeek(d) <= 5) dates.insert(dates.begin(), d);
    std::string text;
    for (const char* symbol : {"AAA", "BBB"}) {
        for (std::size_t i = 0; i < dates.size(); ++i) {
            char line[128];
            const CivilDate date = DecodeDate(dates[i]);
            const double c = 20 + static_cast<double>(i % 37) * 0.25;
            std::snprintf(line, sizeof line, "%s,%s Corp,%02d%02d%04d,%.2f,%.2f,%.2f,%.2f,%zu\n",
                          symbol, symbol, date.day, date.month, date.year, c - 0.5, c + 1, c - 1, c,
                          1000 + i);
            text += line;
        }
    }
    return text;
}

} // namespace

TEST_F(PriceHistoryTest, AFileImportedAgainKeepsEveryDayOfHistory) {
    const std::string file = QuoteFile(400);
    ASSERT_EQ(Import({file}).Outcome, ImportOutcome::Completed);
    TBars once;
    LoadDataForName(store, "AAA Corp , AAA", true, once);
    ASSERT_EQ(once.size(), 350u);
    for (int imports = 2; imports <= 3; ++imports) {
        SCOPED_TRACE(imports);
        ASSERT_EQ(Import({file}).Outcome, ImportOutcome::Completed);
        EXPECT_EQ(Count("DATATABLE"), imports * 800); // the rows stay stored
        TBars again;
        LoadDataForName(store, "AAA Corp , AAA", true, again);
        ASSERT_EQ(again.size(), once.size());
        for (std::size_t i = 0; i < once.size(); ++i) {
            ASSERT_EQ(again[i].Date, once[i].Date) << i;
            ASSERT_EQ(again[i].Close, once[i].Close) << i;
            ASSERT_EQ(again[i].Volume, once[i].Volume) << i;
        }
    }
}
