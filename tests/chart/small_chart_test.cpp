// Brevant Dira — the chart drawn small: header texts, axis labels and the
// bands keep apart, a large chart stays as it was, and an indicator panel
// without values says why.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <qcustomplot.h>

#include "chart/compose_chart.h"
#include "chart/render/chart_renderer.h"
#include "chart/render/label_ticker.h"
#include "chart_test_support.h"

namespace brevant {
namespace {

QRectF TextRect(const QCPItemText* item) {
    return QRectF(item->topLeft->pixelPosition(), item->bottomRight->pixelPosition());
}

class SmallChartTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "chart_render_tests";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance()) app_ = new QApplication(argc, argv);
    }

    // Draws `bars` bars in `view` into a picture of `size`, header included.
    void Draw(QSize size, int bars, ChartView view = {}) {
        bars_ = test::WaveBars(bars);
        const StockSelection selection{true, std::string("Acme Anvil Works , ZANV"), std::nullopt};
        model_ = ComposeChart({bars_, view, params_, overlays_, selection, locale_});
        plot_.resize(size);
        renderer_.Render(model_, bars_, true, locale_);
        plot_.replot();
    }

    // The plot's texts that are drawn, by what they start with.
    const QCPItemText* Text(const QString& start) const {
        for (int i = 0; i < plot_.itemCount(); ++i)
            if (auto* t = qobject_cast<QCPItemText*>(plot_.item(i)))
                if (t->visible() && t->text().startsWith(start)) return t;
        return nullptr;
    }

    // The header's value texts: every drawn text but the name, the title
    // and the notice.
    QList<const QCPItemText*> HeaderValueTexts() const {
        QList<const QCPItemText*> texts;
        for (int i = 0; i < plot_.itemCount(); ++i)
            if (auto* t = qobject_cast<QCPItemText*>(plot_.item(i)))
                if (t->visible() && !t->text().isEmpty() &&
                    t->position->type() == QCPItemPosition::ptAbsolute &&
                    !t->text().startsWith("Acme") && !t->text().startsWith("MACD"))
                    texts << t;
        return texts;
    }

    QList<QCPAxis*> LabelledAxes() const {
        return {renderer_.bottomAxis(), renderer_.axis(ChartAxis::Indicator),
                renderer_.axis(ChartAxis::Right), renderer_.axis(ChartAxis::Left)};
    }

    static inline QApplication* app_ = nullptr;
    QCustomPlot plot_;
    ChartRenderer renderer_{(plot_.resize(1600, 900), plot_.show(), plot_), RenderOptions{true}};
    TBars bars_;
    ChartModel model_;
    TIndicatorParams params_;
    OverlaySettings overlays_;
    LocaleSettings locale_ = WithProgramDates(LocaleSettings{});
};

struct SizeCase {
    const char* name;
    int width, height;
    const char* window;
};

class SmallChartSizes : public SmallChartTest, public testing::WithParamInterface<SizeCase> {};

TEST_P(SmallChartSizes, HeaderTextsStayApartAndAboveThePanels) {
    const SizeCase& c = GetParam();
    Draw({c.width, c.height}, 300, test::ViewOf(kMacdFull, 1, c.window, BarPeriod::Daily));
    const QCPItemText* name = Text("Acme");
    ASSERT_TRUE(name);
    const QRectF nameRect = TextRect(name);
    const QRectF picture(0, 0, c.width, c.height);
    const int panelTop = renderer_.indicatorPanel()->rect().top();
    EXPECT_TRUE(picture.contains(nameRect));
    EXPECT_LE(nameRect.bottom(), panelTop);
    // The values, in one row beside the name or flowing onto rows under it.
    QString values;
    for (const QCPItemText* rows : HeaderValueTexts()) {
        const QRectF rect = TextRect(rows);
        EXPECT_FALSE(rect.intersects(nameRect)) << rows->text().toStdString();
        EXPECT_TRUE(picture.contains(rect)) << rows->text().toStdString();
        EXPECT_LE(rect.bottom(), panelTop);
        values += rows->text() + '\n';
    }
    for (const char* piece : {"O: ", "H: ", "L: ", "C: ", "D: ", "Vol: "})
        EXPECT_TRUE(values.contains(piece)) << piece;
}

// Neighbouring labels' ink does not meet: dates side by side, numbers stacked.
TEST_P(SmallChartSizes, AxisLabelsKeepApart) {
    const SizeCase& c = GetParam();
    Draw({c.width, c.height}, 300, test::ViewOf(kRsiView, 1, c.window, BarPeriod::Daily));
    for (QCPAxis* axis : LabelledAxes()) {
        const QFontMetrics metrics(axis->tickLabelFont());
        const QVector<double> ticks = axis->tickVector();
        const QVector<QString> labels = axis->tickVectorLabels();
        ASSERT_EQ(ticks.size(), labels.size());
        const bool side = axis->orientation() == Qt::Horizontal;
        const int ink = metrics.tightBoundingRect("0123456789").height();
        for (int i = 1; i < ticks.size(); ++i) {
            const QString a = labels[i - 1].trimmed(), b = labels[i].trimmed();
            if (a.isEmpty() || b.isEmpty()) continue;
            const double apart =
                std::abs(axis->coordToPixel(ticks[i]) - axis->coordToPixel(ticks[i - 1]));
            const double needed =
                side ? (metrics.horizontalAdvance(a) + metrics.horizontalAdvance(b)) / 2.0 : ink;
            EXPECT_GE(apart, needed) << a.toStdString() << " / " << b.toStdString();
        }
    }
}

TEST_P(SmallChartSizes, VolumeBandStaysInsideThePricePanel) {
    const SizeCase& c = GetParam();
    Draw({c.width, c.height}, 300, test::ViewOf(kMacdFull, 1, c.window, BarPeriod::Daily));
    const QRect price = renderer_.pricePanel()->rect();
    const QRect volume = renderer_.volumeBand()->rect();
    EXPECT_TRUE(price.adjusted(0, 0, 1, 1).contains(volume));
    const QRect indicator = renderer_.indicatorPanel()->rect();
    const double height = indicator.height() + price.height();
    EXPECT_NEAR(indicator.height() / height, 0.20, 0.02);
}

INSTANTIATE_TEST_SUITE_P(Sizes, SmallChartSizes,
                         testing::Values(SizeCase{"Small", 400, 250, "3 Months"},
                                         SizeCase{"SmallAllBars", 400, 250, "View All"},
                                         SizeCase{"Tiny", 300, 200, "3 Months"},
                                         SizeCase{"Narrow", 250, 600, "1 Year"},
                                         SizeCase{"Low", 1000, 160, "1 Month"},
                                         SizeCase{"Large", 1600, 900, "3 Months"}),
                         [](const auto& info) { return std::string(info.param.name); });

// A chart with room keeps the header in one row of the top margin and the
// tickers' own steps, so it looks exactly as it always did.
TEST_F(SmallChartTest, LargeChartIsLaidOutAsBefore) {
    for (QSize size : {QSize(1600, 900), QSize(900, 600)}) {
        Draw(size, 300);
        EXPECT_EQ(renderer_.indicatorPanel()->rect().top(), 25);
        ASSERT_TRUE(Text("Acme"));
        EXPECT_NEAR(TextRect(Text("Acme")).center().y(), 12.5, 1);
        const QList<const QCPItemText*> values = HeaderValueTexts();
        ASSERT_EQ(values.size(), 1);
        EXPECT_TRUE(values[0]->text().startsWith("O: "));
        EXPECT_NEAR(TextRect(values[0]).center().y(), 12.5, 1);
        for (QCPAxis* axis : LabelledAxes())
            EXPECT_EQ(axis->ticker().staticCast<LabelTicker>()->minimumStep(), 0);
    }
}

TEST_F(SmallChartTest, GrowingAgainGivesTheLargeLayoutBack) {
    Draw({400, 250}, 300);
    EXPECT_GT(renderer_.indicatorPanel()->rect().top(), 25);
    Draw({1600, 900}, 300);
    EXPECT_EQ(renderer_.indicatorPanel()->rect().top(), 25);
    for (QCPAxis* axis : LabelledAxes())
        EXPECT_EQ(axis->ticker().staticCast<LabelTicker>()->minimumStep(), 0);
}

TEST_F(SmallChartTest, NameWiderThanThePictureIsCutShort) {
    Draw({150, 200}, 300);
    const QCPItemText* name = Text("Acme");
    ASSERT_TRUE(name);
    EXPECT_TRUE(name->text().endsWith(QChar(0x2026))) << name->text().toStdString();
    EXPECT_LE(TextRect(name).right(), 150);
}

TEST_F(SmallChartTest, EmptyIndicatorPanelSaysWhy) {
    for (QSize size : {QSize(1600, 900), QSize(400, 250), QSize(700, 160)}) {
        Draw(size, 20);
        const QCPItemText* notice = Text("Acme Anvil Works , ZANV has less than");
        ASSERT_TRUE(notice) << size.width() << "x" << size.height();
        const QRectF rect = TextRect(notice);
        const QRect panel = renderer_.indicatorPanel()->rect();
        EXPECT_TRUE(QRectF(panel).contains(rect)) << size.width() << "x" << size.height();
        const QCPItemText* title = Text("MACD Full");
        ASSERT_TRUE(title);
        EXPECT_FALSE(rect.intersects(TextRect(title))) << size.width();
    }
    Draw({1600, 900}, 300);
    EXPECT_EQ(Text("Acme Anvil Works , ZANV has less than"), nullptr);
}

} // namespace
} // namespace brevant
