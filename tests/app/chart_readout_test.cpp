// Brevant Dira — the crosshair and its readout in the main window: the toggle
// and Escape, the cursor following the mouse, the 50 ms readout into the
// detail panel, its margins, the bar under the mouse and the hidden panel.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QScopeGuard>
#include <QToolButton>
#include <qcustomplot.h>

#include "app/stock_list_box.h"
#include "app_fixture.h"
#include "chart/indicator_views.h"
#include "chart/number_texts.h"
#include "chart/render/chart_renderer.h"
#include "chart/ui/overlay_window.h"
#include "ta/text_format.h"

using brevant::TForm1;
using brevant::testing::AppRun;

namespace {

// Every label the readout may write.
const int kReadoutLabels[] = {10, 3,  4,  5,  6,  7,  8,  38, 9,  37, 41,
                              36, 43, 40, 42, 39, 19, 20, 21, 11, 12, 13};

} // namespace

class ChartReadoutTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void ReadoutAtMargins_data();
    void ReadoutAtMargins();
    void BarUnderTheMouseIsTruncated();
    void RightOfTheLastBar();
    void LatestPositionWithinOneTick();
    void HiddenDetailPanelStartsNoTimer();
    void CrosshairToggleFollowsTheMouse();
    void IndicatorKeyRefillsTheReadoutAtOnce();
    void PeriodChangeReadsTheNewBarUnderTheMouse();
    void WithoutAMousePositionTheReadoutShowsItsCaptions();
    void EscapeOnlyTurnsTheCrosshairOff_data();
    void EscapeOnlyTurnsTheCrosshairOff();

private:
    TForm1& Main() { return run_->Main(); }
    // Moves the mouse to `x` (and `y`) over the chart, as the chart reports it.
    void MoveMouse(int x, int y = 200);
    void ReadAt(int x);
    int PixelOf(double barPosition);
    QString Text(int label) { return Main().ChartPane->Label(label)->text(); }
    std::unique_ptr<AppRun> run_;
};

void ChartReadoutTest::initTestCase() {
    run_ = std::make_unique<AppRun>();
    run_->Prefill({SAMPLE_QUOTES});
    run_->Start();
    Main().resize(1000, 700);
}

// The first stock, every bar in view (bar i at position i), moving average 1
// ticked, and every readout label marked.
void ChartReadoutTest::init() {
    Main().Lists.ListBox1->setCurrentRow(0);
    Main().Graph.ComboBox1->setCurrentIndex(2);
    run_->w().Form13->CheckBox1->setChecked(true);
    Main().Graph.ViewAllDataClick();
    QCOMPARE(Main().Bars.size(), std::size_t(260));
    Main().ChartPane->Chart1->replot();
    for (int n : kReadoutLabels) Main().ChartPane->Label(n)->setText("x");
}

void ChartReadoutTest::cleanup() {
    run_->w().Form13->CheckBox1->setChecked(false);
    if (Main().ChartPane->CrossCursor()) Main().SpeedButton5Click();
}

void ChartReadoutTest::MoveMouse(int x, int y) {
    const QPoint at(x, y);
    QMouseEvent move(QEvent::MouseMove, at, Main().ChartPane->Chart1->mapToGlobal(at), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(Main().ChartPane->Chart1, &move);
}

void ChartReadoutTest::ReadAt(int x) {
    MoveMouse(x);
    QVERIFY(Main().ChartPane->Timer1->isActive());
    QTRY_VERIFY(!Main().ChartPane->Timer1->isActive());
}

int ChartReadoutTest::PixelOf(double barPosition) {
    return qRound(Main().ChartPane->Renderer1->bottomAxis()->coordToPixel(barPosition));
}

void ChartReadoutTest::ReadoutAtMargins_data() {
    QTest::addColumn<int>("fromLeft");  // x counted from the left edge, or
    QTest::addColumn<int>("fromRight"); // from the right edge when fromLeft < 0
    QTest::addColumn<bool>("read");
    QTest::newRow("x = 33") << 33 << 0 << false;
    QTest::newRow("x = 34") << 34 << 0 << true;
    QTest::newRow("x = width - 33") << -1 << 33 << false;
    QTest::newRow("x = width - 34") << -1 << 34 << true;
}

void ChartReadoutTest::ReadoutAtMargins() {
    QFETCH(int, fromLeft);
    QFETCH(int, fromRight);
    QFETCH(bool, read);
    ReadAt(fromLeft >= 0 ? fromLeft : Main().ChartPane->Chart1->width() - fromRight);
    QCOMPARE(Text(19) != "x", read);
    QCOMPARE(Text(38) != "x", read);
}

void ChartReadoutTest::BarUnderTheMouseIsTruncated() {
    // The left half of bar 10's candle still reads bar 9.
    ReadAt(PixelOf(9.8));
    const QStringList bar9 = {" 15 Jan 25", " 42.07", " 42.44", " 41.6", " 41.88", " 1,216,433"};
    QCOMPARE(QStringList({Text(10), Text(3), Text(4), Text(5), Text(6), Text(7)}), bar9);
    QCOMPARE(Text(38), QString("MA 1  (20)"));
    QCOMPARE(Text(8), QString("0")); // the 20-bar average starts at bar 19
    QCOMPARE(QStringList({Text(19), Text(20), Text(21)}),
             QStringList({"MACD Fast :", "MACD Slow :", "MACD Hist :"}));
    ReadAt(PixelOf(10.2));
    QCOMPARE(Text(10), QString(" 16 Jan 25"));
    QCOMPARE(Text(6), QString(" 42.41"));
}

void ChartReadoutTest::RightOfTheLastBar() {
    Main().Graph.ViewRSIClick();
    ReadAt(PixelOf(259.5));
    const QString lastClose = Text(6);
    QCOMPARE(lastClose, QString(" 31.57"));
    for (int n : kReadoutLabels) Main().ChartPane->Label(n)->setText("x");

    ReadAt(PixelOf(261.5));
    for (int n : {10, 3, 4, 5, 6, 7, 11}) QCOMPARE(Text(n), QString("x"));
    QCOMPARE(QStringList({Text(8), Text(38), Text(43), Text(40)}),
             QStringList({"MA 1", "MA 1", "BB Upp", "BB Upp"}));
    QCOMPARE(QStringList({Text(19), Text(20), Text(21)}),
             QStringList({"RSI  :", "None :", "None :"}));
    QCOMPARE(QStringList({Text(12), Text(13)}), QStringList({"0.0000", "0.0000"}));
}

void ChartReadoutTest::LatestPositionWithinOneTick() {
    MoveMouse(PixelOf(9.5));
    MoveMouse(PixelOf(10.5));
    QTRY_VERIFY(!Main().ChartPane->Timer1->isActive());
    QCOMPARE(Text(10), QString(" 16 Jan 25"));
}

void ChartReadoutTest::HiddenDetailPanelStartsNoTimer() {
    Main().Menu.ViewDetailData1Click();
    QVERIFY(!Main().ChartPane->Panel3->isVisible());
    MoveMouse(PixelOf(9.5));
    QVERIFY(!Main().ChartPane->Timer1->isActive());
    Main().Menu.ViewDetailData1Click();
    QVERIFY(Main().ChartPane->Panel3->isVisible());
    for (int n : kReadoutLabels) QCOMPARE(Text(n), QString("x"));
}

void ChartReadoutTest::CrosshairToggleFollowsTheMouse() {
    QCPLayer* layer = Main().ChartPane->Chart1->layer("crosshair");
    QVERIFY(layer);
    auto lines = [&] {
        QList<QCPItemLine*> found;
        for (QCPLayerable* child : layer->children())
            if (auto* line = qobject_cast<QCPItemLine*>(child)) found << line;
        return found;
    };
    QCOMPARE(lines().size(), 2);
    for (QCPItemLine* line : lines()) QVERIFY(!line->visible());

    Main().Tools.SpeedButton5->click();
    QVERIFY(Main().ChartPane->CrossCursor());
    QVERIFY(Main().Tools.SpeedButton5->isChecked());
    MoveMouse(400, 300);
    for (QCPItemLine* line : lines()) QVERIFY(line->visible());
    QList<QPointF> ends;
    for (QCPItemLine* line : lines()) ends << line->start->coords() << line->end->coords();
    // One horizontal line at the mouse's height, one vertical line at its x.
    QCOMPARE(ends[0].y(), 300.0);
    QCOMPARE(ends[1].y(), 300.0);
    QCOMPARE(ends[2].x(), 400.0);
    QCOMPARE(ends[3].x(), 400.0);

    Main().Tools.SpeedButton5->click();
    QVERIFY(!Main().ChartPane->CrossCursor());
    QVERIFY(!Main().Tools.SpeedButton5->isChecked());
    for (QCPItemLine* line : lines()) QVERIFY(!line->visible());
}

// A view command fills the readout again for where the mouse last was,
// without waiting for the mouse to move: no MACD rows under RSI.
void ChartReadoutTest::IndicatorKeyRefillsTheReadoutAtOnce() {
    ReadAt(PixelOf(9.8));
    QCOMPARE(QStringList({Text(19), Text(20), Text(21)}),
             QStringList({"MACD Fast :", "MACD Slow :", "MACD Hist :"}));
    QTest::keyClick(&Main(), Qt::Key_F6);
    QCOMPARE(Main().Graph.ComboBox1->currentIndex(), int(brevant::kRsiView));
    QVERIFY(!Main().ChartPane->Timer1->isActive());
    QCOMPARE(QStringList({Text(19), Text(20), Text(21)}),
             QStringList({"RSI  :", "None :", "None :"}));
    QCOMPARE(Text(11), QString::fromStdString(brevant::Rounded4Text(Main().Bars[9].RSI, '.')));
    QCOMPARE(QStringList({Text(12), Text(13)}), QStringList({"0.0000", "0.0000"}));
    QCOMPARE(Text(10), QString(" 15 Jan 25"));
}

// After switching to monthly bars the date and prices are those of the
// month under the mouse, not of the day read before.
void ChartReadoutTest::PeriodChangeReadsTheNewBarUnderTheMouse() {
    auto choosePeriod = [&](QAction* item) {
        Main().Menu.SpeedButton6Click();
        QMenu* popup = Main().Menu.PopupMenu1;
        QTRY_VERIFY(popup->isVisible());
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(item).center());
        QTRY_VERIFY(!popup->isVisible());
    };
    const auto daily = qScopeGuard([&] { Main().Menu.DailyData1Click(); });
    choosePeriod(Main().Menu.MonthlyData1);
    Main().ChartPane->Chart1->replot();
    const int x = PixelOf(2.5); // the third month
    choosePeriod(Main().Menu.DailyData1);
    Main().ChartPane->Chart1->replot();
    ReadAt(x);
    const QString day = Text(10);

    choosePeriod(Main().Menu.MonthlyData1);
    QVERIFY(Main().Bars.size() > 3 && Main().Bars.size() < 20);
    const brevant::TStockBar& month = Main().Bars[2];
    const brevant::LocaleSettings& locale = Main().ProgramLocale();
    const QString date =
        " " + QString::fromStdString(brevant::FormatDateTime("dd mmm yy", month.Date, locale));
    QVERIFY(date != day);
    QCOMPARE(Text(10), date);
    QCOMPARE(Text(6), " " + QString::fromStdString(brevant::Rounded2Text(month.Close, '.')));
}

// A readout with no position to read shows the panel as designed.
void ChartReadoutTest::WithoutAMousePositionTheReadoutShowsItsCaptions() {
    AppRun fresh;
    fresh.Prefill({SAMPLE_QUOTES});
    fresh.Start();
    TForm1& main = fresh.Main();
    for (int n : kReadoutLabels) main.ChartPane->Label(n)->setText("x");
    main.Graph.ViewRSIClick();
    const std::pair<int, const char*> designed[] = {
        {10, "Date"},   {3, "Open"},    {6, "Close"},          {7, "Volume"},
        {8, "MA 1"},    {38, "MA 1:"},  {43, "BB Upp"},        {40, "BB Upp:"},
        {11, "Tech 1"}, {13, "Tech 3"}, {19, "TA Indicator:"}, {21, "TA Indicator:"}};
    for (const auto& [number, text] : designed)
        QCOMPARE(main.ChartPane->Label(number)->text(), text);
}

void ChartReadoutTest::EscapeOnlyTurnsTheCrosshairOff_data() {
    QTest::addColumn<bool>("on");
    QTest::addColumn<bool>("selection");
    QTest::addColumn<bool>("pressed"); // a real key press in the main window
    QTest::newRow("on, with a selection") << true << true << false;
    QTest::newRow("on, nothing selected") << true << false << false;
    QTest::newRow("off stays off") << false << true << false;
    QTest::newRow("pressed in the main window") << true << true << true;
}

void ChartReadoutTest::EscapeOnlyTurnsTheCrosshairOff() {
    QFETCH(bool, on);
    QFETCH(bool, selection);
    QFETCH(bool, pressed);
    if (on) Main().SpeedButton5Click();
    if (!selection) Main().Lists.ListBox1->clearSelection();
    const int indicator = Main().Graph.ComboBox1->currentIndex();
    if (pressed) {
        Main().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Main()));
        QVERIFY(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    } else {
        Main().ApplicationEvents1ShortCut(Qt::Key_Escape);
    }
    QVERIFY(!Main().ChartPane->CrossCursor());
    QVERIFY(!Main().Tools.SpeedButton5->isChecked());
    QCOMPARE(Main().Graph.ComboBox1->currentIndex(), indicator);
}

BREVANT_QTEST_MAIN(ChartReadoutTest)
#include "chart_readout_test.moc"
