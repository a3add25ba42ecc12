// Brevant Dira — tests of the indicator panels added under the price panel:
// each view draws there what it draws as the first panel, the rest of the
// chart stays as it was, and the calculations they need are run.
#include <gtest/gtest.h>

#include "chart/added_panels.h"
#include "chart/check_indicator.h"
#include "chart/compose_chart.h"
#include "chart/indicator_views.h"
#include "chart_test_support.h"

namespace brevant {
namespace {

const StockSelection kSelection{true, std::string("A , A"), std::nullopt};

struct Composer {
    TIndicatorParams params;
    OverlaySettings overlays{{5, 10, 20, 20, 2}, true, true, true, true};
    LocaleSettings locale;
    ChartModel Compose(const TBars& raw, const ChartView& view) {
        bars = raw;
        CheckIndicatorBars(bars, view, params, overlays);
        return ComposeChart({bars, view, params, overlays, kSelection, locale});
    }
    TBars bars;
};

ChartView WithPanels(int first, std::vector<int> added) {
    ChartView view = test::ViewOf(first, 1, "View All");
    view.addedPanels = std::move(added);
    return view;
}

class AddedPanelView : public testing::TestWithParam<int> {};

// A view under the price panel (below MACD Full) against the same view as
// the first panel, on a series long enough for it and on one too short.
TEST_P(AddedPanelView, DrawsWhatTheFirstPanelDraws) {
    const int view = GetParam();
    for (const int count : {200, 12}) {
        SCOPED_TRACE(count);
        const TBars raw = test::WaveBars(count);
        Composer c;
        const ChartModel alone = c.Compose(raw, WithPanels(view, {}));
        const ChartModel below = c.Compose(raw, WithPanels(kMacdFull, {kRsiView, view}));
        ASSERT_EQ(below.addedPanels.size(), 2u);
        const AddedPanelModel& panel = below.addedPanels[1];
        EXPECT_EQ(panel.indicator, view);
        EXPECT_EQ(panel.title, alone.Label35);
        EXPECT_EQ(panel.notice, alone.panelNotice);
        EXPECT_EQ(panel.axis.labelsVisible, alone.axis(ChartAxis::Indicator).labelsVisible);
        EXPECT_TRUE(panel.axis.dataRange.has_value());
        if (alone.axis(ChartAxis::Indicator).dataRange) {
            EXPECT_EQ(*panel.axis.dataRange, *alone.axis(ChartAxis::Indicator).dataRange);
        }
        for (std::size_t k = 0; k < kPanelSeries.size(); ++k) {
            const SeriesModel& want = alone[kPanelSeries[k]];
            SCOPED_TRACE(std::string(want.name));
            EXPECT_EQ(panel.series[k].name, want.name);
            EXPECT_EQ(panel.series[k].visible, want.visible);
            EXPECT_EQ(panel.series[k].points, want.points);
            EXPECT_EQ(panel.series[k].pen, want.pen);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryView, AddedPanelView, testing::Range(0, kIndicatorViewCount));

TEST(AddedPanels, LeaveTheRestOfTheChartAsItWas) {
    const TBars raw = test::WaveBars(150);
    Composer c;
    ChartModel one = c.Compose(raw, WithPanels(kCciView, {}));
    ChartModel three = c.Compose(raw, WithPanels(kCciView, {kAdxView, kObvView}));
    EXPECT_TRUE(one.addedPanels.empty());
    EXPECT_EQ(three.addedPanels.size(), 2u);
    three.addedPanels.clear();
    for (int k = 0; k < kChartSeriesCount; ++k) {
        EXPECT_EQ(three.series[k].points, one.series[k].points) << one.series[k].name;
        EXPECT_EQ(three.series[k].ohlc, one.series[k].ohlc) << one.series[k].name;
    }
    EXPECT_EQ(three.axes[0].dataRange, one.axes[0].dataRange);
    EXPECT_EQ(three.axes[1].dataRange, one.axes[1].dataRange);
    EXPECT_EQ(three.header, one.header);
    EXPECT_EQ(three.Label35, one.Label35);
}

// The added panels' calculations run with the first panel's: each field as
// a chart of that view alone computes it.
TEST(AddedPanels, TheirCalculationsAreRun) {
    const TBars raw = test::WaveBars(120);
    TIndicatorParams params;
    const OverlaySettings overlays;
    TBars together = raw;
    CheckIndicatorBars(together, WithPanels(kMacdLine, {kRsiView, kSlowStochastic}), params,
                       overlays);
    for (const auto& [view, field] :
         {std::pair{kRsiView, &TStockBar::RSI}, std::pair{kSlowStochastic, &TStockBar::SlowK},
          std::pair{kMacdLine, &TStockBar::MacdLine}}) {
        TBars alone = raw;
        CheckIndicatorBars(alone, WithPanels(view, {}), params, overlays);
        for (std::size_t i = 0; i < raw.size(); ++i)
            ASSERT_EQ(together[i].*field, alone[i].*field) << view << " bar " << i;
    }
}

TEST(AddedPanels, AChartWithoutBarsKeepsThemEmpty) {
    Composer c;
    const ChartModel m = c.Compose({}, WithPanels(kMacdFull, {kRsiView}));
    ASSERT_EQ(m.addedPanels.size(), 1u);
    EXPECT_EQ(m.addedPanels[0].axis.dataRange, (AxisRange{0, 0}));
    for (const SeriesModel& s : m.addedPanels[0].series) EXPECT_TRUE(s.points.empty());
}

} // namespace
} // namespace brevant
