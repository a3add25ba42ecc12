// Brevant Dira — the overlay and indicator setting dialogs with the main
// window: "OK" redraws, "Close" only closes, the periods are read from the
// controls at every use, and the indicator settings show the stored periods.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <numeric>
#include <qcustomplot.h>

#include "app/stock_list_box.h"
#include "app_fixture.h"
#include "chart/render/chart_renderer.h"
#include "chart/ui/indicator_setting_window.h"
#include "chart/ui/overlay_window.h"
#include "screen/ui/filter_window.h"
#include "ui/clamping_spin_edit.h"

using brevant::TForm1;
using brevant::TForm12;
using brevant::TForm13;
using brevant::testing::AppRun;

class ChartDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void OverlayStartsUntickedWithDesignPeriods();
    void OkRedrawsWithTheTickedOverlays();
    void OkHidesAnAverageLongerThanTheHistory();
    void OkRewritesTheFilterCaptionsCloseDoesNot();
    void CloseKeepsTheChartUntilTheNextCommand();
    void SpinEditsCropWhenLeft_data();
    void SpinEditsCropWhenLeft();
    void IndicatorSettingShowsStoredPeriods();

private:
    TForm1& Main() { return run_->Main(); }
    TForm13& Overlay() { return *run_->w().Form13; }
    QCPAbstractPlottable* Series(const QString& name);
    // The mean of the `period` closes up to the last bar.
    double LastAverage(int period) const;
    std::unique_ptr<AppRun> run_;
};

void ChartDialogsTest::initTestCase() {
    run_ = std::make_unique<AppRun>();
    run_->Prefill({SAMPLE_QUOTES});
    run_->Start();
    QVERIFY(!Overlay().isVisible());
}

void ChartDialogsTest::init() {
    for (QCheckBox* box :
         {Overlay().CheckBox1, Overlay().CheckBox2, Overlay().CheckBox3, Overlay().CheckBox4})
        box->setChecked(false);
    Overlay().JvSpinEdit1->setValue(20);
    Overlay().JvSpinEdit2->setValue(50);
    Main().Lists.ListBox1->setCurrentRow(0);
    Main().Lists.ListBox1DblClick();
    QCOMPARE(Main().Bars.size(), std::size_t(260));
}

QCPAbstractPlottable* ChartDialogsTest::Series(const QString& name) {
    for (int i = 0; i < Main().ChartPane->Chart1->plottableCount(); ++i)
        if (Main().ChartPane->Chart1->plottable(i)->name() == name)
            return Main().ChartPane->Chart1->plottable(i);
    return nullptr;
}

double ChartDialogsTest::LastAverage(int period) const {
    const brevant::TBars& bars = run_->Main().Bars;
    double sum = 0;
    for (std::size_t i = bars.size() - std::size_t(period); i < bars.size(); ++i)
        sum += bars[i].Close;
    return sum / period;
}

void ChartDialogsTest::OverlayStartsUntickedWithDesignPeriods() {
    AppRun fresh;
    fresh.Start();
    const TForm13& o = *fresh.w().Form13;
    QCOMPARE(o.windowTitle(), QString("Overlay Indicator"));
    for (const QCheckBox* box : {o.CheckBox1, o.CheckBox2, o.CheckBox3, o.CheckBox4})
        QVERIFY(!box->isChecked());
    const brevant::OverlaySettings s = o.Settings();
    QCOMPARE(
        QList<int>({s.params.MA1, s.params.MA2, s.params.MA3, s.params.BBPeriod, s.params.BBWidth}),
        QList<int>({20, 50, 200, 20, 2}));
    QCOMPARE(QList<bool>({s.PlotMA1, s.PlotMA2, s.PlotMA3, s.PlotBB}),
             QList<bool>({false, false, false, false}));
}

void ChartDialogsTest::OkRedrawsWithTheTickedOverlays() {
    Overlay().show();
    Overlay().CheckBox1->setChecked(true);
    Overlay().CheckBox4->setChecked(true);
    QCOMPARE(Series("Series8")->interface1D()->dataCount(), 0);

    Overlay().Button1->click();

    QVERIFY(!Overlay().isVisible());
    QVERIFY(Series("Series8")->visible());
    QVERIFY(Series("Series8")->interface1D()->dataCount() > 0);
    QCOMPARE(Series("Series9")->interface1D()->dataCount(), 0);
    for (const char* band : {"Series14", "Series15", "Series16"})
        QVERIFY(Series(band)->interface1D()->dataCount() > 0);
    QCOMPARE(Main().Bars.back().MA1, LastAverage(20));
}

void ChartDialogsTest::OkHidesAnAverageLongerThanTheHistory() {
    Main().Bars.resize(40);
    Overlay().CheckBox2->setChecked(true);
    Overlay().Button1Click();
    QVERIFY(!Series("Series9")->visible());
    Overlay().JvSpinEdit2->setValue(40);
    Overlay().Button1Click();
    QVERIFY(Series("Series9")->visible());
}

void ChartDialogsTest::OkRewritesTheFilterCaptionsCloseDoesNot() {
    const QGroupBox* rsi = run_->w().Form2->Basic.RsiGroup;
    const brevant::TIndicatorParams saved = Main().Params;
    Main().Params.RSI = 21;
    Overlay().Button2Click();
    QCOMPARE(rsi->title(), QString(" RSI Filter (14) "));
    Overlay().Button1Click();
    QCOMPARE(rsi->title(), QString(" RSI Filter (21) "));
    Main().Params = saved;
    Overlay().Button1Click();
}

void ChartDialogsTest::CloseKeepsTheChartUntilTheNextCommand() {
    Overlay().CheckBox1->setChecked(true);
    Overlay().Button1Click();
    const double average20 = LastAverage(20);
    QCOMPARE(Main().Bars.back().MA1, average20);

    Overlay().show();
    Overlay().JvSpinEdit1->setValue(10);
    Overlay().Button2->click();
    QVERIFY(!Overlay().isVisible());
    QCOMPARE(Main().Bars.back().MA1, average20);

    // Any later command reads the period the dialog holds now.
    Main().Graph.ViewRSIClick();
    QCOMPARE(Main().Bars.back().MA1, LastAverage(10));
}

void ChartDialogsTest::SpinEditsCropWhenLeft_data() {
    QTest::addColumn<int>("spin"); // 1 .. 5
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("value");
    QTest::newRow("above 200") << 1 << "250" << 200;
    QTest::newRow("below 2") << 3 << "1" << 2;
    QTest::newRow("width 0 accepted") << 5 << "0" << 0;
    QTest::newRow("width above 200") << 5 << "999" << 200;
    QTest::newRow("within the limits") << 4 << "35" << 35;
}

void ChartDialogsTest::SpinEditsCropWhenLeft() {
    QFETCH(int, spin);
    QFETCH(QString, typed);
    QFETCH(int, value);
    brevant::TPeriodSpinEdit* edits[] = {Overlay().JvSpinEdit1, Overlay().JvSpinEdit2,
                                         Overlay().JvSpinEdit3, Overlay().JvSpinEdit4,
                                         Overlay().JvSpinEdit5};
    brevant::TPeriodSpinEdit* edit = edits[spin - 1];
    const int before = edit->value();
    Overlay().show();
    Overlay().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Overlay()));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, typed);
    Overlay().Button2->setFocus(); // leaving the field
    QCOMPARE(edit->value(), value);
    Overlay().Button2Click();
    edit->setValue(before);
}

void ChartDialogsTest::IndicatorSettingShowsStoredPeriods() {
    TForm12& dialog = *run_->w().Form12;
    QCOMPARE(dialog.windowTitle(), QString("Indicator Setting"));
    QCOMPARE(dialog.PageControl1->count(), 3);
    const brevant::TIndicatorParams saved = Main().Params;
    // Loaded values unlike the defaults, each one different.
    Main().Params = {5, 6, 7, 8, 9, 10, 11, 13, 15, 4, 16, 5, 17, 18, 19};
    const QList<int> expected = {5, 6, 7, 8, 9, 10, 11, 13, 15, 4, 16, 5, 17, 18, 19};

    dialog.show();
    QList<int> shown;
    for (int n = 1; n <= 15; ++n) {
        shown << dialog.JvSpinEdit(n)->value();
        QVERIFY2(!dialog.JvSpinEdit(n)->isEnabled(), qPrintable(QString::number(n)));
    }
    QCOMPARE(shown, expected);
    for (QPushButton* b : {dialog.Button1, dialog.Button2, dialog.Button3})
        QVERIFY(!b->isEnabled());
    dialog.Button4->click();
    QVERIFY(!dialog.isVisible());

    // Every showing reads the parameters again.
    Main().Params.ATR = 21;
    dialog.show();
    QCOMPARE(dialog.JvSpinEdit(15)->value(), 21);
    dialog.Button4->click();
    Main().Params = saved;
}

BREVANT_QTEST_MAIN(ChartDialogsTest)
#include "chart_dialogs_test.moc"
