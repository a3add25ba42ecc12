// Brevant Dira — split adjustment against rows worked out by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "ta/day_date.h"
#include "ta/split_adjust.h"

using namespace brevant;

namespace {

struct Row {
    int day; // of March 2026
    double open, high, low, close, volume;
};

TBars Bars(const std::vector<Row>& rows) {
    TBars bars;
    for (const Row& r : rows) {
        TStockBar b;
        b.Date = EncodeDate(2026, 3, r.day);
        b.Open = r.open;
        b.High = r.high;
        b.Low = r.low;
        b.Close = r.close;
        b.Volume = r.volume;
        b.RSI = 44; // an indicator value, left alone
        bars.push_back(b);
    }
    return bars;
}

void ExpectRows(const TBars& bars, const std::vector<Row>& rows) {
    ASSERT_EQ(bars.size(), rows.size());
    std::size_t i = 0;
    for (const Row& r : rows) {
        SCOPED_TRACE("bar " + std::to_string(i));
        const TStockBar& b = bars[i++];
        EXPECT_EQ(b.Date, EncodeDate(2026, 3, r.day));
        EXPECT_DOUBLE_EQ(b.Open, r.open);
        EXPECT_DOUBLE_EQ(b.High, r.high);
        EXPECT_DOUBLE_EQ(b.Low, r.low);
        EXPECT_DOUBLE_EQ(b.Close, r.close);
        EXPECT_DOUBLE_EQ(b.Volume, r.volume);
        EXPECT_EQ(b.RSI, 44);
    }
}

SplitEvent Split(int day, double ratio) {
    return {double(EncodeDate(2026, 3, day)), ratio};
}

} // namespace

// A 2:1 split on the 4th and a 3:2 split on the 9th: bars before the 4th are
// divided by 3 (2 × 1.5), bars from the 4th to the 6th by 1.5, the rest stay.
TEST(AdjustForSplits, TwoToOneThenThreeToTwo) {
    TBars bars = Bars({{2, 60, 66, 57, 63, 1000},
                       {3, 63, 69, 60, 66, 1100},
                       {4, 33, 36, 31.5, 34.5, 2400},
                       {6, 34.5, 37.5, 33, 36, 2000},
                       {9, 24, 25.5, 22.5, 24.75, 3300},
                       {10, 24.75, 27, 24, 26.25, 3000}});
    const SplitEvent splits[] = {Split(9, 1.5), Split(4, 2)}; // in any order
    AdjustForSplits(bars, splits);
    ExpectRows(bars, {{2, 20, 22, 19, 21, 3000},
                      {3, 21, 23, 20, 22, 3300},
                      {4, 22, 24, 21, 23, 3600},
                      {6, 23, 25, 22, 24, 3000},
                      {9, 24, 25.5, 22.5, 24.75, 3300},
                      {10, 24.75, 27, 24, 26.25, 3000}});
}

TEST(AdjustForSplits, AdjustsOnlyTheBarsBeforeTheExDate) {
    const std::vector<Row> rows = {{2, 10, 11, 9, 10.5, 100}, {3, 10.5, 12, 10, 11, 200}};
    const std::vector<Row> halved = {{2, 5, 5.5, 4.5, 5.25, 200}, {3, 5.25, 6, 5, 5.5, 400}};
    struct Case {
        const char* name;
        std::vector<SplitEvent> splits;
        std::vector<Row> expected;
    };
    const Case cases[] = {
        {"no splits", {}, rows},
        {"ex date on the first day", {Split(2, 2)}, rows},
        {"ex date before the first day", {Split(1, 2)}, rows},
        {"ex date after the last day", {Split(20, 2)}, halved},
        {"no usable ratio", {Split(3, 0), Split(3, -2), Split(3, std::nan(""))}, rows},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TBars bars = Bars(rows);
        AdjustForSplits(bars, c.splits);
        ExpectRows(bars, c.expected);
    }
}

TEST(AdjustForSplits, AReverseSplitRaisesEarlierPrices) {
    TBars bars = Bars({{2, 1, 1.2, 0.8, 1.1, 5000}, {5, 5.5, 6, 5, 5.5, 1000}});
    const SplitEvent oneForFive[] = {Split(5, 0.2)};
    AdjustForSplits(bars, oneForFive);
    ExpectRows(bars, {{2, 5, 6, 4, 5.5, 1000}, {5, 5.5, 6, 5, 5.5, 1000}});
}

TEST(SplitRatioFromItem, ReadsTheStoredNumberAsTheListShowsIt) {
    struct Case {
        float item;
        double ratio;
    };
    const Case cases[] = {
        {2.1f, 2},          {3.2f, 1.5},
        {5.4f, 1.25},       {1.5f, 0.2},
        {10.1f, 10},        {3.0f, 0},
        {0.5f, 0},          {-2.1f, 0},
        {-99999999.0f, 0},  {std::numeric_limits<float>::infinity(), 0},
        {std::nanf(""), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        EXPECT_DOUBLE_EQ(SplitRatioFromItem(c.item), c.ratio);
    }
}
