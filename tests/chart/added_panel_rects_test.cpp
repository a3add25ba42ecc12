// Brevant Dira — the renderer's indicator panels under the price panel on the
// offscreen platform: their rows and heights, the dates under the lowest,
// their values under the crosshair, and a plot that drew panels and then
// none drawing exactly as one that never had any.
#include <gtest/gtest.h>

#include <QApplication>
#include <qcustomplot.h>

#include "chart/check_indicator.h"
#include "chart/compose_chart.h"
#include "chart/number_texts.h"
#include "chart/render/added_panel_rects.h"
#include "chart/render/chart_renderer.h"
#include "chart_test_support.h"

namespace brevant {
namespace {

class AddedPanelRectsTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "chart_render_tests";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance()) new QApplication(argc, argv);
    }

    ChartModel Compose(std::vector<int> added) {
        ChartView view = test::ViewOf(kMacdFull, 1, "View All");
        view.addedPanels = std::move(added);
        bars_ = test::WaveBars(200);
        CheckIndicatorBars(bars_, view, params_, overlays_);
        return ComposeChart({bars_, view, params_, overlays_, selection_, locale_});
    }
    void Draw(QCustomPlot& plot, ChartRenderer& renderer, std::vector<int> added) {
        model_ = Compose(std::move(added));
        renderer.Render(model_, bars_, true, locale_);
        plot.replot();
    }

    TBars bars_;
    ChartModel model_;
    TIndicatorParams params_;
    OverlaySettings overlays_{{5, 10, 20, 20, 2}, true, false, false, true};
    StockSelection selection_{true, std::string("Acme , ACM"), std::nullopt};
    LocaleSettings locale_ = WithProgramDates(LocaleSettings{});
};

QCustomPlot* ShownPlot(QCustomPlot& plot) {
    plot.resize(1200, 800);
    plot.show();
    return &plot;
}

TEST_F(AddedPanelRectsTest, RowsUnderThePricePanelWithTheDatesUnderTheLowest) {
    QCustomPlot plot;
    ChartRenderer renderer(*ShownPlot(plot));
    Draw(plot, renderer, {kRsiView, kCciView});
    AddedPanelRects& added = renderer.addedPanels();
    ASSERT_EQ(added.Count(), 2);
    const QRect first = renderer.indicatorPanel()->rect();
    const QRect price = renderer.pricePanel()->rect();
    const QRect second = added.Rect(0)->rect();
    const QRect third = added.Rect(1)->rect();
    // Top down, edge to edge, in the shares 16, 52, 16, 16.
    EXPECT_EQ(price.top(), first.bottom() + 1);
    EXPECT_EQ(second.top(), price.bottom() + 1);
    EXPECT_EQ(third.top(), second.bottom() + 1);
    const double total = third.bottom() + 1 - first.top();
    EXPECT_NEAR(first.height() / total, 0.16, 0.01);
    EXPECT_NEAR(price.height() / total, 0.52, 0.01);
    EXPECT_NEAR(third.height() / total, 0.16, 0.01);
    // The cursor band covers every panel.
    const QRect band = renderer.fullHeightBand()->rect();
    EXPECT_NEAR(band.top(), first.top(), 1);
    EXPECT_NEAR(band.bottom(), third.bottom(), 1);
    // The dates moved under the lowest panel, which follows the range.
    EXPECT_FALSE(renderer.bottomAxis()->tickLabels());
    EXPECT_EQ(added.DateAxis(), added.Rect(1)->axis(QCPAxis::atBottom));
    EXPECT_TRUE(added.DateAxis()->visible());
    EXPECT_FALSE(added.Rect(0)->axis(QCPAxis::atBottom)->visible());
    EXPECT_EQ(added.DateAxis()->range(), renderer.bottomAxis()->range());
    // Each value axis fits its own panel's values: RSI within 0..100.
    const QCPRange rsi = added.ValueAxis(0)->range();
    EXPECT_GT(rsi.lower, -20);
    EXPECT_LT(rsi.upper, 120);
    // The crosshair reads each panel's own axis.
    const QPoint middle = second.center();
    const double value = added.ValueAxis(0)->pixelToCoord(middle.y());
    EXPECT_EQ(renderer.CrosshairValueText(middle).toStdString(),
              AxisNumberText(value, locale_.DecimalSeparator));
    EXPECT_EQ(added.At(middle), 0);
    EXPECT_EQ(added.At(third.center()), 1);
    EXPECT_EQ(added.At(price.center()), -1);
}

TEST_F(AddedPanelRectsTest, SharesSetByADragMoveTheBorders) {
    QCustomPlot plot;
    ChartRenderer renderer(*ShownPlot(plot));
    Draw(plot, renderer, {kRsiView});
    AddedPanelRects& added = renderer.addedPanels();
    EXPECT_EQ(added.Shares(), AddedPanelRects::DefaultShares(1));
    added.SetShares({18, 46, 36});
    plot.replot();
    const double total =
        added.Rect(0)->rect().bottom() + 1 - renderer.indicatorPanel()->rect().top();
    EXPECT_NEAR(added.Rect(0)->rect().height() / total, 0.36, 0.01);
    // A share list that does not fit the rows is refused.
    added.SetShares({50, 50});
    EXPECT_EQ(added.Shares(), (std::vector<double>{18, 46, 36}));
}

// Panels added and all removed again leave the plot drawing exactly what a
// plot that never had them draws.
TEST_F(AddedPanelRectsTest, NoPanelsLeftDrawsTheOnePanelChart) {
    QCustomPlot fresh;
    ChartRenderer freshRenderer(*ShownPlot(fresh));
    Draw(fresh, freshRenderer, {});
    QCustomPlot used;
    ChartRenderer usedRenderer(*ShownPlot(used));
    Draw(used, usedRenderer, {kRsiView, kObvView});
    Draw(used, usedRenderer, {kAtrView});
    Draw(used, usedRenderer, {});
    EXPECT_EQ(usedRenderer.addedPanels().Count(), 0);
    EXPECT_EQ(used.plotLayout()->rowCount(), 2);
    EXPECT_EQ(used.toPixmap(1200, 800).toImage(), fresh.toPixmap(1200, 800).toImage());
}

} // namespace
} // namespace brevant
