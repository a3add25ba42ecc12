// Moving averages, MACD and Bollinger bands on small hand-checked series.
#include <gtest/gtest.h>

#include <cmath>

#include "calc_test_support.h"

using namespace brevant;
using namespace brevant::testing;
using S = TStockBar;

TEST(Calcma, HandCheckedAverages) {
    RunCases("Calcma", {
                           {"each average needs p + 1 bars",
                            FromCloses({1, 2, 3, 4, 5}),
                            {},
                            {.MA1 = 2, .MA2 = 4, .MA3 = 5},
                            {{0, &S::MA1, 0},
                             {1, &S::MA1, 1.5},
                             {4, &S::MA1, 4.5},
                             {2, &S::MA2, 0},
                             {3, &S::MA2, 2.5},
                             {4, &S::MA2, 3.5},
                             // One window would fit, but p + 1 bars are required.
                             {4, &S::MA3, 0},
                             {0, &S::MA3, 0}}},
                           {"too short for all three still clears them",
                            FromCloses({1, 2, 3}),
                            {},
                            {.MA1 = 3, .MA2 = 3, .MA3 = 3},
                            {{2, &S::MA1, 0}, {2, &S::MA2, 0}, {2, &S::MA3, 0}}},
                           {"period 1 is the close itself",
                            FromCloses({7, 8}),
                            {},
                            {.MA1 = 1, .MA2 = 5, .MA3 = 5},
                            {{0, &S::MA1, 7}, {1, &S::MA1, 8}}},
                       });
}

TEST(Calcma, DefaultPeriodsOnAHundredBars) {
    TBars bars = RandomBars(100, 1);
    Calcma(bars, 20, 50, 200);
    EXPECT_EQ(bars[18].MA1, 0);
    EXPECT_NE(bars[19].MA1, 0);
    EXPECT_EQ(bars[48].MA2, 0);
    EXPECT_NE(bars[49].MA2, 0);
    for (const S& b : bars) EXPECT_EQ(b.MA3, 0);
}

TEST(Calcma, EmptySeriesIsHarmless) {
    TBars bars;
    Calcma(bars, 20, 50, 200);
    EXPECT_TRUE(bars.empty());
}

// Closes 2 4 7 5 8 6 7 9 12 10. Fast 2: seed (2 + 4) / 2 = 3 at bar 1 (not
// stored), bar 2: 3 + (7 - 3) * 2 / 3 = 17/3. Slow 3: seed 13/3 at bar 2, bar
// 3: 13/3 + (5 - 13/3) * 2 / 4 = 14/3. Signal 2: seeded at bar 6 with the mean
// of the four lines of bars 3 .. 6, first value at bar 7.
TEST(CalMACD, HandCheckedValues) {
    const TBars closes = FromCloses({2, 4, 7, 5, 8, 6, 7, 9, 12, 10});
    RunCases("CalMACD", {
                            {"fast 2, slow 3, signal 2",
                             closes,
                             {.MACD1 = 2, .MACD2 = 3, .MACD3 = 2},
                             {},
                             {{1, &S::MacdEma1, 0},
                              {2, &S::MacdEma1, 17.0 / 3},
                              {3, &S::MacdEma1, 47.0 / 9},
                              {2, &S::MacdEma2, 0},
                              {2, &S::MacdLine, 0},
                              {3, &S::MacdEma2, 14.0 / 3},
                              {3, &S::MacdLine, 5.0 / 9},
                              {4, &S::MacdLine, 20.0 / 27},
                              {6, &S::MacdSignal, 0},
                              {6, &S::MacdHist, 0},
                              {7, &S::MacdSignal, 15901.0 / 34992},
                              {7, &S::MacdHist, 557.0 / 34992},
                              {9, &S::MacdSignal, 7759.0 / 17496},
                              {9, &S::MacdHist, -29405.0 / 209952}}},
                            // A fast period longer than the slow one is computed as the
                            // loop has it: the period-2 average is seeded at bar 1 but
                            // waits for the period-3 one, so it skips the close of bar 2
                            // (3 + (5 - 3) * 2 / 3 = 13/3 at bar 3).
                            {"fast period longer than the slow one",
                             closes,
                             {.MACD1 = 3, .MACD2 = 2, .MACD3 = 2},
                             {},
                             {{2, &S::MacdEma1, 0},
                              {2, &S::MacdEma2, 0},
                              {3, &S::MacdEma1, 14.0 / 3},
                              {3, &S::MacdEma2, 13.0 / 3},
                              {3, &S::MacdLine, 1.0 / 3},
                              {6, &S::MacdSignal, 0},
                              {7, &S::MacdSignal, -3935.0 / 11664}}},
                            {"constant close",
                             Flat(10, 4.25),
                             {.MACD1 = 2, .MACD2 = 3, .MACD3 = 2},
                             {},
                             {{2, &S::MacdEma1, 4.25},
                              {3, &S::MacdEma2, 4.25},
                              {3, &S::MacdLine, 0},
                              {7, &S::MacdSignal, 0},
                              {9, &S::MacdHist, 0}}},
                        });
}

TEST(CalMACD, EqualPeriodsGiveAZeroLine) {
    TBars bars = RandomBars(60, 2);
    CalMACD(bars, {.MACD1 = 12, .MACD2 = 12, .MACD3 = 9});
    for (int t = 12; t < 60; ++t) {
        EXPECT_NE(bars[t].MacdEma1, 0);
        EXPECT_EQ(bars[t].MacdEma1, bars[t].MacdEma2);
        EXPECT_EQ(bars[t].MacdLine, 0);
    }
}

// Closes 1 2 3 5. Bar 2: mean 2, variance (1 + 0 + 1) / 3. Bar 3: mean 10/3,
// variance (16 + 1 + 25) / 27 = 14/9.
TEST(CalBB, HandCheckedBands) {
    const TBars closes = FromCloses({1, 2, 3, 5});
    RunCases(
        "CalBB",
        {
            {"period 3, width 2",
             closes,
             {},
             {.BBPeriod = 3, .BBWidth = 2},
             {{1, &S::BBMiddle, 0},
              {1, &S::BBUpper, 0},
              {1, &S::BBLower, 0},
              {2, &S::BBMiddle, 2},
              {2, &S::BBUpper, 2 + 2 * std::sqrt(2.0 / 3)},
              {2, &S::BBLower, 2 - 2 * std::sqrt(2.0 / 3)},
              {3, &S::BBMiddle, 10.0 / 3},
              {3, &S::BBUpper, 10.0 / 3 + 2 * std::sqrt(14.0) / 3},
              {3, &S::BBLower, 10.0 / 3 - 2 * std::sqrt(14.0) / 3}}},
            {"width 0 collapses the bands onto the average",
             closes,
             {},
             {.BBPeriod = 3, .BBWidth = 0},
             {{3, &S::BBUpper, 10.0 / 3}, {3, &S::BBMiddle, 10.0 / 3}, {3, &S::BBLower, 10.0 / 3}}},
            {"constant close",
             Flat(5, 3.5),
             {},
             {.BBPeriod = 3, .BBWidth = 2},
             {{4, &S::BBUpper, 3.5}, {4, &S::BBLower, 3.5}}},
        });
}
