// Directional movement, Chaikin money flow, on-balance volume and average
// true range on small hand-checked series.
#include <gtest/gtest.h>

#include "calc_test_support.h"
#include "ta/calc_kernels.h"

using namespace brevant;
using namespace brevant::testing;
using S = TStockBar;

// Period 3. Bar 1: up 2, true range 3. Bar 2: down 2, +DM 2 * 2/3 = 4/3,
// true range 3 * 2/3 + 4 = 6. Bar 3: up 2 beats down 1; +DM 26/9, -DM 4/3,
// true range 11. Bar 4 moves 2 both ways: the tie goes to -DM.
TEST(CalADX, HandCheckedValues) {
    RunCases("CalADX",
             {
                 {"period 3",
                  MakeBars({{10, 8, 9},
                            {12, 9, 11},
                            {11, 7, 8},
                            {13, 6, 12},
                            {15, 4, 5},
                            {14, 5, 10},
                            {16, 9, 15},
                            {17, 12, 16},
                            {18, 13, 17}}),
                  {.ADX = 3},
                  {},
                  {{0, &S::PlusDM, 0},
                   {0, &S::TrueRange, 0},
                   {1, &S::PlusDM, 2},
                   {1, &S::MinusDM, 0},
                   {1, &S::TrueRange, 3},
                   {1, &S::PlusDI, 0},
                   {2, &S::PlusDM, 4.0 / 3},
                   {2, &S::MinusDM, 2},
                   {2, &S::TrueRange, 6},
                   {2, &S::PlusDI, 200.0 / 9},
                   {2, &S::MinusDI, 100.0 / 3},
                   {2, &S::DX, 0},
                   {2, &S::ADX, 0},
                   {3, &S::PlusDI, 2600.0 / 99},
                   {3, &S::MinusDI, 400.0 / 33},
                   {3, &S::DX, 700.0 / 19},
                   {3, &S::ADX, 700.0 / 57}, // grows from 0: DX / 3
                   {4, &S::PlusDM, 52.0 / 27},
                   {4, &S::MinusDM, 26.0 / 9}}},
                 {"identical bars",
                  Flat(9),
                  {.ADX = 3},
                  {},
                  {{8, &S::TrueRange, 0}, {8, &S::PlusDI, 0}, {8, &S::DX, 0}, {8, &S::ADX, 0}}},
             });
}

// Period 2. Flows: close at the high +300, at the low -200, no range
// (nothing, volume still counts), at the midpoint 0, then (3 - 1) * 100 / 4.
TEST(CalCMF, HandCheckedValues) {
    RunCases("CalCMF",
             {
                 {"period 2",
                  MakeBars({{10, 8, 10, 300},
                            {10, 8, 8, 200},
                            {9, 9, 9, 300},
                            {12, 8, 10, 400},
                            {12, 8, 11, 100}}),
                  {.CMF = 2},
                  {},
                  {{0, &S::CMF, 0},
                   {1, &S::CMF, 0.2},
                   {2, &S::CMF, -0.4},
                   {3, &S::CMF, 0},
                   {4, &S::CMF, 0.1},
                   {0, &S::AccDist, 300},
                   {1, &S::AccDist, 100},
                   {2, &S::AccDist, 100},
                   {4, &S::AccDist, 150},
                   {0, &S::AccDistMA, 0},
                   {1, &S::AccDistMA, 200},
                   {4, &S::AccDistMA, 125}}},
                 {"closes at the highs",
                  MakeBars({{2, 1, 2}, {3, 1, 3}, {4, 2, 4}, {5, 2, 5}, {6, 3, 6}}),
                  {.CMF = 2},
                  {},
                  {{1, &S::CMF, 1}, {4, &S::CMF, 1}}},
                 {"closes at the lows",
                  MakeBars({{2, 1, 1}, {3, 1, 1}, {4, 2, 2}, {5, 2, 2}, {6, 3, 3}}),
                  {.CMF = 2},
                  {},
                  {{1, &S::CMF, -1}, {4, &S::CMF, -1}}},
                 {"no volume",
                  MakeBars({{2, 1, 2, 0}, {3, 1, 3, 0}, {4, 2, 4, 0}, {5, 2, 5, 0}, {6, 3, 6, 0}}),
                  {.CMF = 2},
                  {},
                  {{1, &S::CMF, 0}, {4, &S::CMF, 0}}},
             });
}

namespace {
// 23 closes with volume k + 1 on bar k.
TBars ObvSeries(std::initializer_list<std::pair<int, double>> changes, double start) {
    TBars bars = Flat(23, start);
    double close = start;
    auto next = changes.begin();
    for (int k = 0; k < 23; ++k) {
        if (next != changes.end() && next->first == k) close = (next++)->second;
        bars[k].Close = bars[k].Open = bars[k].High = bars[k].Low = close;
        bars[k].Volume = k + 1;
    }
    return bars;
}
} // namespace

TEST(CalOBV, HandCheckedValues) {
    RunCases("CalOBV", {
                           // OBV 1, 3, 3, -1 (bars 3 .. 19), 20, 20, -3.
                           {"up, unchanged within 0.002, down",
                            ObvSeries({{1, 6}, {2, 6.001}, {3, 5}, {20, 7}, {22, 6}}, 5),
                            {},
                            {},
                            {{0, &S::OBV, 1},
                             {1, &S::OBV, 3},
                             {2, &S::OBV, 3},
                             {3, &S::OBV, -1},
                             {19, &S::OBV, -1},
                             {20, &S::OBV, 20},
                             {22, &S::OBV, -3},
                             {18, &S::ObvMA, kUntouched}, // the average is not cleared
                             {19, &S::ObvMA, -0.5},
                             {20, &S::ObvMA, 0.45},
                             {22, &S::ObvMA, 1}}},
                           // Neither a rise nor a fall: unchanged, not a drop to 0.
                           {"a change of exactly 0.002 either way",
                            ObvSeries({{0, 0}, {1, 0.002}, {2, 0}, {3, 1}}, 0),
                            {},
                            {},
                            {{1, &S::OBV, 1}, {2, &S::OBV, 1}, {3, &S::OBV, 5}, {22, &S::OBV, 5}}},
                       });
}

// Period 3. Seed (2 + 3 + 1) / 3 at bar 2, then true ranges 5, 1, 8.
TEST(CalATR, HandCheckedValues) {
    RunCases(
        "CalATR",
        {
            {"period 3",
             MakeBars(
                 {{10, 8, 9}, {12, 9, 11}, {11, 10, 10}, {15, 12, 14}, {14, 13, 13}, {13, 5, 6}}),
             {.ATR = 3},
             {},
             {{1, &S::ATR, 0},
              {2, &S::ATR, 2},
              {3, &S::ATR, 3},
              {4, &S::ATR, 7.0 / 3},
              {5, &S::ATR, 38.0 / 9}}},
        });
}

TEST(TrueRange, LargestOfTheThreeDistances) {
    struct Case {
        const char* name;
        Bar bar;
        double previousClose, trueRange, absTrueRange;
    } cases[] = {
        {"own range", {12, 9, 10}, 11, 3, 3},
        {"gap up", {15, 12, 14}, 10, 5, 5},
        {"gap down", {8, 6, 7}, 11, 5, 5},
        // A bar whose High is below its Low: only the directional system
        // takes the range's absolute value.
        {"inverted bar", {8, 10, 9}, 9, 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TStockBar bar = MakeBars({c.bar})[0];
        EXPECT_EQ(calc::TrueRange(bar, c.previousClose), c.trueRange);
        EXPECT_EQ(calc::AbsTrueRange(bar, c.previousClose), c.absTrueRange);
    }
}
