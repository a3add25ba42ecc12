// Brevant Dira — the renderer on the offscreen platform: the panels, ranges
// and shown series the model asks for.
#include <gtest/gtest.h>

#include <QApplication>
#include <qcustomplot.h>

#include "chart/compose_chart.h"
#include "chart/render/chart_crosshair.h"
#include "chart/render/chart_page.h"
#include "chart/render/chart_renderer.h"
#include "chart_test_support.h"

namespace brevant {
namespace {

using enum ChartSeries;

class ChartRendererTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "chart_render_tests";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance()) app_ = new QApplication(argc, argv);
    }

    void Draw(int bars, ChartView view, bool selected = true) {
        bars_ = test::WaveBars(bars);
        for (TStockBar& b : bars_) b.OBV = b.Volume;
        const StockSelection selection =
            selected ? StockSelection{true, std::string("Acme , ACM"), std::nullopt}
                     : StockSelection{};
        model_ = ComposeChart({bars_, view, params_, overlays_, selection, locale_});
        renderer_.Render(model_, bars_, selection.Any(), locale_);
        plot_.replot();
    }

    static inline QApplication* app_ = nullptr;
    QCustomPlot plot_;
    // Shown, so that the plot takes its size at once.
    ChartRenderer renderer_{(plot_.resize(1600, 900), plot_.show(), plot_)};
    TBars bars_;
    ChartModel model_;
    TIndicatorParams params_;
    OverlaySettings overlays_;
    LocaleSettings locale_ = WithProgramDates(LocaleSettings{});
};

TEST_F(ChartRendererTest, PanelsTakeTheirShareOfThePlotHeight) {
    Draw(350, {});
    const QRect indicator = renderer_.indicatorPanel()->rect();
    const QRect price = renderer_.pricePanel()->rect();
    const QRect volume = renderer_.volumeBand()->rect();
    const QRect full = renderer_.fullHeightBand()->rect();
    const double height = full.height();
    // The bands are placed by fractions of the price panel: a pixel of rounding.
    EXPECT_NEAR(full.top(), indicator.top(), 1);
    EXPECT_NEAR(full.bottom(), price.bottom(), 1);
    EXPECT_GT(height, 800);
    EXPECT_NEAR(indicator.height() / height, 0.20, 0.01);
    EXPECT_NEAR((volume.top() - full.top()) / height, 0.65, 0.01);
    EXPECT_NEAR(volume.bottom(), price.bottom(), 1);
    EXPECT_EQ(indicator.left(), price.left());
    EXPECT_EQ(indicator.right(), price.right());
}

TEST_F(ChartRendererTest, AxesFollowTheModel) {
    Draw(350, {});
    EXPECT_EQ(renderer_.bottomAxis()->range(), QCPRange(291, 352));
    EXPECT_EQ(renderer_.axis(ChartAxis::Hidden)->range(), QCPRange(0, 100));
    EXPECT_FALSE(renderer_.axis(ChartAxis::Hidden)->visible());
    // The lowest price sits 55 pixels above the panel's bottom, the highest
    // 5 below its top.
    QCPAxis* price = renderer_.axis(ChartAxis::Right);
    const AxisRange data = *model_.axis(ChartAxis::Right).dataRange;
    const QRect panel = renderer_.pricePanel()->rect();
    EXPECT_NEAR(price->coordToPixel(data.min), panel.bottom() - 55, 1.5);
    EXPECT_NEAR(price->coordToPixel(data.max), panel.top() + 5, 1.5);
    // The volume band starts at zero and reaches its top with the largest volume.
    QCPAxis* volume = renderer_.axis(ChartAxis::Left);
    EXPECT_EQ(volume->range().lower, 0);
    EXPECT_EQ(volume->range().upper, model_.axis(ChartAxis::Left).dataRange->max);
}

TEST_F(ChartRendererTest, ShownSeriesMatchTheLayout) {
    Draw(350, test::ViewOf(kMacdFull, 1, "View All", BarPeriod::Daily));
    EXPECT_TRUE(renderer_.plottable(Series2)->visible());
    EXPECT_FALSE(renderer_.plottable(Series11)->visible());
    EXPECT_TRUE(renderer_.plottable(Series7)->visible());
    EXPECT_FALSE(renderer_.plottable(Series12)->visible());
    auto* price = static_cast<QCPFinancial*>(renderer_.plottable(Series1));
    EXPECT_EQ(price->widthType(), QCPFinancial::wtAbsolute);
    EXPECT_EQ(price->width(), 4);

    Draw(350, test::ViewOf(kMacdFull, 2, "3 Months", BarPeriod::Daily));
    EXPECT_FALSE(renderer_.plottable(Series2)->visible());
    EXPECT_TRUE(renderer_.plottable(Series11)->visible());
    EXPECT_FALSE(renderer_.plottable(Series1)->visible());
    EXPECT_TRUE(renderer_.plottable(Series17)->visible());
    // Candles as wide as the volume bars.
    auto* volume = static_cast<QCPBars*>(renderer_.plottable(Series11));
    EXPECT_EQ(price->widthType(), QCPFinancial::wtPlotCoords);
    EXPECT_EQ(price->width(), volume->width());
    EXPECT_EQ(static_cast<QCPGraph*>(renderer_.plottable(Series17))->data()->size(), 59);
}

TEST_F(ChartRendererTest, BottomLabelsAreDatesWhenAStockIsSelected) {
    Draw(100, test::ViewOf(kMacdFull, 1, "View All", BarPeriod::Daily));
    const QVector<QString> labels = renderer_.bottomAxis()->tickVectorLabels();
    ASSERT_FALSE(labels.isEmpty());
    const QVector<double> ticks = renderer_.bottomAxis()->tickVector();
    for (int i = 0; i < ticks.size(); ++i) {
        if (ticks[i] < 0 || ticks[i] >= 100) continue;
        EXPECT_TRUE(labels[i].startsWith(QStringLiteral("    "))) << labels[i].toStdString();
        EXPECT_EQ(labels[i].size(), 17) << labels[i].toStdString();
    }
    Draw(100, test::ViewOf(kMacdFull, 1, "View All", BarPeriod::Daily), false);
    EXPECT_FALSE(renderer_.bottomAxis()->tickVectorLabels().first().startsWith(' '));
}

TEST_F(ChartRendererTest, VolumeViewsPaintTheirIndicatorLabelsWhite) {
    Draw(100, test::ViewOf(kObvView, 1, "View All", BarPeriod::Daily));
    QCPAxis* axis = renderer_.axis(ChartAxis::Indicator);
    EXPECT_EQ(axis->tickLabelColor(), QColor(Qt::white));
    for (const QString& label : axis->tickVectorLabels()) EXPECT_EQ(label, QStringLiteral("None"));
    Draw(100, test::ViewOf(kRsiView, 1, "View All", BarPeriod::Daily));
    EXPECT_EQ(axis->tickLabelColor(), QColor(Qt::black));
}

TEST_F(ChartRendererTest, EmptyChartStillDraws) {
    bars_.clear();
    const StockSelection none;
    model_ = ComposeChart({bars_, ChartView{}, params_, overlays_, none, locale_});
    renderer_.Render(model_, bars_, false, locale_);
    plot_.replot();
    EXPECT_TRUE(renderer_.bottomAxis()->range().contains(0));
    EXPECT_FALSE(plot_.toPixmap(400, 300).isNull());
}

TEST_F(ChartRendererTest, ReadoutPositionMapsBackToTheBar) {
    Draw(350, {});
    QCPAxis* bottom = renderer_.bottomAxis();
    const int x = int(bottom->coordToPixel(300.4));
    EXPECT_EQ(int(renderer_.BottomAxisValueAt(x)), 300);
}

TEST_F(ChartRendererTest, CrosshairStartsOffAndFollowsTheMouse) {
    Draw(350, {});
    ChartCrosshair crosshair(renderer_);
    EXPECT_FALSE(crosshair.isEnabled());
    crosshair.setEnabled(true);
    crosshair.moveTo(QPoint(400, 300));
    EXPECT_TRUE(crosshair.isEnabled());
    crosshair.setEnabled(false);
    EXPECT_FALSE(crosshair.isEnabled());
}

TEST_F(ChartRendererTest, PrintedPageKeepsItsMarginsBlank) {
    Draw(350, {});
    QImage page(1000, 800, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        PaintChartOnPage(plot_, painter, page.rect());
    }
    auto inked = [&](QRect area) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (page.pixel(x, y) != qRgb(255, 255, 255)) return true;
        return false;
    };
    // 15 % at the sides, 16 % at the top and bottom.
    EXPECT_FALSE(inked(QRect(0, 0, 149, 800)));
    EXPECT_FALSE(inked(QRect(851, 0, 149, 800)));
    EXPECT_FALSE(inked(QRect(0, 0, 1000, 127)));
    EXPECT_FALSE(inked(QRect(0, 673, 1000, 127)));
    EXPECT_TRUE(inked(QRect(150, 128, 700, 544)));
}

} // namespace
} // namespace brevant
