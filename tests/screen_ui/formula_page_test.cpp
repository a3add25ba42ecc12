// Brevant Dira — the filter dialog's "Formula" page over a real database:
// checking a formula, saving screens by name, "Scan Now!" with the formula,
// ticked saved screens scanned together, and the back-test window; all by
// clicks and keys, offscreen.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTabWidget>
#include <QTableWidget>
#include <qcustomplot.h>

#include "app/app_fixture.h"
#include "app/stock_list_box.h"
#include "screen/ui/backtest_window.h"
#include "screen/ui/filter_window.h"
#include "screen/ui/formula_page.h"
#include "screen/ui/scan_progress_window.h"
#include "screening_fixture.h"
#include "store/saved_screens.h"
#include "ui/clamping_spin_edit.h"

using brevant::ReadSavedScreens;
using brevant::SavedScreen;
using brevant::TBacktestWindow;
using brevant::TForm1;
using brevant::TForm2;
using brevant::TForm5;
using brevant::TFormulaPage;
using brevant::testing::AppRun;
using brevant::testing::BuySignal;
using brevant::testing::Line;
using brevant::testing::QuoteLines;
using brevant::testing::Rising;

namespace {

const QString kTurning = "Beta Turning , BBB";

// Four stocks: Beta gives a MACD buy signal on its last bar, Alpha and Gamma
// keep rising, Kappa is too short for MACD.
std::string FourStocks() {
    return QuoteLines("AAA", "Alpha Rising", Rising(10)) +
           QuoteLines("BBB", "Beta Turning", BuySignal()) +
           QuoteLines("CCC", "Gamma Rising", Rising(20), 9000) +
           QuoteLines("KKK", "Kappa Short", Line(10, 20, 10));
}

} // namespace

class FormulaPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void ThePageStandsBesideTheSpecifiedOnes();
    void CheckNamesTheFaultsPosition();
    void ScanNowRunsTheTickedFormula();
    void ScanNowWithoutAnyTickStillRefuses();
    void SavedScreensAreStoredPickedAndScannedTogether();
    void BacktestShowsTheTableAndThePlot();

private:
    TForm1& Main() { return run_->Main(); }
    TForm2& Form2() { return *run_->w().Form2; }
    TForm5& Form5() { return *run_->w().Form5; }
    TFormulaPage& Page() { return *Form2().FormulaPage; }
    QStringList Results() const {
        QStringList items;
        for (int i = 0; i < run_->Main().Lists.ListBox2->count(); ++i)
            items << run_->Main().Lists.ListBox2->item(i)->text();
        return items;
    }
    void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
    void TypeFormula(const QString& text) {
        Page().FormulaEdit->selectAll();
        QTest::keyClick(Page().FormulaEdit, Qt::Key_Delete);
        QTest::keyClicks(Page().FormulaEdit, text);
    }
    void TypeName(const QString& text) {
        Page().NameEdit->selectAll();
        QTest::keyClicks(Page().NameEdit, text);
    }
    // Clicks the saved screen's name, then its tick box.
    void Tick(const QString& name) {
        const QList<QListWidgetItem*> found = Page().ScreenList->findItems(name, Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        QListWidget* list = Page().ScreenList;
        const QRect rect = list->visualItemRect(found.front());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(list->currentItem(), found.front());
        QStyleOptionViewItem option;
        option.initFrom(list->viewport());
        option.rect = rect;
        option.features |= QStyleOptionViewItem::HasCheckIndicator;
        const QRect box =
            list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list);
        const Qt::CheckState before = found.front()->checkState();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
        QVERIFY(found.front()->checkState() != before);
    }
    std::unique_ptr<AppRun> run_;
};

void FormulaPageTest::initTestCase() {
    run_ = std::make_unique<AppRun>();
    run_->Prefill({run_->Write("q.txt", FourStocks())});
    run_->Start();
    QCOMPARE(Main().Lists.ListBox1->count(), 4);
}

void FormulaPageTest::init() {
    run_->Ui.Messages.clear();
    Form2().ClearAllFilter();
    Page().FormulaCheck->setChecked(false);
    if (Form5().isVisible()) Form5().Button1Click(); // "Complete"
    Form2().show();
    Form2().PageControl2->setCurrentWidget(&Page());
}

void FormulaPageTest::ThePageStandsBesideTheSpecifiedOnes() {
    QStringList pages;
    for (int i = 0; i < Form2().PageControl2->count(); ++i)
        pages << Form2().PageControl2->tabText(i);
    QCOMPARE(pages, (QStringList{"Technical Analysis 1", "Technical Analysis 2", "Pattern Analysis",
                                 "Custom Filter", "Formula"}));
    // Every function is listed, the calculations among them.
    QVERIFY(Page().FunctionList->count() >= 15);
    QVERIFY(!Page().FunctionList->findItems("macd_line", Qt::MatchStartsWith).isEmpty());
    // "Check All" ticks the four filters only.
    Click(Form2().Button4);
    QVERIFY(!Page().FormulaCheck->isChecked());
    // The page's help, and the dialog's own help as before.
    run_->InstallHelp();
    Click(Page().HelpButton);
    Click(Form2().Button5);
    QCOMPARE(run_->Ui.HelpPages.size(), 2);
    QVERIFY(run_->Ui.HelpPages[0].endsWith("Brevhelp/Formula_Screens.htm"));
    QVERIFY(run_->Ui.HelpPages[1].endsWith("Brevhelp/Filter_Database2.htm"));
}

void FormulaPageTest::CheckNamesTheFaultsPosition() {
    TypeFormula("rsi(14 > 50");
    Click(Page().CheckButton);
    QCOMPARE(Page().StatusLabel->text(), QString("Position 8: expected ')', found '>'."));
    QCOMPARE(Page().FormulaEdit->textCursor().position(), 7);
    TypeFormula("rsi(14) > 50");
    Click(Page().CheckButton);
    QCOMPARE(Page().StatusLabel->text(), QString("The formula is correct."));
    QVERIFY(run_->Ui.Messages.isEmpty());
}

void FormulaPageTest::ScanNowRunsTheTickedFormula() {
    // The MACD buy signal written as a formula lists what the filter lists.
    TypeFormula("macd_line[1] < macd_signal[1] and macd_line > macd_signal");
    Click(Page().FormulaCheck);
    Click(Form2().Button1); // "Scan Now!"
    QCOMPARE(Results(), QStringList{kTurning});
    QCOMPARE(Form5().Label9->text(), QString("1")); // Kappa is short of data
    QCOMPARE(Form5().Button1->text(), QString("Complete"));
    Click(Form5().Button1);

    // With a filter ticked too, both must pass.
    Form2().Basic.CheckBox4->setChecked(true);
    Form2().Basic.SpinEdit7->setValue(6000);
    Click(Form2().Button1);
    QCOMPARE(Results(), QStringList{});
    Click(Form5().Button1);

    // A faulty formula runs nothing.
    TypeFormula("macd_line >");
    Click(Form2().Button1);
    QCOMPARE(run_->Ui.Messages.size(), 1);
    QVERIFY(Form2().isVisible());
    QVERIFY(!Form5().isVisible());
    QVERIFY(Page().StatusLabel->text().startsWith("Position 12: expected"));
}

void FormulaPageTest::ScanNowWithoutAnyTickStillRefuses() {
    TypeFormula("close > 0");
    Click(Form2().Button1);
    QCOMPARE(run_->Ui.Messages, QStringList{"Please select at least one filter."});
    QVERIFY(!Form5().isVisible());
}

void FormulaPageTest::SavedScreensAreStoredPickedAndScannedTogether() {
    TypeName("Buy signal");
    TypeFormula("macd_line crosses above macd_signal");
    Click(Page().SaveButton);
    TypeName("Heavy volume");
    TypeFormula("ma(volume, 3) > 8000");
    Page().PeriodBox->setCurrentIndex(1); // weekly
    Click(Page().SaveButton);
    // A name without a formula that runs is not saved.
    TypeName("Broken");
    TypeFormula("close >");
    Click(Page().SaveButton);
    QVERIFY(run_->Ui.Messages.isEmpty());

    const std::vector<SavedScreen> stored = ReadSavedScreens(Main().Store());
    QCOMPARE(int(stored.size()), 2);
    QCOMPARE(stored[0], (SavedScreen{"Buy signal", "macd_line crosses above macd_signal",
                                     brevant::BarPeriod::Daily}));
    QCOMPARE(stored[1].period, brevant::BarPeriod::Weekly);
    QCOMPARE(Page().ScreenList->count(), 2);

    // Picked from the list, a screen fills the boxes.
    Tick("Buy signal");
    QCOMPARE(Page().FormulaEdit->toPlainText(), QString("macd_line crosses above macd_signal"));
    QCOMPARE(Page().PeriodBox->currentIndex(), 0);
    Tick("Heavy volume");
    QCOMPARE(Page().PeriodBox->currentIndex(), 1);

    Click(Page().RunScreensButton);
    QCOMPARE(Results(), (QStringList{"# Buy signal (1)", kTurning, "# Heavy volume (1)",
                                     "Gamma Rising , CCC"}));
    QCOMPARE(Form5().Button1->text(), QString("Complete"));
    Click(Form5().Button1);

    // The dialog shown again reads the table afresh and keeps the ticks.
    Form2().hide();
    Form2().show();
    QCOMPARE(Page().TickedScreens().size(), std::size_t(2));

    // Deleting leaves the screen in the boxes, to be saved again.
    Tick("Heavy volume"); // unticks
    Click(Page().DeleteButton);
    QCOMPARE(int(ReadSavedScreens(Main().Store()).size()), 1);
    QCOMPARE(Page().NameEdit->text(), QString("Heavy volume"));
    Click(Page().SaveButton);
    QCOMPARE(int(ReadSavedScreens(Main().Store()).size()), 2);
}

void FormulaPageTest::BacktestShowsTheTableAndThePlot() {
    TypeFormula("close > close[1]");
    Page().PeriodBox->setCurrentIndex(0);
    Click(Page().BacktestButton);
    TBacktestWindow* window = Page().BacktestWindow;
    QVERIFY(window && window->isVisible());
    window->DaysEdit->setValue(20);
    window->HoldsEdit->setText("1,5");
    Click(window->RunButton);
    QCOMPARE(window->FiguresTable->rowCount(), 2);
    QCOMPARE(window->FiguresTable->item(0, 0)->text(), QString("1"));
    QVERIFY(window->FiguresTable->item(0, 1)->text().toInt() > 0); // rising stocks pick
    QCOMPARE(window->Plot->graphCount(), 4);
    QVERIFY2(window->StatusLabel->text().startsWith("20 days"),
             qPrintable(window->StatusLabel->text()));
    QVERIFY(window->SaveCsvButton->isEnabled());

    Click(window->HelpButton);
    QVERIFY(run_->Ui.HelpPages.last().endsWith("Brevhelp/Backtest.htm"));

    // A bad holding period is told, and nothing runs.
    window->HoldsEdit->setText("1,0");
    Click(window->RunButton);
    QCOMPARE(run_->Ui.Messages.size(), 1);
    window->close();
}

QTEST_MAIN(FormulaPageTest)
#include "formula_page_test.moc"
