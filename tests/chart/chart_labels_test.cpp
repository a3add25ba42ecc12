// Brevant Dira — the chart's texts reach real labels, and the readout leaves
// the labels it has nothing for alone.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <map>
#include <memory>

#include "chart/compose_chart.h"
#include "chart/render/chart_labels.h"
#include "chart_test_support.h"

namespace brevant {
namespace {

class ChartLabels : public testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "chart_render_tests";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance()) new QApplication(argc, argv);
    }

    QLabel* Label(int number) {
        auto& l = labels_[number];
        if (!l) l = std::make_unique<QLabel>(QStringLiteral("design %1").arg(number));
        return l.get();
    }
    std::string Text(int number) { return Label(number)->text().toStdString(); }
    LabelLookup Lookup() {
        return [this](int n) { return Label(n); };
    }

    std::map<int, std::unique_ptr<QLabel>> labels_;
};

TEST_F(ChartLabels, HeaderAndTitleGoToTheirLabels) {
    const TBars bars = test::WaveBars(40);
    const ChartView view;
    const TIndicatorParams params;
    const OverlaySettings overlays;
    const StockSelection selection{true, std::string("Acme , ACM"), std::nullopt};
    const LocaleSettings locale;
    const ChartModel m = ComposeChart({bars, view, params, overlays, selection, locale});
    ApplyHeaderTexts(m, Lookup());
    EXPECT_EQ(Text(22), "Acme , ACM");
    EXPECT_EQ(Text(32), m.header.Label32);
    EXPECT_EQ(Text(28), m.header.Label28);
    EXPECT_EQ(Text(35), "MACD Full (12,26,9)");
}

TEST_F(ChartLabels, ReadoutOutsideTheBarsKeepsThePriceLabels) {
    const TBars bars = test::WaveBars(30);
    ApplyReadoutTexts(Readout(bars, 40, kAdxView, {}, LocaleSettings{}), Lookup());
    for (int price : {3, 4, 5, 6, 7, 10}) EXPECT_EQ(Text(price), "design " + std::to_string(price));
    EXPECT_EQ(Text(19), "Wilder ADX :");
    EXPECT_EQ(Text(11), "design 11");
    EXPECT_EQ(Text(8), "MA 1");
    EXPECT_EQ(Label(12)->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_EQ(Label(13)->palette().color(QPalette::WindowText), QColor(255, 0, 0));

    ApplyReadoutTexts(Readout(bars, 12, kObvView, {}, LocaleSettings{}), Lookup());
    EXPECT_EQ(Text(6), *Readout(bars, 12, kObvView, {}, {}).Label6);
    for (int slot : {11, 12, 13}) EXPECT_EQ(Text(slot), "0.0000");
    EXPECT_EQ(Label(12)->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

} // namespace
} // namespace brevant
