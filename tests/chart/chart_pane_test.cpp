// Brevant Dira — tests of the chart pane on its own: it draws what it is
// given, reports the bar under the pointer, and reads out what its host
// holds at the tick.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QSignalSpy>
#include <QTimer>
#include <QWheelEvent>
#include <qcustomplot.h>

#include "chart/check_indicator.h"
#include "chart/number_texts.h"
#include "chart/render/chart_renderer.h"
#include "chart/time_windows.h"
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

// The pane over a stock of 600 days whose newest 350 the host holds, as the
// loader gives them: the wheel, a drag and the keys move the part in view
// over the whole history.
class ChartNavigationTest : public ChartPaneTest {
protected:
    void SetUp() override {
        host_.whole = test::WaveBars(600);
        host_.bars.assign(host_.whole.end() - 350, host_.whole.end());
        host_.view.window = "3 Months";
        ChartPaneTest::SetUp();
    }

    void Send(QEvent::Type type, int x, Qt::MouseButton button, Qt::MouseButtons buttons) {
        const QPointF at(x, pane_->Chart1->height() / 2);
        QMouseEvent event(type, at, pane_->Chart1->mapToGlobal(at), button, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(pane_->Chart1, &event);
    }
    void Wheel(int x, int notches, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QPointF at(x, pane_->Chart1->height() / 2);
        QWheelEvent event(at, pane_->Chart1->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(pane_->Chart1, &event);
    }
    void Key(int key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(pane_->Chart1, &event);
    }
    // The date of the newest day held and of the oldest one stored.
    double Newest() const { return host_.whole.back().Date; }
    double Oldest() const { return host_.whole.front().Date; }
};

TEST_F(ChartNavigationTest, StartsAsTheSpecifiedWindowOverTheHostsBars) {
    Key(Qt::Key_End); // moves nothing: the specified chart stays

    const VisibleRange v = pane_->Visible();
    EXPECT_FALSE(v.wholeHistory);
    EXPECT_EQ(v.last, 349);
    EXPECT_EQ(v.last - v.first + 1, WindowBars("3 Months", 350) - 1); // the first past the axis
    EXPECT_EQ(v.lastDate, Newest());
    EXPECT_FALSE(pane_->Navigated());
}

TEST_F(ChartNavigationTest, WheelZoomsAroundThePointer) {
    const VisibleRange before = pane_->Visible();
    const int x = PixelOf(before.first + 20);
    Wheel(x, 2); // forward: closer
    const VisibleRange in = pane_->Visible();
    EXPECT_TRUE(pane_->Navigated());
    EXPECT_TRUE(in.wholeHistory);
    EXPECT_LT(in.last - in.first, before.last - before.first);
    // The day under the pointer stays under it, within a bar.
    const double dayUnder = host_.whole[pane_->BarAt(x)].Date;
    EXPECT_NEAR(dayUnder, before.firstDate + 20, 1);
    Wheel(x, -6); // back: farther than before
    EXPECT_GT(pane_->Visible().last - pane_->Visible().first, before.last - before.first);
}

TEST_F(ChartNavigationTest, ShiftWheelAndDragScrollIntoTheOlderHistory) {
    const VisibleRange before = pane_->Visible();
    Wheel(PixelOf(before.first + 10), 3, Qt::ShiftModifier);
    const VisibleRange wheeled = pane_->Visible();
    EXPECT_LT(wheeled.lastDate, before.lastDate);
    EXPECT_EQ(wheeled.axisMax - wheeled.axisMin, before.axisMax - before.axisMin);

    // Dragged right by 30 bars: 30 bars earlier.
    const int from = PixelOf(wheeled.first + 10), to = PixelOf(wheeled.first + 40);
    Send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    Send(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
    Send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(pane_->Visible().lastDate, wheeled.lastDate - 30);
    // A drag over the chart's start loads nothing more than it has: the
    // oldest stored day is reachable, older than the host's 350.
    Key(Qt::Key_Home);
    EXPECT_EQ(pane_->Visible().firstDate, Oldest());
    EXPECT_LT(pane_->Visible().firstDate, host_.bars.front().Date);
}

TEST_F(ChartNavigationTest, KeysScrollAndZoom) {
    struct Case {
        const char* name;
        int key;
        int axisMove;    // positions the axis moves by (a scroll)
        int widthChange; // sign of the change of its width (a zoom)
    };
    // The first step carries the view over to the whole history, whose
    // positions count from its oldest bar: back and forth first.
    Key(Qt::Key_Left);
    Key(Qt::Key_Right);
    ASSERT_TRUE(pane_->Visible().wholeHistory);
    ASSERT_EQ(pane_->Visible().lastDate, Newest());
    // A page is the positions across less one, so a bar stays in view.
    const VisibleRange start = pane_->Visible();
    const int page = int(start.axisMax - start.axisMin) - 1;
    for (const Case c :
         {Case{"Left", Qt::Key_Left, -1, 0}, Case{"Right", Qt::Key_Right, 1, 0},
          Case{"Right at the newest", Qt::Key_Right, 0, 0},
          Case{"PageUp", Qt::Key_PageUp, -page, 0}, Case{"PageDown", Qt::Key_PageDown, page, 0},
          Case{"Plus", Qt::Key_Plus, 0, -1}, Case{"Minus", Qt::Key_Minus, 0, 1}}) {
        SCOPED_TRACE(c.name);
        const VisibleRange before = pane_->Visible();
        Key(c.key);
        const VisibleRange after = pane_->Visible();
        const double width = (after.axisMax - after.axisMin) - (before.axisMax - before.axisMin);
        EXPECT_EQ((width > 0) - (width < 0), c.widthChange);
        if (c.widthChange == 0)
            EXPECT_EQ(after.axisMin - before.axisMin, c.axisMove);
        else // a zoom by key keeps the newest bar in view
            EXPECT_EQ(after.lastDate, Newest());
    }
    Key(Qt::Key_Home);
    EXPECT_EQ(pane_->Visible().firstDate, Oldest());
    Key(Qt::Key_End);
    EXPECT_EQ(pane_->Visible().lastDate, Newest());
}

TEST_F(ChartNavigationTest, DoubleClickReturnsToTheChosenWindow) {
    const VisibleRange start = pane_->Visible();
    Key(Qt::Key_PageUp);
    ASSERT_NE(pane_->Visible().lastDate, start.lastDate);
    Send(QEvent::MouseButtonDblClick, PixelOf(start.first + 5), Qt::LeftButton, Qt::LeftButton);
    const VisibleRange back = pane_->Visible();
    EXPECT_FALSE(pane_->Navigated());
    EXPECT_EQ(back.firstDate, start.firstDate);
    EXPECT_EQ(back.lastDate, start.lastDate);
}

TEST_F(ChartNavigationTest, ReadoutAndHeaderFollowTheBarsInView) {
    QSignalSpy bars(pane_.get(), &TChartPane::barUnderPointer);
    const VisibleRange start = pane_->Visible();
    pane_->Chart1MouseMove(PixelOf(start.first + 30));
    Key(Qt::Key_PageUp); // the view moves under the resting pointer
    pane_->Timer1Timer();
    ASSERT_GE(bars.count(), 1);
    const VisibleRange v = pane_->Visible();
    const int bar = bars.last().at(0).toInt();
    EXPECT_GE(bar, v.first);
    EXPECT_LE(bar, v.last);
    EXPECT_NE(Text(3), "Open");
    // The header shows the last bar in view, not the newest held.
    const TStockBar& last = host_.whole[v.last];
    EXPECT_EQ(Text(32).toStdString(), Rounded2Text(last.Close, host_.locale.DecimalSeparator));
}

} // namespace
} // namespace brevant
