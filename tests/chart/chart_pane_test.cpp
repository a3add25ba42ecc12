// Brevant Dira — tests of the chart pane on its own: it draws what it is
// given, reports the bar under the pointer, and reads out what its host
// holds at the tick.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QSignalSpy>
#include <QTimer>
#include <qcustomplot.h>

#include "chart/check_indicator.h"
#include "chart/render/chart_renderer.h"
#include "chart/ui/chart_pane.h"
#include "chart_test_support.h"
#include "ta/split_adjust.h"

namespace brevant {
namespace {

// The window's side: its bars and view as a test sets them.
struct FakeHost : TChartPaneHost {
    bool ReadoutWanted() const override { return wanted; }
    const TBars& CurrentBars() const override { return bars; }
    int CurrentIndicator() const override { return view.indicator; }
    OverlaySettings CurrentOverlays() const override { return overlays; }
    const LocaleSettings& CurrentLocale() const override { return locale; }
    bool WholeHistoryBars(bool adjusted, TBars& out) override {
        out = whole;
        if (adjusted) AdjustForSplits(out, splits);
        return !out.empty();
    }

    bool wanted = true;
    TBars bars = test::WaveBars(80);
    // The stock's every day, of which `bars` are the newest; and its splits.
    TBars whole = bars;
    std::vector<SplitEvent> splits;
    ChartView view;
    TIndicatorParams params;
    OverlaySettings overlays;
    StockSelection selection;
    LocaleSettings locale;
};

class ChartPaneTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "chart_pane_test";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance()) app_ = new QApplication(argc, argv);
    }

    void SetUp() override {
        host_.selection.allStock = "Wave Works , WAV";
        pane_ = std::make_unique<TChartPane>(host_);
        pane_->resize(900, 560);
        pane_->show();
        pane_->Panel3->show();
        Draw();
    }

    void Draw() {
        CheckIndicatorBars(host_.bars, host_.view, host_.params, host_.overlays);
        pane_->PlotData(
            {host_.bars, host_.view, host_.params, host_.overlays, host_.selection, host_.locale});
        pane_->Chart1->replot(QCustomPlot::rpImmediateRefresh);
    }

    // The pixel x of the middle of bar `bar`.
    int PixelOf(double bar) const {
        return qRound(pane_->Renderer1->bottomAxis()->coordToPixel(bar));
    }

    QString Text(int label) const { return pane_->Label(label)->text(); }

    FakeHost host_;
    std::unique_ptr<TChartPane> pane_;
    static inline QApplication* app_ = nullptr;
};

TEST_F(ChartPaneTest, DrawsTheHeaderAndTheTitleAndReportsTheStatus) {
    QSignalSpy status(pane_.get(), &TChartPane::statusChanged);
    host_.view.window = "View All";
    Draw();
    EXPECT_EQ(Text(22), "Wave Works , WAV");
    EXPECT_EQ(Text(35), "MACD Full (12,26,9)");
    ASSERT_EQ(status.count(), 1);
    EXPECT_EQ(status.at(0).at(0).toString(), "");

    host_.view.window = "1 Year"; // 240 bars wanted, 80 held
    Draw();
    ASSERT_EQ(status.count(), 2);
    EXPECT_EQ(status.at(1).at(0).toString(), "Wave Works , WAV has less than 1 Year data");
}

TEST_F(ChartPaneTest, ReportsTheBarUnderThePointerAndReadsItOut) {
    QSignalSpy bars(pane_.get(), &TChartPane::barUnderPointer);
    // Just right of bar 70's position: still bar 70, never 71.
    pane_->Chart1MouseMove(PixelOf(70) + 1);
    EXPECT_TRUE(pane_->Timer1->isActive());
    pane_->Timer1Timer();
    ASSERT_EQ(bars.count(), 1);
    EXPECT_EQ(bars.at(0).at(0).toInt(), 70);
    EXPECT_EQ(pane_->BarAt(PixelOf(70) + 1), 70);
    EXPECT_EQ(Text(19), "MACD Fast :");
    EXPECT_NE(Text(3), "Open");
}

TEST_F(ChartPaneTest, ReadsOutTheViewTheHostHoldsAtTheTick) {
    // A view chosen after the drawing, not drawn: the readout names its values.
    host_.view.indicator = kRsiView;
    pane_->Chart1MouseMove(PixelOf(60));
    pane_->Timer1Timer();
    EXPECT_EQ(Text(19), "RSI  :");
    EXPECT_EQ(Text(20), "None :");
}

TEST_F(ChartPaneTest, StartsNoReadoutWhenNoneIsWanted) {
    struct Case {
        const char* name;
        bool wanted;
        bool panelShown;
    };
    for (const Case c :
         {Case{"empty stock list", false, true}, Case{"panel hidden", true, false}}) {
        SCOPED_TRACE(c.name);
        host_.wanted = c.wanted;
        pane_->Panel3->setVisible(c.panelShown);
        pane_->Chart1MouseMove(PixelOf(50));
        EXPECT_FALSE(pane_->Timer1->isActive());
    }
}

TEST_F(ChartPaneTest, GoesBackToTheDesignedTextsBeforeAnyMouseMovement) {
    pane_->Label(3)->setText("x");
    pane_->Label(19)->setText("x");
    pane_->RefreshReadout();
    EXPECT_EQ(Text(3), "Open");
    EXPECT_EQ(Text(19), "TA Indicator:");
}

TEST_F(ChartPaneTest, LabelsTheAxesThroughItsCallback) {
    const QCPAxis* bottom = pane_->Renderer1->bottomAxis();
    pane_->SetStockSelected(true);
    EXPECT_EQ(pane_->Chart1GetAxisLabel(bottom, "0"), "    02 Jan 25    ");
    EXPECT_EQ(pane_->Chart1GetAxisLabel(bottom, "80"), "");
    pane_->SetStockSelected(false);
    EXPECT_EQ(pane_->Chart1GetAxisLabel(bottom, "0"), "0");
    // An axis without label rules keeps the text.
    EXPECT_EQ(pane_->Chart1GetAxisLabel(pane_->Renderer1->axis(ChartAxis::Right), "12.5"), "12.5");
}

TEST_F(ChartPaneTest, SwitchesTheCrosshair) {
    EXPECT_FALSE(pane_->CrossCursor());
    pane_->SetCrossCursor(true);
    EXPECT_TRUE(pane_->CrossCursor());
    const QCPLayer* layer = pane_->Chart1->layer("crosshair");
    ASSERT_NE(layer, nullptr);
    for (const QCPLayerable* line : layer->children()) EXPECT_TRUE(line->visible());
    pane_->SetCrossCursor(false);
    for (const QCPLayerable* line : layer->children()) EXPECT_FALSE(line->visible());
}

} // namespace
} // namespace brevant
