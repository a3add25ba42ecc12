// Fast and slow stochastics on a small hand-checked series.
#include <gtest/gtest.h>

#include "calc_test_support.h"

using namespace brevant;
using namespace brevant::testing;
using S = TStockBar;

namespace {
// Look-back 3: raw %K is 80 20 30 50 60 80 from bar 2 on (the high of 20 on
// bar 3 widens three windows).
TBars Series() {
    return MakeBars({{10, 0, 5},
                     {10, 0, 2},
                     {10, 0, 8},
                     {20, 0, 4},
                     {10, 0, 6},
                     {10, 0, 10},
                     {10, 5, 6},
                     {10, 6, 8}});
}
} // namespace

TEST(CalStoc, HandCheckedValues) {
    RunCases("CalStoc", {
                            {"look-back 3, %D 2",
                             Series(),
                             {.FSTOC1 = 3, .FSTOC2 = 2},
                             {},
                             {{1, &S::FastK, 0},
                              {2, &S::FastK, 80},
                              {3, &S::FastK, 20},
                              {5, &S::FastK, 50},
                              {7, &S::FastK, 80},
                              {2, &S::FastD, 0},
                              {3, &S::FastD, 50},
                              {4, &S::FastD, 25},
                              // The slow fields are cleared, not left behind.
                              {5, &S::SlowK, 0},
                              {5, &S::SlowD, 0}}},
                            {"flat window reads 0",
                             Flat(8),
                             {.FSTOC1 = 3, .FSTOC2 = 2},
                             {},
                             {{2, &S::FastK, 0}, {7, &S::FastD, 0}}},
                        });
}

TEST(CalSStoc, HandCheckedValues) {
    RunCases("CalSStoc", {
                             {"look-back 3, %D 2",
                              Series(),
                              {.SSTOC1 = 3, .SSTOC2 = 2},
                              {},
                              {{1, &S::FastK, 0},
                               {2, &S::FastK, 80},
                               {3, &S::SlowK, 0},
                               {3, &S::FastD, 0},
                               {4, &S::SlowK, 130.0 / 3}, // (30 + 20 + 80) / 3
                               {4, &S::FastD, 130.0 / 3},
                               {5, &S::SlowK, 100.0 / 3},
                               {4, &S::SlowD, 0},
                               {5, &S::SlowD, 115.0 / 3}}},
                         });
}

TEST(Stochastics, SlowAfterFastReplacesTheFastD) {
    TBars bars = RandomBars(40, 3);
    CalStoc(bars, {});
    CalSStoc(bars, {});
    for (const S& b : bars) EXPECT_EQ(b.FastD, b.SlowK);
    EXPECT_NE(bars[39].FastD, 0);
}

TEST(Stochastics, FastAfterSlowClearsTheSlowFields) {
    TBars bars = RandomBars(40, 4);
    CalSStoc(bars, {});
    CalStoc(bars, {});
    for (const S& b : bars) {
        EXPECT_EQ(b.SlowK, 0);
        EXPECT_EQ(b.SlowD, 0);
    }
}
