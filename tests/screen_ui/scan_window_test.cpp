// Brevant Dira — a screening run from the filter dialog over a real database,
// with its progress window, its stop and its result list.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QThread>

#include "app/app_fixture.h"
#include "app/stock_list_box.h"
#include "chart/render/chart_renderer.h"
#include "screen/ui/filter_window.h"
#include "screen/ui/scan_progress_window.h"
#include "screening_fixture.h"
#include "ta/day_date.h"
#include "ui/clamping_spin_edit.h"

using brevant::CheckFirebird;
using brevant::EncodeDate;
using brevant::ImportOutcome;
using brevant::ImportResult;
using brevant::TDataStore;
using brevant::TFBLDsql;
using brevant::TForm1;
using brevant::TForm2;
using brevant::TForm5;
using brevant::TQuoteImport;
using brevant::testing::AppRun;
using brevant::testing::BuySignal;
using brevant::testing::Line;
using brevant::testing::QuoteLines;
using brevant::testing::Rising;

namespace {

// Ten stocks: only the second in list order gives a MACD buy signal, Kappa
// is too short for any filter, every other one keeps rising. Each trades
// 5000 shares a day.
const QString kTurning = "Beta Turning , BBB";

std::string TenStocks() {
    std::string text = QuoteLines("AAA", "Alpha Rising", Rising(10)) +
                       QuoteLines("BBB", "Beta Turning", BuySignal());
    const char* rising[][2] = {{"CCC", "Gamma Rising"},   {"DDD", "Delta Rising"},
                               {"EEE", "Epsilon Rising"}, {"FFF", "Zeta Rising"},
                               {"GGG", "Eta Rising"},     {"HHH", "Theta Rising"},
                               {"III", "Iota Rising"}};
    for (const auto& [symbol, name] : rising) text += QuoteLines(symbol, name, Rising(20));
    return text + QuoteLines("KKK", "Kappa Short", Line(10, 20, 10));
}

// What the main window shows while a run is on.
struct DuringRun {
    bool dialogHidden = false, progressShown = false, headerHidden = false, chartEmpty = false;
    bool resultPageInFront = false, mainWindowBlocked = false;
    int timeWindow = -1;
    QString insufficientAtStart;
};

} // namespace

class ScanWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void RunListsThePassingStocks_data();
    void RunListsThePassingStocks();
    void RunPreparesTheMainWindow();
    void StopDuringTheSecondStock();
    void CountersMoveWhileTheRunGoesOn();
    void SecondRunCountsFromZero();
    void ResultClickedIsCharted();
    void EmptyStockListRefusesAndUnticks();
    void ADoubleClickRunsOnce();
    void AfterARunNothingNamesTheOldStock();
    void ARunAfterAnImportSeesItsRows();
    void DatabaseErrorEndsTheRunVisibly();

private:
    TForm1& Main() { return run_->Main(); }
    TForm2& Form2() { return *run_->w().Form2; }
    TForm5& Form5() { return *run_->w().Form5; }
    QStringList Results() const {
        QStringList items;
        for (int i = 0; i < run_->Main().Lists.ListBox2->count(); ++i)
            items << run_->Main().Lists.ListBox2->item(i)->text();
        return items;
    }
    QStringList Counters() const {
        const TForm5& f = *run_->w().Form5;
        return {f.Label2->text(), f.Label5->text(), f.Label7->text(), f.Label9->text()};
    }
    bool HeaderVisible() const {
        for (int n = 22; n <= 34; ++n)
            if (!run_->Main().ChartPane->Label(n)->isVisible()) return false;
        return true;
    }
    // "Scan Now!" on the dialog as the user finds it after opening it.
    void ScanNow() {
        Form2().show();
        Form2().Button1->click();
    }
    std::unique_ptr<AppRun> run_;
};

void ScanWindowTest::initTestCase() {
    run_ = std::make_unique<AppRun>();
    run_->Prefill({run_->Write("q.txt", TenStocks())});
    run_->Start();
    QCOMPARE(Main().Lists.ListBox1->count(), 10);
}

void ScanWindowTest::init() {
    run_->Ui.Messages.clear();
    Form2().ClearAllFilter();
    Form2().Basic.SpinEdit7->setValue(1000);
    if (Form5().isVisible()) Form5().Button1Click(); // "Complete"
    Form2().hide();
}

void ScanWindowTest::RunListsThePassingStocks_data() {
    QTest::addColumn<bool>("macd");
    QTest::addColumn<bool>("volume");
    QTest::addColumn<int>("threshold");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<QStringList>("counters"); // Label2, Label5, Label7, Label9

    QStringList nineLong;
    // In list order, which is by name.
    for (const char* name : {"Alpha Rising , AAA", "Beta Turning , BBB", "Delta Rising , DDD",
                             "Epsilon Rising , EEE", "Eta Rising , GGG", "Gamma Rising , CCC",
                             "Iota Rising , III", "Theta Rising , HHH", "Zeta Rising , FFF"})
        nineLong << name;
    QTest::newRow("MACD buy signal") << true << false << 1000 << QStringList{kTurning}
                                     << QStringList{"10 from 10", "1", "8", "1"};
    QTest::newRow("volume above the average")
        << false << true << 1000 << nineLong << QStringList{"10 from 10", "9", "0", "1"};
    QTest::newRow("volume at the average is not above")
        << false << true << 5000 << QStringList{} << QStringList{"10 from 10", "0", "9", "1"};
    QTest::newRow("MACD then volume") << true << true << 1000 << QStringList{kTurning}
                                      << QStringList{"10 from 10", "1", "8", "1"};
    QTest::newRow("MACD then volume rejecting")
        << true << true << 5000 << QStringList{} << QStringList{"10 from 10", "0", "9", "1"};
}

void ScanWindowTest::RunListsThePassingStocks() {
    QFETCH(bool, macd);
    QFETCH(bool, volume);
    QFETCH(int, threshold);
    QFETCH(QStringList, results);
    QFETCH(QStringList, counters);
    Form2().Basic.CheckBox2->setChecked(macd);
    Form2().Basic.CheckBox4->setChecked(volume);
    Form2().Basic.SpinEdit7->setValue(threshold);
    ScanNow();

    QCOMPARE(Results(), results);
    QCOMPARE(Counters(), counters);
    QCOMPARE(Form5().Button1->text(), QString("Complete"));
    QVERIFY(Form5().isVisible());
    QVERIFY(!Form2().isVisible());
    QVERIFY(HeaderVisible());
    QVERIFY(!Main().Store().TR1.InTransaction());
    QVERIFY(run_->Ui.Messages.isEmpty());

    Form5().Button1->click(); // "Complete": back to the dialog
    QVERIFY(Form2().isVisible());
    QVERIFY(!Form5().isVisible());
    QCOMPARE(Form2().Basic.CheckBox2->isChecked(), macd); // ticks survive the run
}

void ScanWindowTest::RunPreparesTheMainWindow() {
    Main().Lists.PageControl1->setCurrentWidget(Main().Lists.TabSheet1);
    Main().Graph.View1YearClick();
    Main().LoadDataForName(Main().Lists.ListBox1->item(0)->text(), true);
    Main().Lists.ListBox2->addItem("Left Over , OLD");
    QVERIFY(!Main().Bars.empty());

    DuringRun seen;
    int polls = 0;
    QTimer probe;
    probe.setInterval(0);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (!Form5().isVisible() || Form5().Button1->text() != "Stop" || polls++) return;
        seen.dialogHidden = !Form2().isVisible();
        seen.progressShown = Form5().isVisible();
        seen.headerHidden =
            !Main().ChartPane->Label(22)->isVisible() && !Main().ChartPane->Label(34)->isVisible();
        seen.chartEmpty = Main().Bars.empty();
        seen.resultPageInFront =
            Main().Lists.PageControl1->currentWidget() == Main().Lists.TabSheet2;
        seen.timeWindow = Main().Graph.ComboBox3->currentIndex();
        seen.mainWindowBlocked = QApplication::activeModalWidget() == &Form5();
        seen.insufficientAtStart = Form5().Label9->text();
    });
    probe.start();
    Form2().Basic.CheckBox2->setChecked(true);
    ScanNow();
    probe.stop();

    QVERIFY(polls > 0);
    QVERIFY(seen.dialogHidden);
    QVERIFY(seen.progressShown);
    QVERIFY(seen.headerHidden);
    QVERIFY(seen.chartEmpty);
    QVERIFY(seen.resultPageInFront);
    QVERIFY(seen.mainWindowBlocked);
    QCOMPARE(seen.timeWindow, 1); // "3 Months"
    QCOMPARE(seen.insufficientAtStart, QString("0"));
    QVERIFY(Main().Graph.WindowItems[1]->isChecked());
    QCOMPARE(Results(), QStringList{kTurning}); // the old list is gone
    // The chart stays empty until the user picks a stock.
    QVERIFY(Main().Bars.empty());
    QVERIFY(HeaderVisible());
}

void ScanWindowTest::StopDuringTheSecondStock() {
    // The second stock passes; "Stop" is pressed the moment it is listed.
    QString buttonWhenPressed;
    const auto stopper =
        QObject::connect(Main().Lists.ListBox2->model(), &QAbstractItemModel::rowsInserted, [&] {
            buttonWhenPressed = Form5().Button1->text();
            Form5().Button1->click();
            Form5().Button1->click(); // a second press changes nothing
        });
    Form2().Basic.CheckBox2->setChecked(true);
    ScanNow();
    QObject::disconnect(stopper);

    QCOMPARE(buttonWhenPressed, QString("Stop"));
    QCOMPARE(Results(), QStringList{kTurning});
    QCOMPARE(Counters(), QStringList({"2 from 10", "1", "1", "0"}));
    QCOMPARE(Form5().Button1->text(), QString("Complete"));
    QVERIFY(HeaderVisible());
    QVERIFY(!Main().Store().TR1.InTransaction());

    // "Filter Database" while "Complete" waits must not open a second dialog.
    bool opened = false;
    QTimer::singleShot(0, [&] {
        opened = Form2().isVisible();
        if (opened) Form2().Button2Click(); // ends the modal wait
    });
    Main().Menu.ScanNow1Click();
    QTest::qWait(1);
    QVERIFY(!opened);

    Form5().Button1->click();
    QVERIFY(Form2().isVisible());
    QVERIFY(!Form5().isVisible());
}

namespace {

// Records the text of a label each time it is painted.
class PaintedTexts : public QObject {
public:
    explicit PaintedTexts(QLabel* label) : label_(label) { label->installEventFilter(this); }
    QStringList Texts;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == label_ && event->type() == QEvent::Paint) Texts << label_->text();
        return false;
    }

private:
    QLabel* label_;
};

} // namespace

// Each stock takes longer than the window waits between repaints: the
// counters shown climb stock by stock instead of jumping at the end.
void ScanWindowTest::CountersMoveWhileTheRunGoesOn() {
    const auto slow =
        QObject::connect(Main().Lists.ListBox2->model(), &QAbstractItemModel::rowsInserted,
                         [] { QThread::msleep(30); });
    PaintedTexts total(Form5().Label2);
    PaintedTexts successful(Form5().Label5);
    Form2().Basic.CheckBox4->setChecked(true); // nine of ten pass the volume filter
    ScanNow();
    QObject::disconnect(slow);

    QCOMPARE(Counters(), QStringList({"10 from 10", "9", "0", "1"}));
    QStringList between;
    for (const QString& text : total.Texts)
        if (!text.isEmpty() && text != "10 from 10") between << text;
    QVERIFY2(between.size() >= 3, qPrintable(total.Texts.join(" | ")));
    int last = 0;
    for (const QString& text : between) {
        const int processed = text.section(' ', 0, 0).toInt();
        QVERIFY2(processed >= last && processed >= 1 && processed < 10, qPrintable(text));
        QVERIFY(text.endsWith(" from 10"));
        last = processed;
    }
    QVERIFY2(successful.Texts.filter(QRegularExpression("^[1-8]$")).size() >= 2,
             qPrintable(successful.Texts.join(" | ")));
}

void ScanWindowTest::SecondRunCountsFromZero() {
    Form2().Basic.CheckBox2->setChecked(true);
    ScanNow();
    QCOMPARE(Form5().Label9->text(), QString("1"));
    Form5().Button1->click();
    Form2().Button1->click();
    QCOMPARE(Counters(), QStringList({"10 from 10", "1", "8", "1"}));
}

void ScanWindowTest::ResultClickedIsCharted() {
    Form2().Basic.CheckBox4->setChecked(true);
    ScanNow();
    Form5().Button1->click();
    Form2().Button2Click();
    QCOMPARE(Main().Lists.ListBox2->count(), 9);

    TForm1& m = Main();
    const QRect second = m.Lists.ListBox2->visualItemRect(m.Lists.ListBox2->item(1));
    QTest::mouseClick(m.Lists.ListBox2->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(m.windowTitle(), QString(TForm1::kCaption) + kTurning);
    QCOMPARE(m.ChartPane->Label(22)->text(), kTurning);
    QCOMPARE(int(m.Bars.size()), 60);
}

void ScanWindowTest::EmptyStockListRefusesAndUnticks() {
    Form2().SelectAllFilter();
    Main().Lists.ListBox1->clear();
    ScanNow();
    Main().LoadStockList();

    QCOMPARE(run_->Ui.Messages,
             QStringList({"Currently your database is empty.\r\nClick Help ---> Help File to "
                          "learn more.\r\nSelect \"How To Update Database\"."}));
    QVERIFY(Form2().FilterSelected());
    QVERIFY(Form2().isVisible());
    QVERIFY(!Form5().isVisible());
}

void ScanWindowTest::ADoubleClickRunsOnce() {
    // A real double click on "Scan Now!": press, release, double-click press,
    // release, queued together. The first release starts the run; the rest
    // arrive while the run lets messages through, and once started a second
    // run inside the first (which then failed on its busy transaction).
    Form2().Basic.CheckBox2->setChecked(true);
    Form2().show();
    QPushButton* button = Form2().Button1;
    const QPointF at = button->rect().center();
    const QPointF global = button->mapToGlobal(at.toPoint());
    int runs = 0; // every run starts by emptying the result list
    const auto starts = QObject::connect(Main().Lists.ListBox2->model(),
                                         &QAbstractItemModel::modelReset, [&] { ++runs; });
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QCoreApplication::postEvent(
            button, new QMouseEvent(type, at, global, Qt::LeftButton, held, Qt::NoModifier));
    }
    QTRY_COMPARE_WITH_TIMEOUT(Form5().Button1->text(), QString("Complete"), 20000);
    QTest::qWait(50);
    QObject::disconnect(starts);

    QCOMPARE(runs, 1);
    QVERIFY(run_->Ui.Messages.isEmpty());
    QCOMPARE(Results(), QStringList{kTurning});
    QCOMPARE(Counters(), QStringList({"10 from 10", "1", "8", "1"}));
    QVERIFY(!Main().Store().TR1.InTransaction());
}

void ScanWindowTest::AfterARunNothingNamesTheOldStock() {
    // A stock charted on three months: volume drawn as bars up to 5000.
    TForm1& m = Main();
    m.Lists.PageControl1->setCurrentWidget(m.Lists.TabSheet1);
    const QRect first = m.Lists.ListBox1->visualItemRect(m.Lists.ListBox1->item(0));
    QTest::mouseClick(m.Lists.ListBox1->viewport(), Qt::LeftButton, {}, first.center());
    const QString stock = m.Lists.ListBox1->item(0)->text();
    QCOMPARE(m.windowTitle(), QString(TForm1::kCaption) + stock);
    QCPAxis* volume = m.ChartPane->Renderer1->axis(brevant::ChartAxis::Left);
    QVERIFY(volume->range().upper >= 5000);

    Form2().Basic.CheckBox4->setChecked(true);
    ScanNow();
    Form5().Button1->click(); // "Complete"
    QApplication::processEvents();

    // The chart is empty, and so are the title, the header and the axes.
    QVERIFY(m.Bars.empty());
    QCOMPARE(m.windowTitle(), QString(TForm1::kCaption));
    QCOMPARE(m.ChartPane->Label(22)->text(), QString("Stock Name"));
    QVERIFY(m.ChartPane->Label(22)->isVisible());
    QVERIFY2(volume->range().upper < 100, qPrintable(QString::number(volume->range().upper)));
}

// The first run fills the bar cache; whoever imports next, the run after it
// screens the new rows.
void ScanWindowTest::ARunAfterAnImportSeesItsRows() {
    const QString kappa = "Kappa Short , KKK";
    auto listed = [&](int threshold) {
        Form2().ClearAllFilter();
        Form2().Basic.CheckBox4->setChecked(true);
        Form2().Basic.SpinEdit7->setValue(threshold);
        ScanNow();
        Form5().Button1->click(); // "Complete"
        return Results().contains(kappa);
    };
    // Another program (or a nightly import) adds fifty days to Kappa, which
    // then has enough of them for the volume filter.
    QVERIFY(!listed(1000));
    {
        TDataStore other;
        QVERIFY(CheckFirebird(other, run_->DatabaseFile(), {}));
        TFBLDsql q(&other.tr3);
        other.tr3.StartTransaction();
        q.SetSQL("UPDATE IMPORTGEN SET GENERATION = GENERATION + 1");
        q.ExecSQL();
        for (int day = 1; day <= 50; ++day) {
            q.SetSQL(
                "INSERT INTO DATATABLE VALUES ('KKK', 'Kappa Short', ?, 20, 21, 19, 20, 5000)");
            q.Prepare();
            q.ParamAsDateTime(0, EncodeDate(2024, 1, 1) + day);
            q.ExecSQL();
        }
        other.tr3.Commit();
        other.DB1.Disconnect();
    }
    QVERIFY(listed(1000));
    // This program's own import: twenty days of heavy trading lift Kappa's
    // average volume above 6000.
    QVERIFY(!listed(6000));
    std::string file;
    for (int day = 2; day <= 29; ++day)
        if (QDate(2024, 6, day).dayOfWeek() <= 5)
            file += "KKK,Kappa Short," + QDate(2024, 6, day).toString("ddMMyyyy").toStdString() +
                    ",20,21,19,20,100000\n";
    const ImportResult imported =
        TQuoteImport(Main().Store(), '.').Run({run_->Write("heavy.txt", file)});
    QCOMPARE(int(imported.Outcome), int(ImportOutcome::Completed));
    QVERIFY(listed(6000));
}

// Last: the database goes away under the run.
void ScanWindowTest::DatabaseErrorEndsTheRunVisibly() {
    Form2().Basic.CheckBox2->setChecked(true);
    Main().Store().DB1.Disconnect();
    ScanNow();

    QCOMPARE(run_->Ui.Messages.size(), 1);
    QVERIFY(!run_->Ui.Messages.first().isEmpty());
    QCOMPARE(Form5().Button1->text(), QString("Complete"));
    QVERIFY(HeaderVisible());
    QVERIFY(Results().isEmpty());
}

BREVANT_QTEST_MAIN(ScanWindowTest)
#include "scan_window_test.moc"
