// Brevant Dira — the filter dialog: its pages, captions, fields and buttons.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include "app/app_fixture.h"
#include "app/stock_list_box.h"
#include "screen/ui/filter_window.h"
#include "screen/ui/scan_progress_window.h"
#include "screening_fixture.h"
#include "ui/clamping_spin_edit.h"

using brevant::TForm2;
using brevant::TSpinEdit;
using brevant::testing::AppRun;
using brevant::testing::Line;
using brevant::testing::QuoteLines;

namespace {

QStringList TabTitles(const QTabWidget* pages) {
    QStringList titles;
    for (int i = 0; i < pages->count(); ++i) titles << pages->tabText(i);
    return titles;
}

// The sub-page of `pages` titled `title`.
QWidget* SubPage(const QTabWidget* pages, const QString& title) {
    for (int i = 0; i < pages->count(); ++i)
        if (pages->tabText(i) == title) return pages->widget(i);
    return nullptr;
}

} // namespace

class FilterWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void OpensOnBasicWithEveryPage();
    void BasicFieldsStartWithTheirDefaults_data();
    void BasicFieldsStartWithTheirDefaults();
    void CatalogueShowsItsFiltersDisabled_data();
    void CatalogueShowsItsFiltersDisabled();
    void CaptionsShowTheStoredPeriodsOnEveryShowing();
    void CheckAllTicksExactlyTheFourFilters();
    void FieldsCropOnLeaving_data();
    void FieldsCropOnLeaving();
    void FiltersGatherTheFields();
    void ScanNowWithoutFilterKeepsTheDialog();
    void HelpButtonsOpenTheirTopics_data();
    void HelpButtonsOpenTheirTopics();
    void OpenedModallyAndNeverTwice();

private:
    TForm2& Form2() { return *run_->w().Form2; }
    std::unique_ptr<AppRun> run_;
};

void FilterWindowTest::initTestCase() {
    run_ = std::make_unique<AppRun>();
    run_->Prefill({run_->Write("q.txt", QuoteLines("AAA", "Alpha Rising", Line(10, 70, 60)))});
    run_->InstallHelp();
    run_->Start();
    QVERIFY(run_->Main().isVisible());
}

void FilterWindowTest::init() {
    run_->Ui.Messages.clear();
    run_->Ui.HelpPages.clear();
    run_->Main().Params = brevant::TIndicatorParams{};
}

void FilterWindowTest::cleanup() {
    Form2().hide();
}

void FilterWindowTest::OpensOnBasicWithEveryPage() {
    Form2().show();
    QCOMPARE(Form2().windowTitle(), QString("Filter Database"));
    QCOMPARE(Form2().size(), QSize(546, 421));
    // The specified pages, then the formula page of our own.
    QCOMPARE(TabTitles(Form2().PageControl2),
             QStringList({"Technical Analysis 1", "Technical Analysis 2", "Pattern Analysis",
                          "Custom Filter", "Formula"}));
    QCOMPARE(TabTitles(Form2().PageControl1),
             QStringList({"Basic", "Crossover", "Price 1", "Price 2", "Volume", "William %R", "MFI",
                          "MACD 1", "MACD 2", "RSI", "CCI"}));
    QCOMPARE(TabTitles(Form2().PageControl4),
             QStringList({"ADX 1", "ADX 2", "ADX 3", "Fast Stoc", "Slow Stoc"}));
    QCOMPARE(TabTitles(Form2().PageControl3),
             QStringList({"Bull 1", "Bull 2", "Bear 1", "Bear 2", "Continuation Pattern",
                          "Pattern 1", "Pattern 2"}));
    QCOMPARE(Form2().PageControl2->currentIndex(), 0);
    QCOMPARE(Form2().PageControl1->currentIndex(), 0);

    const QPushButton* buttons[] = {Form2().Button1, Form2().Button2, Form2().Button3,
                                    Form2().Button4, Form2().Button5};
    const QStringList captions = {"Scan Now!", "Close", "UnCheck All", "Check All", "Help"};
    for (int i = 0; i < 5; ++i) QCOMPARE(buttons[i]->text(), captions[i]);

    const QLabel* notice =
        Form2().PageControl2->widget(3)->findChild<QLabel*>("CustomFilterNotice");
    QVERIFY(notice);
    QVERIFY(notice->text().contains("support@brevant-dira.example"));
    const QLabel* picture = Form2().PageControl2->widget(3)->findChild<QLabel*>("Image1");
    QVERIFY(picture && !picture->pixmap().isNull());
}

void FilterWindowTest::BasicFieldsStartWithTheirDefaults_data() {
    QTest::addColumn<int>("spin");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("value");
    QTest::newRow("moving average 1") << 1 << 2 << 200 << 1 << 10;
    QTest::newRow("moving average 2") << 2 << 3 << 200 << 1 << 20;
    QTest::newRow("moving-average days") << 3 << 1 << 200 << 1 << 1;
    QTest::newRow("MACD days") << 4 << 1 << 200 << 1 << 1;
    QTest::newRow("RSI level") << 5 << 1 << 100 << 1 << 1;
    QTest::newRow("RSI days") << 6 << 1 << 200 << 1 << 1;
    QTest::newRow("average volume") << 7 << 1000 << 1000000000 << 1000 << 1000;
}

void FilterWindowTest::BasicFieldsStartWithTheirDefaults() {
    QFETCH(int, spin);
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, step);
    QFETCH(int, value);
    const TSpinEdit* spins[] = {Form2().Basic.SpinEdit1, Form2().Basic.SpinEdit2,
                                Form2().Basic.SpinEdit3, Form2().Basic.SpinEdit4,
                                Form2().Basic.SpinEdit5, Form2().Basic.SpinEdit6,
                                Form2().Basic.SpinEdit7};
    const TSpinEdit* s = spins[spin - 1];
    QCOMPARE(s->minimum(), min);
    QCOMPARE(s->maximum(), max);
    QCOMPARE(s->singleStep(), step);
    QCOMPARE(s->value(), value);

    // Shared by every row: nothing ticked, "Above", and daily bars only.
    QVERIFY(Form2().FilterSelected());
    QCOMPARE(Form2().Basic.ComboBox10->currentText(), QString("Above"));
    QCOMPARE(Form2().Basic.ComboBox10->count(), 2);
    for (const QComboBox* period : {Form2().Basic.ComboBox11, Form2().Basic.ComboBox12,
                                    Form2().Basic.ComboBox13, Form2().Basic.ComboBox15}) {
        QVERIFY(!period->isEnabled());
        QCOMPARE(period->currentText(), QString("Daily"));
        QCOMPARE(period->count(), 3);
    }
    QCOMPARE(Form2().Basic.CheckBox1->text(), QString("Moving Average Cross Filter"));
    QCOMPARE(Form2().Basic.CheckBox2->text(), QString("MACD Buy Signal Filter"));
    QCOMPARE(Form2().Basic.CheckBox3->text(), QString("RSI Filter"));
    QCOMPARE(Form2().Basic.CheckBox4->text(), QString("Volume Filter"));
}

void FilterWindowTest::CatalogueShowsItsFiltersDisabled_data() {
    QTest::addColumn<int>("page"); // of PageControl2
    QTest::addColumn<QString>("subPage");
    QTest::addColumn<QString>("group"); // design caption; rewritten ones are tested below
    QTest::addColumn<QStringList>("filters");
    const auto row = [](int page, const char* sub, const char* group, QStringList filters) {
        QTest::newRow(sub) << page << QString(sub) << QString(group) << filters;
    };
    row(0, "Crossover", " Crossover Filter ",
        {"Predict Moving Average Crossover Filter", "Predict Future MACD Buy Signal Filter"});
    row(0, "Price 1", " Price Filter Part 1 ",
        {"Find stock at", "Find stock price between", "Find stock price"});
    row(0, "Price 2", " Price Filter Part 2 ",
        {"Find stock that cross above", "Find stock that has", "Find stock that has "});
    row(0, "Volume", " Volume Filter ", {"Volume at ", "Average Volume is more than"});
    row(0, "William %R", nullptr,
        {"Williams % R", "Williams % R crossed ", "Williams % R is between negative"});
    row(0, "MFI", nullptr,
        {"Money Flow Index is ", "Money Flow Index is between", "Money Flow Index crossed"});
    row(0, "MACD 1", nullptr, {"MACD Histogram", "MACD Fast Line", "MACD Slow Line"});
    row(0, "MACD 2", nullptr,
        {"MACD Histogram between", "MACD Fast Line between", "MACD Slow Line between"});
    row(0, "RSI", nullptr,
        {"Relative Strength Index is", "Relative Strength Index is between",
         "Relative Strength Index crossed"});
    row(0, "CCI", nullptr, {"CCI is", "CCI is between", "CCI crossed"});
    row(1, "ADX 1", nullptr, {"ADX Cross ", "+DI Cross ", "-DI Cross "});
    row(1, "ADX 2", nullptr, {"ADX value is", "+DI value is", "-DI value is"});
    row(1, "ADX 3", nullptr,
        {"ADX value is between", "+DI value is between", "-DI value is between"});
    row(1, "Fast Stoc", nullptr, {"%K cross", "%K Cross", "%K value is"});
    row(1, "Slow Stoc", nullptr, {"%K cross", "%K Cross", "%K value is"});
    row(2, "Bull 1", "",
        {"Bullish Engulfing Pattern, happens in the last", "Piercing Line, happens in the last",
         "Morning Star, happens in the last"});
    row(2, "Bull 2", "",
        {"Bullish Harami, happens in the last", "Three White Soldier, happens in the last"});
    row(2, "Bear 1", "",
        {"Bearish Engulfing, happens in the last", "Dark Cloud Cover, happens in the last",
         "Evening Star, happens in the last"});
    row(2, "Bear 2", "",
        {"Bearish Harami, happens in the last", "Three Black Crows, happens in the last"});
    row(2, "Continuation Pattern", "",
        {"Rising Three Methods, happens in the last",
         "Falling Three Methods, happens in the last"});
    row(2, "Pattern 1", "",
        {"Dragonfly Doji, happens in the last", "Gravestone Doji, happens in the last",
         "Hammer, happens in the last"});
    row(2, "Pattern 2", "", {"Shooting Star, happens in the last"});
}

void FilterWindowTest::CatalogueShowsItsFiltersDisabled() {
    QFETCH(int, page);
    QFETCH(QString, subPage);
    QFETCH(QString, group);
    QFETCH(QStringList, filters);
    Form2().show();
    const QTabWidget* pages[] = {Form2().PageControl1, Form2().PageControl4, Form2().PageControl3};
    const QWidget* sheet = SubPage(pages[page], subPage);
    QVERIFY(sheet);
    const QList<QGroupBox*> groups = sheet->findChildren<QGroupBox*>();
    QCOMPARE(groups.size(), 1);
    QCOMPARE(Form2().CatalogueGroup(subPage), groups.first());
    if (!group.isNull()) QCOMPARE(groups.first()->title(), group);

    QStringList captions;
    for (const QCheckBox* box : sheet->findChildren<QCheckBox*>()) {
        captions << box->text();
        QVERIFY2(!box->isEnabled(), qPrintable(box->text()));
    }
    QCOMPARE(captions, filters);
    for (const QWidget* w : sheet->findChildren<QWidget*>()) {
        if (qobject_cast<const QToolButton*>(w))
            QVERIFY(w->isEnabled()); // help stays
        else if (qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QComboBox*>(w))
            QVERIFY(!w->isEnabled());
    }
}

void FilterWindowTest::CaptionsShowTheStoredPeriodsOnEveryShowing() {
    Form2().show();
    QCOMPARE(Form2().Basic.MacdGroup->title(), QString(" MACD Buy Signal Filter (12,26,9) "));
    Form2().hide();

    brevant::TIndicatorParams& p = run_->Main().Params;
    p.MACD1 = 5, p.MACD2 = 35, p.MACD3 = 7, p.RSI = 11, p.WR = 13, p.MFI = 15, p.CCI = 17;
    p.ADX = 19, p.FSTOC1 = 21, p.FSTOC2 = 4, p.SSTOC1 = 23, p.SSTOC2 = 6;
    Form2().show();
    QCOMPARE(Form2().Basic.MacdGroup->title(), QString(" MACD Buy Signal Filter (5,35,7) "));
    QCOMPARE(Form2().Basic.RsiGroup->title(), QString(" RSI Filter (11) "));
    QCOMPARE(Form2().Basic.MovingAverageGroup->title(), QString(" Moving Average Filter "));
    QCOMPARE(Form2().Basic.VolumeGroup->title(), QString(" Volume Filter "));
    const std::pair<const char*, const char*> captions[] = {
        {"William %R", " Williams % R Filter (13) "},
        {"MFI", " Money Flow Index (MFI) Filter (15) "},
        {"MACD 1", " MACD Filter Part 1 (5,35,7) "},
        {"MACD 2", " MACD Filter Part 2 (5,35,7) "},
        {"RSI", " Relative Strength Index (RSI) Filter (11) "},
        {"CCI", " Commodity Channel Index (CCI) Filter (17) "},
        {"ADX 1", " Wilders ADX Filter 1 (19) "},
        {"ADX 2", " Wilders ADX Filter 2 (19) "},
        {"ADX 3", " Wilders ADX Filter 3 (19) "},
        {"Fast Stoc", " Fast Stochastic Filter (21,4) "},
        {"Slow Stoc", " Slow Stochastic Filter (23,6) "},
        {"Crossover", " Crossover Filter "},
    };
    for (const auto& [page, caption] : captions)
        QCOMPARE(Form2().CatalogueGroup(page)->title(), QString(caption));
}

void FilterWindowTest::CheckAllTicksExactlyTheFourFilters() {
    const QList<QCheckBox*> four = {Form2().Basic.CheckBox1, Form2().Basic.CheckBox2,
                                    Form2().Basic.CheckBox3, Form2().Basic.CheckBox4};
    Form2().Button4->click();
    for (const QCheckBox* box : Form2().findChildren<QCheckBox*>())
        QCOMPARE(box->isChecked(), four.contains(box));
    QVERIFY(!Form2().FilterSelected());

    Form2().Button3->click();
    for (const QCheckBox* box : Form2().findChildren<QCheckBox*>()) QVERIFY(!box->isChecked());
    QVERIFY(Form2().FilterSelected());

    // One tick is enough, whichever it is.
    for (QCheckBox* box : four) {
        box->setChecked(true);
        QVERIFY(!Form2().FilterSelected());
        box->setChecked(false);
    }
}

void FilterWindowTest::FieldsCropOnLeaving_data() {
    QTest::addColumn<int>("spin");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("value");
    QTest::newRow("above the top") << 2 << "250" << 200;
    QTest::newRow("below the bottom") << 2 << "1" << 3;
    QTest::newRow("inside") << 2 << "150" << 150;
    QTest::newRow("RSI level above 100") << 5 << "150" << 100;
    QTest::newRow("volume below its floor") << 7 << "5" << 1000;
    QTest::newRow("volume above its ceiling") << 7 << "5000000000" << 1000000000;
    QTest::newRow("nothing typed keeps the value") << 3 << "" << 1;
}

void FilterWindowTest::FieldsCropOnLeaving() {
    QFETCH(int, spin);
    QFETCH(QString, typed);
    QFETCH(int, value);
    TSpinEdit* spins[] = {Form2().Basic.SpinEdit1, Form2().Basic.SpinEdit2, Form2().Basic.SpinEdit3,
                          Form2().Basic.SpinEdit4, Form2().Basic.SpinEdit5, Form2().Basic.SpinEdit6,
                          Form2().Basic.SpinEdit7};
    TSpinEdit* s = spins[spin - 1];
    const int before = s->value();
    Form2().show();
    s->selectAll();
    QTest::keyClick(s, Qt::Key_Delete);
    QTest::keyClicks(s, typed);
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(s, &leave);
    QCOMPARE(s->value(), value);
    QCOMPARE(s->text(), QString::number(value));
    s->setValue(before);
}

void FilterWindowTest::FiltersGatherTheFields() {
    Form2().Basic.CheckBox2->setChecked(true);
    Form2().Basic.CheckBox3->setChecked(true);
    Form2().Basic.SpinEdit1->setValue(7);
    Form2().Basic.SpinEdit2->setValue(30);
    Form2().Basic.SpinEdit3->setValue(4);
    Form2().Basic.SpinEdit4->setValue(3);
    Form2().Basic.ComboBox10->setCurrentIndex(1);
    Form2().Basic.SpinEdit5->setValue(70);
    Form2().Basic.SpinEdit6->setValue(2);
    Form2().Basic.SpinEdit7->setValue(250000);
    const brevant::ScanFilters f = Form2().Filters();
    Form2().ClearAllFilter();
    QVERIFY(!f.movingAverage && f.macd && f.rsi && !f.volume);
    QCOMPARE(f.maPeriod1, 7);
    QCOMPARE(f.maPeriod2, 30);
    QCOMPARE(f.maDays, 4);
    QCOMPARE(f.macdDays, 3);
    QCOMPARE(f.rsiDirection, 1);
    QCOMPARE(f.rsiLevel, 70);
    QCOMPARE(f.rsiDays, 2);
    QCOMPARE(f.volumeThreshold, 250000);
    QVERIFY(f.macdPeriod == brevant::BarPeriod::Daily &&
            f.volumePeriod == brevant::BarPeriod::Daily);
}

void FilterWindowTest::ScanNowWithoutFilterKeepsTheDialog() {
    Form2().show();
    Form2().ClearAllFilter();
    Form2().Button1->click();
    QCOMPARE(run_->Ui.Messages, QStringList({"Please select at least one filter."}));
    QVERIFY(Form2().isVisible());
    QVERIFY(!run_->w().Form5->isVisible());
    QCOMPARE(run_->Main().Lists.ListBox1->count(), 1); // nothing of the main window changed
}

void FilterWindowTest::HelpButtonsOpenTheirTopics_data() {
    QTest::addColumn<int>("button"); // SpeedButtonN; 0 is "Help"
    QTest::addColumn<QString>("topic");
    const std::pair<int, const char*> topics[] = {{0, "Filter_Database2"},
                                                  {1, "Moving_Average_Filter"},
                                                  {2, "MACD_Buy_Signal_Filer"},
                                                  {3, "RSI_Filter"},
                                                  {4, "Volume_Filter"},
                                                  {5, "Filter_1"},
                                                  {6, "Filter_2"},
                                                  {7, "Filter_3"},
                                                  {8, "Filter_12"},
                                                  {9, "Filter_22"},
                                                  {10, "Filter_32"},
                                                  {34, "Filter_13"},
                                                  {40, "Filter_23"},
                                                  {11, "Filter_14"},
                                                  {12, "Filter_24"},
                                                  {13, "Filter_33"},
                                                  {14, "Filter_15"},
                                                  {15, "Filter_25"},
                                                  {16, "Filter_34"},
                                                  {17, "Filter_16"},
                                                  {18, "Filter_26"},
                                                  {19, "Filter_35"},
                                                  {20, "Filter_17"},
                                                  {21, "Filter_27"},
                                                  {22, "Filter_36"},
                                                  {23, "Filter_18"},
                                                  {24, "Filter_28"},
                                                  {25, "Filter_37"},
                                                  {26, "Filter_19"},
                                                  {27, "Filter_29"},
                                                  {28, "Filter_38"},
                                                  {43, "Filter_117"},
                                                  {48, "Filter_216"},
                                                  {49, "Filter_312"},
                                                  {50, "Filter_118"},
                                                  {51, "Filter_217"},
                                                  {52, "Filter_313"},
                                                  {53, "Filter_119"},
                                                  {54, "Filter_218"},
                                                  {55, "Filter_314"},
                                                  {56, "Filter_120"},
                                                  {57, "Filter_219"},
                                                  {58, "Filter_315"},
                                                  {59, "Filter_121"},
                                                  {60, "Filter_220"},
                                                  {61, "Filter_316"},
                                                  {29, "Filter_110"},
                                                  {30, "Filter_210"},
                                                  {31, "Filter_39"},
                                                  {32, "Filter_111"},
                                                  {33, "Filter_211"},
                                                  {35, "Filter_112"},
                                                  {36, "Filter_212"},
                                                  {37, "Filter_310"},
                                                  {38, "Filter_113"},
                                                  {39, "Filter_213"},
                                                  {41, "Filter_114"},
                                                  {42, "Filter_214"},
                                                  {44, "Filter_115"},
                                                  {45, "Filter_215"},
                                                  {46, "Filter_311"},
                                                  {47, "Filter_116"},
                                                  {62, ""},
                                                  {63, ""}};
    for (const auto& [button, topic] : topics)
        QTest::addRow("SpeedButton%d", button) << button << QString(topic);
}

void FilterWindowTest::HelpButtonsOpenTheirTopics() {
    QFETCH(int, button);
    QFETCH(QString, topic);
    if (button == 0) {
        Form2().Button5->click();
    } else {
        QToolButton* b = Form2().SpeedButton(button);
        QVERIFY(b);
        QCOMPARE(b->objectName(), QString("SpeedButton%1").arg(button));
        QVERIFY(b->isEnabled());
        b->click();
    }
    const QStringList expected =
        topic.isEmpty()
            ? QStringList()
            : QStringList(QString::fromStdString(run_->Folder()) + "Brevhelp/" + topic + ".htm");
    QCOMPARE(run_->Ui.HelpPages, expected);
}

void FilterWindowTest::OpenedModallyAndNeverTwice() {
    QCOMPARE(run_->Main().Menu.ScanNow1->shortcut(), QKeySequence(Qt::Key_F12));
    QCOMPARE(run_->Main().Menu.ScanNow1->text(), QString("Filter Database"));
    for (const bool fromMenu : {false, true}) {
        bool shown = false, modal = false, secondReturned = false;
        QTimer::singleShot(0, [&] {
            shown = Form2().isVisible();
            modal = Form2().windowModality() == Qt::ApplicationModal;
            // A second request while the dialog is up must come straight back.
            run_->Main().Menu.ScanNow1Click();
            secondReturned = true;
            Form2().Button2Click();
        });
        if (fromMenu)
            run_->Main().Menu.ScanNow1->trigger();
        else
            run_->Main().Tools.SpeedButton3->click();
        QVERIFY(shown);
        QVERIFY(modal);
        QVERIFY(secondReturned);
        QVERIFY(!Form2().isVisible());
    }
}

BREVANT_QTEST_MAIN(FilterWindowTest)
#include "filter_window_test.moc"
