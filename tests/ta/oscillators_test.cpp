// RSI, CCI, MFI, Williams %R and rate of change on small hand-checked series.
#include <gtest/gtest.h>

#include "calc_test_support.h"
#include "ta/calc_kernels.h"

using namespace brevant;
using namespace brevant::testing;
using S = TStockBar;

// Closes 10 12 11 13 12 15, period 2. Seed: gains 2, losses 1 -> averages 1
// and 0.5 at bar 2. Bar 3 (+2): 1.5 and 0.25, RS 6. Bar 4 (-1): 0.75 and
// 0.625, RS 1.2. Bar 5 (+3): 1.875 and 0.3125, RS 6.
TEST(CalRSI, HandCheckedValues) {
    RunCases("CalRSI", {
                           {"period 2",
                            FromCloses({10, 12, 11, 13, 12, 15}),
                            {.RSI = 2},
                            {},
                            {{2, &S::RsiAvgGain, 1},
                             {2, &S::RsiAvgLoss, 0.5},
                             {2, &S::RSI, 0},
                             {3, &S::RsiAvgGain, 1.5},
                             {3, &S::RsiAvgLoss, 0.25},
                             {3, &S::RSI, 100 - 100.0 / 7},
                             {4, &S::RSI, 100 - 100 / 2.2},
                             {5, &S::RSI, 100 - 100.0 / 7},
                             // The working averages are not cleared before bar n.
                             {1, &S::RsiAvgGain, kUntouched},
                             {0, &S::RsiAvgLoss, kUntouched}}},
                           {"only rising closes pin it at 100",
                            FromCloses({1, 2, 3, 4, 5, 6}),
                            {.RSI = 2},
                            {},
                            {{2, &S::RSI, 0}, {3, &S::RSI, 100}, {5, &S::RSI, 100}}},
                       });
}

TEST(CalRSI, ThresholdsOfTheIndex) {
    struct Case {
        const char* name;
        double gain, loss, rsi;
    } cases[] = {
        {"loss below the floor, small ratio", 0.0001, 0.0009, 100},
        {"loss at the floor", 5, 0.001, 100},
        {"loss just above the floor", 0.0011, 0.0011, 50},
        {"ratio exactly 1000", 500, 0.5, 100 - 100.0 / 1001},
        {"ratio above 1000", 500.25, 0.5, 100},
        {"no gain", 0, 2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(calc::RsiFromAverages(c.gain, c.loss), c.rsi);
    }
}

// Typical prices 3 1 2 6 4 7, period 3 (High = Close + 1, Low = Close - 1,
// except the last bar, whose typical price 7 differs from its close 6).
TEST(CalCCI, HandCheckedValues) {
    RunCases("CalCCI",
             {
                 {"period 3",
                  MakeBars({{4, 2, 3}, {2, 0, 1}, {3, 1, 2}, {7, 5, 6}, {5, 3, 4}, {10, 5, 6}}),
                  {.CCI = 3},
                  {},
                  {{1, &S::CCI, 0},
                   {2, &S::CCI, 0},    // the newest price sits on the average
                   {3, &S::CCI, 100},  // (6 - 3) / (0.015 * 2)
                   {5, &S::CCI, 80}}}, // (7 - 17/3) / (0.015 * 10/9)
             });
}

// One jump of the newest bar in a window of 20: (19/20 J) / (0.015 * 2 * 19/400 J).
TEST(CalCCI, SingleJumpInAWindowOfTwenty) {
    TBars bars = Flat(23, 10);
    bars[22].Close = bars[22].High = bars[22].Low = 11;
    CalCCI(bars, {});
    EXPECT_NEAR(bars[22].CCI, 2000.0 / 3, 1e-9);
    EXPECT_EQ(bars[21].CCI, 0);
}

// Typical prices 10 11 10 10 12 with volumes 1 .. 5, period 2.
TEST(CalMFI, HandCheckedValues) {
    RunCases("CalMFI", {
                           {"period 2",
                            MakeBars({{10, 10, 10, 1},
                                      {11, 11, 11, 2},
                                      {10, 10, 10, 3},
                                      {10, 10, 10, 4},
                                      {12, 12, 12, 5}}),
                            {.MFI = 2},
                            {},
                            {{1, &S::MFI, 0},
                             {2, &S::MFI, 100 - 100 / (1 + 22.0 / 30)},
                             // An unchanged typical price adds its flow to both sums.
                             {3, &S::MFI, 100 - 100 / (1 + 40.0 / 70)},
                             {4, &S::MFI, 100 - 100 / (1 + 100.0 / 40)}}},
                           {"only rising typical prices",
                            FromCloses({1, 2, 3, 4, 5}),
                            {.MFI = 2},
                            {},
                            {{2, &S::MFI, 100}, {4, &S::MFI, 100}}},
                           {"unchanged typical prices balance at 50",
                            Flat(5),
                            {.MFI = 2},
                            {},
                            {{2, &S::MFI, 50}, {4, &S::MFI, 50}}},
                       });
}

TEST(CalWR, HandCheckedValues) {
    RunCases("CalWR",
             {
                 {"period 3",
                  MakeBars({{10, 5, 7}, {12, 6, 8}, {11, 4, 6}, {9, 7, 9}, {8, 7, 7.5}, {9, 8, 9}}),
                  {.WR = 3},
                  {},
                  {{1, &S::WR, 0},
                   {2, &S::WR, -75},   // (12 - 6) / (12 - 4)
                   {3, &S::WR, -37.5}, // (12 - 9) / (12 - 4)
                   {4, &S::WR, -50},   // (11 - 7.5) / (11 - 4)
                   {5, &S::WR, 0}}},   // close at the window's high
                 {"flat window", Flat(6), {.WR = 3}, {}, {{2, &S::WR, -100}, {5, &S::WR, -100}}},
             });
}

TEST(CalROC, HandCheckedValues) {
    RunCases("CalROC", {
                           {"period 3 compares with two bars back",
                            FromCloses({10, 20, 5, 15, 0, 5}),
                            {.ROC = 3},
                            {},
                            {{1, &S::ROC, 0},
                             {2, &S::ROC, -50},
                             {3, &S::ROC, -25},
                             {4, &S::ROC, -100},
                             {5, &S::ROC, -200.0 / 3}}},
                           {"zero reference gives the change times 100",
                            FromCloses({0, 1, 5, 7, 9}),
                            {.ROC = 3},
                            {},
                            {{2, &S::ROC, 500}, {3, &S::ROC, 600}}},
                       });
}
