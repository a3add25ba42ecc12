// Brevant Dira — tests of the indicator panel: which lines each view draws,
// from which bar, its reference lines, pens and title.
#include <gtest/gtest.h>

#include <map>

#include "chart/compose_chart.h"
#include "chart_test_support.h"

namespace brevant {
namespace {

using enum ChartSeries;

constexpr int kBars = 100;

// Every field holds a value on every bar, so the panel's own limits decide
// where the lines start.
TBars FilledBars() {
    TBars bars = test::WaveBars(kBars);
    for (TStockBar& b : bars)
        for (const StockBarField& f : kStockBarFields)
            if (b.*f.member == 0) b.*f.member = 1.5;
    return bars;
}

struct Line {
    ChartSeries series;
    int first;        // first bar with a point
    double level = 0; // reference lines: the constant
    bool reference = false;
};

struct PanelCase {
    int indicator;
    std::vector<Line> lines; // every other series of the panel stays empty
    const char* title;
};

Line Ref(ChartSeries s, double level) {
    return {s, 0, level, true};
}

class IndicatorPanel : public testing::TestWithParam<PanelCase> {};

TEST_P(IndicatorPanel, DrawsItsLinesFromTheirFirstMeaningfulBar) {
    const PanelCase& c = GetParam();
    const TBars bars = FilledBars();
    const ChartView view = test::ViewOf(c.indicator, 1, "View All", BarPeriod::Daily);
    const TIndicatorParams params;
    const OverlaySettings overlays;
    const StockSelection selection{true, std::string("A , A"), std::nullopt};
    const LocaleSettings locale;
    const ChartModel m = ComposeChart({bars, view, params, overlays, selection, locale});
    EXPECT_EQ(m.Label35, c.title);

    std::map<ChartSeries, const Line*> expected;
    for (const Line& l : c.lines) expected[l.series] = &l;
    const bool histogram = c.indicator == kMacdHistogram || c.indicator == kMacdFull;
    for (ChartSeries s : {Series3, Series4, Series5, Series6, Series7, Series12}) {
        SCOPED_TRACE(std::string(m[s].name));
        const auto& points = m[s].points;
        const auto it = expected.find(s);
        if (it == expected.end()) {
            EXPECT_TRUE(points.empty());
            continue;
        }
        const Line& l = *it->second;
        ASSERT_FALSE(points.empty());
        EXPECT_EQ(points.front().x, l.first);
        const bool extended = histogram && (l.reference || s == Series7 || s == Series12);
        EXPECT_EQ(points.back().x, extended ? kBars : kBars - 1);
        if (l.reference) {
            for (const XYPoint& p : points) EXPECT_EQ(p.y, l.level);
        }
        if (s == Series7 || s == Series12) {
            EXPECT_EQ(points.back().y, 0.0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Views, IndicatorPanel,
    testing::Values(
        PanelCase{
            kMacdLine, {{Series3, 26}, {Series4, 47}, Ref(Series5, 0)}, "MACD Line (12,26,9)"},
        PanelCase{kMacdHistogram,
                  {{Series7, 47}, {Series12, 47}, Ref(Series5, 0)},
                  "MACD Histogram (12,26,9)"},
        PanelCase{kMacdFull,
                  {{Series3, 26}, {Series4, 47}, {Series7, 47}, {Series12, 47}, Ref(Series5, 0)},
                  "MACD Full (12,26,9)"},
        PanelCase{kRsiView,
                  {{Series3, 17}, Ref(Series4, 30), Ref(Series5, 70)},
                  "Relative Strength Index (14)"},
        PanelCase{kCciView,
                  {{Series3, 23}, Ref(Series4, 200), Ref(Series5, -200), Ref(Series6, 0)},
                  "Commodity Channel Index (20)"},
        PanelCase{
            kMfiView, {{Series3, 17}, Ref(Series4, 80), Ref(Series5, 20)}, "Money Flow Index (14)"},
        PanelCase{
            kWrView, {{Series3, 17}, Ref(Series4, -20), Ref(Series5, -80)}, "Williams %R (14)"},
        PanelCase{kAdxView, {{Series3, 3}, {Series4, 3}, {Series5, 3}}, "Wilders ADX (14)"},
        PanelCase{kDiView, {{Series4, 3}, {Series5, 3}}, "Wilders +DI/-DI (14)"},
        PanelCase{kFastStochastic,
                  {{Series5, 16}, {Series4, 19}, Ref(Series3, 20), Ref(Series6, 80)},
                  "Fast Stochastic (14,3)"},
        PanelCase{kSlowStochastic,
                  {{Series5, 16}, {Series4, 19}, Ref(Series3, 20), Ref(Series6, 80)},
                  "Slow Stochastic (14,3)"},
        PanelCase{kCmfView, {{Series3, 20}, Ref(Series4, 0)}, "Chaikin Money Flow (20)"},
        PanelCase{kAccumDist, {{Series3, 0}, {Series4, 19}}, "Accumulation Distribution + MA(20)"},
        PanelCase{kRocView, {{Series3, 12}, Ref(Series4, 0)}, "Rate Of Change (12)"},
        PanelCase{kObvView, {{Series3, 0}, {Series4, 19}}, "On Balance Volume + MA(20)"},
        PanelCase{kAtrView, {{Series3, 15}}, "Average True Range (14)"}),
    [](const auto& info) { return "View" + std::to_string(info.param.indicator); });

TEST(IndicatorPanel, TitleCarriesTheCurrentParameters) {
    TIndicatorParams p;
    p.MACD1 = 5;
    p.MACD2 = 35;
    p.MACD3 = 7;
    p.SSTOC1 = 21;
    p.SSTOC2 = 5;
    EXPECT_EQ(IndicatorTitle(kMacdFull, p), "MACD Full (5,35,7)");
    EXPECT_EQ(IndicatorTitle(kSlowStochastic, p), "Slow Stochastic (21,5)");
}

TEST(IndicatorPanel, PenPropertiesAViewDoesNotSetKeepTheirLastValue) {
    const TBars bars = FilledBars();
    ChartView view = test::ViewOf(kSlowStochastic, 1, "View All", BarPeriod::Daily);
    const TIndicatorParams params;
    const OverlaySettings overlays;
    const StockSelection selection;
    const LocaleSettings locale;
    ChartModel m = InitialChartModel();
    ComposeChart(m, {bars, view, params, overlays, selection, locale});
    EXPECT_EQ(m[Series5].pen, (Pen{colours::kBlack, 2, PenStyle::Solid}));
    view.indicator = kRsiView;
    ComposeChart(m, {bars, view, params, overlays, selection, locale});
    // RSI sets the 70 line dotted maroon but not its width.
    EXPECT_EQ(m[Series5].pen, (Pen{colours::kMaroon, 2, PenStyle::Dot}));
    view.indicator = kMacdFull;
    ComposeChart(m, {bars, view, params, overlays, selection, locale});
    EXPECT_EQ(m[Series5].pen, (Pen{colours::kGridGreen, 1, PenStyle::Solid}));
    EXPECT_EQ(m[Series3].pen, (Pen{colours::kBlack, 2, PenStyle::Solid}));
    EXPECT_EQ(m[Series4].pen, (Pen{colours::kBlue, 1, PenStyle::Solid}));
}

TEST(IndicatorPanel, TooShortASeriesForTheCalculationDrawsOnlyTheLevels) {
    // 17 monthly bars: too few for the accumulation line, ADX and MACD.
    const TBars bars = FilledBars();
    const TBars shortBars(bars.begin(), bars.begin() + 17);
    const TIndicatorParams params;
    const OverlaySettings overlays;
    const StockSelection selection;
    const LocaleSettings locale;
    for (int indicator : {kAccumDist, kObvView, kAdxView, kMacdFull, kCmfView}) {
        SCOPED_TRACE(indicator);
        const ChartView view = test::ViewOf(indicator, 1, "View All", BarPeriod::Daily);
        const ChartModel m = ComposeChart({shortBars, view, params, overlays, selection, locale});
        for (ChartSeries s : {Series3, Series4, Series7, Series12}) {
            const bool level = indicator == kCmfView && s == Series4;
            EXPECT_EQ(m[s].points.empty(), !level) << m[s].name;
        }
        EXPECT_EQ(m[Series5].points.empty(), indicator != kMacdFull);
        EXPECT_EQ(m.Label35, IndicatorTitle(indicator, params));
    }
    // Enough bars for ATR (17 with period 14): bars 15 and 16 are drawn.
    const ChartView atr = test::ViewOf(kAtrView, 1, "View All", BarPeriod::Daily);
    EXPECT_EQ(
        ComposeChart({shortBars, atr, params, overlays, selection, locale})[Series3].points.size(),
        2u);
}

TEST(IndicatorPanel, VolumeViewsHideTheirAxisLabels) {
    const TBars bars = FilledBars();
    const TIndicatorParams params;
    const OverlaySettings overlays;
    const StockSelection selection;
    const LocaleSettings locale;
    for (int indicator = 0; indicator < 16; ++indicator) {
        const ChartView view = test::ViewOf(indicator, 1, "View All", BarPeriod::Daily);
        const ChartModel m = ComposeChart({bars, view, params, overlays, selection, locale});
        EXPECT_EQ(m.axis(ChartAxis::Indicator).labelsVisible,
                  indicator != kObvView && indicator != kAccumDist)
            << indicator;
    }
}

} // namespace
} // namespace brevant
