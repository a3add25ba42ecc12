// Brevant Dira — tests of the windows over a stock's whole history, the part
// of it in view, and the round prices of a logarithmic axis.
#include <gtest/gtest.h>

#include <cmath>

#include "chart/chart_viewport.h"
#include "chart/history_windows.h"
#include "chart/price_scale.h"
#include "ta/day_date.h"

namespace brevant {
namespace {

// One bar a calendar day from `first` for `days` days.
TBars DailyBars(double first, int days) {
    TBars bars(days);
    for (int i = 0; i < days; ++i) bars[i].Date = first + i;
    return bars;
}

struct SpanCase {
    const char* name;
    int days;             // a bar every calendar day from 1 January 2020
    HistoryChoice choice; // dates as offsets from 1 January 2020 for a range
    int first, last;      // the bars shown; last < first: none
    bool shortOf;
};

class HistorySpans : public testing::TestWithParam<SpanCase> {};

TEST_P(HistorySpans, ShowTheBarsTheChoiceNames) {
    const SpanCase& c = GetParam();
    const double start = EncodeDate(2020, 1, 1);
    const TBars bars = DailyBars(start, c.days);
    HistoryChoice choice = c.choice;
    if (choice.range) {
        choice.from += start;
        choice.to += start;
    }
    const HistorySpan span = SpanOfHistory(bars, choice, BarPeriod::Daily);
    if (c.last < c.first) {
        EXPECT_TRUE(span.empty());
    } else {
        EXPECT_EQ(span.first, c.first);
        EXPECT_EQ(span.last, c.last);
    }
    EXPECT_EQ(span.shortOf, c.shortOf);
}

// 2020 is a leap year: 1 January 2021 is day 366, 1 January 2022 day 731.
INSTANTIATE_TEST_SUITE_P(
    Table, HistorySpans,
    testing::Values(
        // Years back from the newest bar, the day a year back left out.
        SpanCase{"one year of three", 1096, {.window = kHistoryOneYear}, 731, 1095, false},
        SpanCase{"two years of three", 1096, {.window = kHistoryTwoYears}, 366, 1095, false},
        SpanCase{"five years of three: short", 1096, {.window = kHistoryFiveYears}, 0, 1095, true},
        SpanCase{"all history", 1096, {.window = kAllHistory}, 0, 1095, false},
        SpanCase{"fewer days than a year", 40, {.window = kHistoryOneYear}, 0, 39, true},
        SpanCase{"a range inside", 400, {.range = true, .from = 10, .to = 19}, 10, 19, false},
        SpanCase{
            "a range before the first day", 400, {.range = true, .from = -30, .to = 5}, 0, 5, true},
        SpanCase{"a range wholly before", 400, {.range = true, .from = -30, .to = -1}, 0, -1, true},
        SpanCase{"a range after the last day",
                 400,
                 {.range = true, .from = 500, .to = 600},
                 0,
                 -1,
                 false},
        SpanCase{"a range past the last day",
                 400,
                 {.range = true, .from = 390, .to = 600},
                 390,
                 399,
                 false}),
    [](const testing::TestParamInfo<SpanCase>& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name;
    });

TEST(HistorySpans, AWeeklyRangeShowsTheWeekHoldingItsFirstDay) {
    // Bars dated the Mondays, as weekly bars are.
    const double monday = EncodeDate(2024, 1, 1);
    TBars weeks(10);
    for (int i = 0; i < 10; ++i) weeks[i].Date = monday + 7 * i;
    // From Wednesday of the third week to the Sunday ending the fifth.
    const HistoryChoice range{.range = true, .from = monday + 16, .to = monday + 34};
    const HistorySpan span = SpanOfHistory(weeks, range, BarPeriod::Weekly);
    EXPECT_EQ(span.first, 2);
    EXPECT_EQ(span.last, 4);
}

TEST(HistoryWindows, AreFoundByNameInAnyCase) {
    EXPECT_EQ(HistoryWindowByName("All History"), kAllHistory);
    EXPECT_EQ(HistoryWindowByName("2 years"), kHistoryTwoYears);
    EXPECT_EQ(HistoryWindowByName("3 Years"), -1);
    EXPECT_EQ(HistoryWindowByName("1"), -1);
    // 29 February back to a year without it.
    EXPECT_EQ(YearsBefore(EncodeDate(2024, 2, 29), 1), EncodeDate(2023, 2, 28));
}

TEST(ChartViewport, SpecifiedWindowMatchesTheComposedAxis) {
    // "3 Months" (61 bars) over 350: bars 290..349, axis 290..352.
    const ChartViewport v = ChartViewport::ForWindow(350, 61);
    EXPECT_EQ(v.FirstBar(), 290);
    EXPECT_EQ(v.LastBar(), 349);
    EXPECT_EQ(v.Hi(), 352);
    EXPECT_TRUE(v.AtNewest());
}

TEST(ChartViewport, StaysWithinTheSeriesAndItsNarrowestWidth) {
    ChartViewport v = ChartViewport::ForWindow(100, 61);
    EXPECT_FALSE(v.ScrollBy(5)); // already at the newest bar
    EXPECT_TRUE(v.ToOldest());
    EXPECT_EQ(v.Lo(), 0);
    EXPECT_FALSE(v.ScrollBy(-1));
    for (int i = 0; i < 50; ++i) v.ZoomBy(0.5, 10);
    EXPECT_EQ(v.Positions(), ChartViewport::kFewestPositions);
    for (int i = 0; i < 50; ++i) v.ZoomBy(2, 10);
    EXPECT_EQ(v.FirstBar(), 0);
    EXPECT_EQ(v.LastBar(), 99);
}

struct TickCase {
    double low, high;
    int maxTicks;
    std::vector<double> ticks;
};

class LogTicks : public testing::TestWithParam<TickCase> {};

TEST_P(LogTicks, AreRoundPricesInsideTheRange) {
    const TickCase& c = GetParam();
    EXPECT_EQ(LogScaleTicks(c.low, c.high, c.maxTicks), c.ticks);
}

INSTANTIATE_TEST_SUITE_P(Table, LogTicks,
                         testing::Values(TickCase{0.5, 2000, 5, {1, 10, 100, 1000}},
                                         TickCase{3, 90, 8, {3, 5, 10, 20, 30, 50}},
                                         TickCase{0, 10, 5, {}}, TickCase{-5, 10, 5, {}}));

TEST(PriceScale, LogarithmicScaleGivesEqualRatiosEqualHeights) {
    const PriceScale scale(10, 1000, true);
    EXPECT_DOUBLE_EQ(scale.Fraction(100), 0.5);
    EXPECT_NEAR(scale.PriceAt(0.25), std::sqrt(10.0) * 10, 1e-9);
    EXPECT_TRUE(std::isnan(scale.Fraction(0)));
    const PriceScale linear(10, 1000, false);
    EXPECT_NEAR(linear.Fraction(505), 0.5, 1e-12);
}

} // namespace
} // namespace brevant
