// Brevant Dira — tests of the view's period conversion and calculations.
#include <gtest/gtest.h>

#include "chart/check_indicator.h"
#include "chart_test_support.h"
#include "ta/calculations.h"
#include "ta/period_bars.h"

namespace brevant {
namespace {

bool SameBars(const TBars& a, const TBars& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        for (const StockBarField& f : kStockBarFields)
            if (a[i].*f.member != b[i].*f.member) return false;
    return true;
}

TEST(CheckIndicatorBars, ConvertsToMonthlyBarsBeforeTheIndicatorRuns) {
    TBars bars = test::WaveBars(350);
    TBars expected = bars;
    GetMonthlyData(expected);
    const TIndicatorParams params;
    CalMFI(expected, params);
    CheckIndicatorBars(bars, test::ViewOf(kMfiView, 1, "3 Months", BarPeriod::Monthly), params, {});
    EXPECT_TRUE(SameBars(bars, expected));
}

TEST(CheckIndicatorBars, RunsOnlyTheSelectedIndicator) {
    TBars bars = test::WaveBars(120);
    const TIndicatorParams params;
    for (int indicator = 0; indicator < 16; ++indicator) {
        SCOPED_TRACE(indicator);
        TBars mine = bars, expected = bars;
        CheckIndicatorBars(mine, test::ViewOf(indicator, 1, "3 Months", BarPeriod::Daily), params,
                           {});
        RunIndicatorCalculation(expected, indicator, params);
        EXPECT_TRUE(SameBars(mine, expected));
        EXPECT_FALSE(SameBars(mine, bars)); // something was computed
    }
}

TEST(CheckIndicatorBars, BollingerAloneLeavesTheAveragesAlone) {
    TBars bars = test::WaveBars(120);
    for (TStockBar& b : bars) b.MA1 = 3;
    OverlaySettings o;
    o.PlotBB = true;
    o.params.BBPeriod = 10;
    o.params.BBWidth = 0;
    CheckIndicatorBars(bars, test::ViewOf(kRsiView, 1, "3 Months", BarPeriod::Daily), {}, o);
    EXPECT_EQ(bars[50].MA1, 3);
    // Width 0: the bands meet at the average.
    EXPECT_DOUBLE_EQ(bars[50].BBUpper, bars[50].BBMiddle);
    EXPECT_DOUBLE_EQ(bars[50].BBLower, bars[50].BBMiddle);
    EXPECT_NE(bars[50].BBMiddle, 0);
}

TEST(CheckIndicatorBars, AnyTickedAverageComputesAllThree) {
    TBars bars = test::WaveBars(120);
    OverlaySettings o;
    o.PlotMA2 = true;
    o.params = {5, 10, 15, 20, 2};
    CheckIndicatorBars(bars, test::ViewOf(kRsiView, 1, "3 Months", BarPeriod::Daily), {}, o);
    EXPECT_NE(bars[20].MA1, 0);
    EXPECT_NE(bars[20].MA2, 0);
    EXPECT_NE(bars[20].MA3, 0);
}

} // namespace
} // namespace brevant
