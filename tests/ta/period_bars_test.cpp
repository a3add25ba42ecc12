#include <gtest/gtest.h>

#include <cstring>

#include "ta/day_date.h"
#include "ta/period_bars.h"

using namespace brevant;

namespace {
TStockBar Bar(double date, double open, double high, double low, double close, double volume) {
    TStockBar b;
    b.Date = date;
    b.Open = open;
    b.High = high;
    b.Low = low;
    b.Close = close;
    b.Volume = volume;
    b.RSI = 55; // an indicator value that must not survive
    b.MA1 = 3;
    return b;
}

const double kMonday = EncodeDate(2026, 3, 2);
} // namespace

TEST(GetWeeklyData, EmptyStaysEmpty) {
    TBars bars;
    GetWeeklyData(bars);
    GetMonthlyData(bars);
    EXPECT_TRUE(bars.empty());
}

TEST(GetWeeklyData, MondayToFridayMakeOneBar) {
    TBars bars;
    const double highs[] = {11, 14, 12, 13, 12}, lows[] = {9, 8, 7.5, 9, 10};
    for (int i = 0; i < 5; ++i)
        bars.push_back(Bar(kMonday + i, 10 + i, highs[i], lows[i], 10.5 + i, 100 * (i + 1)));
    GetWeeklyData(bars);
    ASSERT_EQ(bars.size(), 1u);
    const TStockBar& w = bars[0];
    EXPECT_EQ(w.Date, kMonday);
    EXPECT_EQ(w.Open, 10);
    EXPECT_EQ(w.Close, 14.5);
    EXPECT_EQ(w.High, 14);
    EXPECT_EQ(w.Low, 7.5);
    EXPECT_EQ(w.Volume, 300);
    EXPECT_EQ(w.RSI, 0);
    EXPECT_EQ(w.MA1, 0);
}

TEST(GetWeeklyData, WeeksRunMondayToSundayWithGaps) {
    TBars bars = {
        Bar(kMonday + 1, 1, 1, 1, 1, 1),  // Tuesday: the week still starts on Monday
        Bar(kMonday + 6, 2, 2, 2, 2, 2),  // Sunday: same week
        Bar(kMonday + 7, 3, 3, 3, 3, 3),  // next Monday: new week
        Bar(kMonday + 22, 4, 4, 4, 4, 4), // two weeks later (Wednesday)
    };
    GetWeeklyData(bars);
    ASSERT_EQ(bars.size(), 3u);
    EXPECT_EQ(bars[0].Date, kMonday);
    EXPECT_EQ(bars[0].Close, 2);
    EXPECT_EQ(bars[1].Date, kMonday + 7);
    EXPECT_EQ(bars[2].Date, kMonday + 21);
    EXPECT_EQ(bars[2].Open, 4);
}

TEST(GetWeeklyData, VolumeIsTheMeanRoundedHalfToEven) {
    struct Case {
        std::vector<double> volumes;
        double mean;
    } cases[] = {
        {{1, 2}, 2},     {{2, 3}, 2},     {{1234.5}, 1234.5},   {{1, 2, 3, 4}, 2},
        {{3, 4}, 4},     {{1, 1, 2}, 1},  {{0.4, 0.6, 0.6}, 1}, {{5, 6, 7}, 6},
        {{7.5, 7.5}, 8}, {{6.5, 6.5}, 6},
    };
    for (const Case& c : cases) {
        TBars bars;
        for (std::size_t i = 0; i < c.volumes.size(); ++i)
            bars.push_back(Bar(kMonday + static_cast<double>(i), 1, 1, 1, 1, c.volumes[i]));
        GetWeeklyData(bars);
        ASSERT_EQ(bars.size(), 1u);
        EXPECT_EQ(bars[0].Volume, c.mean) << ::testing::PrintToString(c.volumes);
    }
}

TEST(GetMonthlyData, CalendarMonthsDatedTheFirst) {
    TBars bars = {
        Bar(EncodeDate(2026, 1, 30), 1, 5, 1, 2, 10),
        Bar(EncodeDate(2026, 2, 2), 3, 4, 0.5, 3.5, 20),
        Bar(EncodeDate(2026, 2, 27), 3.5, 6, 3, 4, 31),
        Bar(EncodeDate(2026, 4, 1), 7, 8, 6, 7.5, 40), // March is missing
    };
    GetMonthlyData(bars);
    ASSERT_EQ(bars.size(), 3u);
    EXPECT_EQ(bars[0].Date, EncodeDate(2026, 1, 1));
    EXPECT_EQ(bars[0].Volume, 10);
    EXPECT_EQ(bars[1].Date, EncodeDate(2026, 2, 1));
    EXPECT_EQ(bars[1].Open, 3);
    EXPECT_EQ(bars[1].High, 6);
    EXPECT_EQ(bars[1].Low, 0.5);
    EXPECT_EQ(bars[1].Close, 4);
    EXPECT_EQ(bars[1].Volume, 26); // 25.5 to even
    EXPECT_EQ(bars[2].Date, EncodeDate(2026, 4, 1));
}

TEST(GetMonthlyData, AggregatingAgainChangesOnlyTheIndicators) {
    TBars bars;
    for (int i = 0; i < 120; ++i)
        bars.push_back(Bar(kMonday + i, 1 + i, 2 + i, 0.5 + i, 1.5 + i, 1000 + 7 * i));
    for (void (*aggregate)(TBars&) : {GetWeeklyData, GetMonthlyData}) {
        TBars once = bars;
        aggregate(once);
        TBars twice = once;
        for (TStockBar& b : twice) b.CCI = 9;
        aggregate(twice);
        ASSERT_EQ(twice.size(), once.size());
        for (std::size_t i = 0; i < once.size(); ++i) {
            EXPECT_EQ(std::memcmp(&once[i], &twice[i], sizeof(TStockBar)), 0) << i;
        }
    }
}

TEST(BarPeriodNames, EveryPeriodReadsBackFromItsName) {
    for (BarPeriod p : {BarPeriod::Daily, BarPeriod::Weekly, BarPeriod::Monthly}) {
        BarPeriod read = p == BarPeriod::Daily ? BarPeriod::Monthly : BarPeriod::Daily;
        ASSERT_TRUE(ParseBarPeriod(BarPeriodName(p), read)) << BarPeriodName(p);
        EXPECT_EQ(read, p);
    }
    EXPECT_EQ(BarPeriodName(BarPeriod::Weekly), "weekly");
}

TEST(BarPeriodNames, OtherTextsAreRefusedAndLeaveTheValue) {
    for (const char* text : {"", "Daily", "WEEKLY", "month", "daily ", "yearly"}) {
        BarPeriod read = BarPeriod::Weekly;
        EXPECT_FALSE(ParseBarPeriod(text, read)) << text;
        EXPECT_EQ(read, BarPeriod::Weekly) << text;
    }
}
