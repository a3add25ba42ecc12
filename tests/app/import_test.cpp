// Brevant Dira — importing through the update and progress windows, and the split list.
#include <QAbstractItemView>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>

#include "app/stock_list_box.h"
#include "app_fixture.h"
#include "store/ui/progress_window.h"
#include "store/ui/split_entry_window.h"
#include "store/ui/split_list_window.h"
#include "store/ui/update_window.h"
#include "support/numeric_locale.h"

using brevant::testing::AppRun;
using brevant::testing::Quote;
using brevant::testing::Quotes;

namespace {

QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
}

QStringList Row(const QTableWidget* grid, int row) {
    QStringList cells;
    for (int c = 0; c < grid->columnCount(); ++c)
        cells << (grid->item(row, c) ? grid->item(row, c)->text() : QString());
    return cells;
}

} // namespace

class ImportTest : public QObject {
    Q_OBJECT
private slots:
    void CancelDuringSecondOfThreeFiles();
    void UnreadableThirdFileStopsAndReloadsTheStoredFiles();
    void FailedImportReloadsTheStoredFiles();
    void FileBoxIsReadOnlyAndListsTheFilesInItsTooltip();
    void CompleteShowsWhatEachFileGave();
    void MixedLayoutsShowTheirLayoutAndSkippedLines();
    void SplitListAfterImport();
    void SplitListUnderACommaDecimalLocale();
    void DecimalSeparatorOutsideLatin1_data();
    void DecimalSeparatorOutsideLatin1();
    void BrowseShowsChosenFiles();
    void BrowseDialogOpensOnQuoteFiles();
    void SplitEntryWindowOnlyCancels();
    void SplitEntryWindowShowsEveryControlWhole();
    void ReloadErrorStillEndsOnComplete();

private:
    static QStringList ThreeFiles(const AppRun& run) {
        return {QString::fromStdString(run.Write("a.txt", Quotes("AAA", "Alpha", 20))),
                QString::fromStdString(run.Write("b.txt", Quotes("BBB", "Bravo", 25))),
                QString::fromStdString(run.Write("c.txt", Quotes("CCC", "Charlie", 5)))};
    }
};

void ImportTest::CancelDuringSecondOfThreeFiles() {
    AppRun run;
    run.Start();
    QTRY_COMPARE(run.GuideOpenings, 1);
    brevant::TForm8& update = *run.w().Form8;
    brevant::TForm3& progress = *run.w().Form3;
    run.Ui.FilesToOpen = ThreeFiles(run);
    update.Button2Click();
    run.Main().Lists.PageControl1->setCurrentWidget(run.Main().Lists.TabSheet2);

    // "Cancel" is pressed as soon as the second file is being read; the
    // button's captions are watched while the import lets messages run.
    QStringList captions;
    int clicks = 0;
    QTimer press;
    press.setInterval(0);
    QObject::connect(&press, &QTimer::timeout, [&] {
        const QString caption = progress.Button1->text();
        if (captions.isEmpty() || captions.last() != caption) captions << caption;
        if (progress.Label5->text() == "2") {
            ++clicks;
            progress.Button1Click();
        }
    });
    press.start();
    update.Buttom1Click();
    press.stop();

    QVERIFY(clicks > 0);
    QCOMPARE(captions, QStringList({"Cancel", "Please wait...", "Organizing Data.."}));
    QCOMPARE(progress.Button1->text(), QString("Complete"));
    QCOMPARE(progress.Label6->text(), QString("25")); // the second file, read to its end
    QVERIFY(run.Ui.Messages.size() == 1);             // the start-up greeting only
    QCOMPARE(run.Main().Lists.PageControl1->currentWidget(), run.Main().Lists.TabSheet1);
    QCOMPARE(Items(run.Main().Lists.ListBox1), QStringList({"Alpha , AAA", "Bravo , BBB"}));
    QCOMPARE(run.Main().Lists.ListBox1->currentRow(), 0);
    QCOMPARE(run.Main().windowTitle(), QString(" Brevant Dira          Alpha , AAA"));

    // "Complete" brings back the update window.
    QVERIFY(!update.isVisible());
    progress.Button1Click();
    QVERIFY(!progress.isVisible());
    QVERIFY(update.isVisible());
    update.Button3Click();
}

// The files before the failure are stored: the stock list shows them.
void ImportTest::UnreadableThirdFileStopsAndReloadsTheStoredFiles() {
    AppRun run;
    run.Start();
    QTRY_COMPARE(run.GuideOpenings, 1);
    QStringList files = ThreeFiles(run);
    files[2] = QString::fromStdString(run.Folder()) + "missing.txt";
    run.Ui.FilesToOpen = files;
    brevant::TForm8& update = *run.w().Form8;
    update.show();
    QTest::mouseClick(update.Button2, Qt::LeftButton);
    QTest::mouseClick(update.Button1, Qt::LeftButton);

    QCOMPARE(run.Ui.Messages.size(), 2);
    QCOMPARE(run.Ui.Messages[1], "->ERROR: CANNOT OPEN FILE " + files[2]);
    QVERIFY(update.isVisible());
    QVERIFY(!run.w().Form3->isVisible());
    QCOMPARE(Items(run.Main().Lists.ListBox1), QStringList({"Alpha , AAA", "Bravo , BBB"}));
    // The window tells what each file gave, under the files, and grows for it.
    const QString unreadable = " with an unreadable date (stored under the previous date), "
                               "0 lines with an unreadable number (stored as -99999999), "
                               "0 other lines skipped";
    QVERIFY(update.Summary->isVisible());
    QCOMPARE(update.Summary->toPlainText(),
             "a.txt, native: 20 lines stored, 0 header lines skipped, 0 lines" + unreadable +
                 "\nb.txt, native: 25 lines stored, 0 header lines skipped, 0 lines" + unreadable +
                 "\n->ERROR: CANNOT OPEN FILE " + files[2]);
    QCOMPARE(update.height(), 591 + update.Summary->height() + update.layout()->spacing());
    QVERIFY(update.Summary->geometry().bottom() <
            update.JvLabels.front()->mapTo(&update, QPoint()).y());
    // The next import starts without it; a closed window opens without it.
    run.Ui.FilesToOpen = QStringList(files.mid(0, 1));
    QTest::mouseClick(update.Button2, Qt::LeftButton);
    QTest::mouseClick(update.Button1, Qt::LeftButton);
    QVERIFY(update.Summary->isHidden());
    QCOMPARE(run.w().Form3->Button1->text(), QString("Complete"));
    QTest::mouseClick(run.w().Form3->Button1, Qt::LeftButton);
    QCOMPARE(update.height(), 591);
    run.Ui.FilesToOpen = files;
    QTest::mouseClick(update.Button2, Qt::LeftButton);
    QTest::mouseClick(update.Button1, Qt::LeftButton);
    QVERIFY(update.Summary->isVisible());
    QTest::mouseClick(update.Button3, Qt::LeftButton);
    QVERIFY(update.Summary->isHidden());
    QCOMPARE(update.height(), 591);
}

// A database error in the second file, and a statistics failure after every
// file was stored: the message, then the stock list of what is stored.
void ImportTest::FailedImportReloadsTheStoredFiles() {
    struct Case {
        const char* name;
        const char* breakage;
        const char* inMessage;
        QStringList listed;
        QStringList summaryStarts; // the update window's lines, before the error's
    } cases[] = {
        {"second file fails",
         "DROP TABLE SPLIT",
         "SPLIT",
         {"Alpha , AAA"},
         {"a.txt, native: 20 lines stored", "b.txt, native: nothing stored"}},
        {"statistics fail",
         "DROP INDEX IDX1",
         "IDX1",
         {"Alpha , AAA", "Bravo , BBB", "Charlie , CCC"},
         {"a.txt, native: 20 lines stored", "b.txt, native: 3 lines stored",
          "c.txt, native: 5 lines stored"}},
    };
    for (const Case& c : cases) {
        AppRun run;
        run.Start();
        QTRY_COMPARE(run.GuideOpenings, 1);
        QStringList files = ThreeFiles(run);
        std::string withDividend = Quotes("BBB", "Bravo", 3);
        withDividend.insert(withDividend.size() - 1, ",*Dividend,0.25,,:,");
        files[1] = QString::fromStdString(run.Write("b.txt", withDividend));
        {
            brevant::TFBLTransaction t(&run.Main().Store().DB1);
            brevant::TFBLDsql q(&t);
            t.StartTransaction();
            q.SetSQL(c.breakage);
            q.ExecSQL();
            t.Commit();
        }
        run.Ui.FilesToOpen = files;
        brevant::TForm8& update = *run.w().Form8;
        update.show();
        QTest::mouseClick(update.Button2, Qt::LeftButton);
        QTest::mouseClick(update.Button1, Qt::LeftButton);

        QVERIFY2(run.Ui.Messages.size() == 2, c.name);
        QVERIFY2(run.Ui.Messages[1].contains(c.inMessage), qPrintable(run.Ui.Messages[1]));
        QVERIFY2(update.isVisible(), c.name);
        // The engine's message may take several lines.
        const QStringList summary = update.Summary->toPlainText().split('\n');
        QVERIFY(summary.size() > c.summaryStarts.size());
        for (int i = 0; i < c.summaryStarts.size(); ++i)
            QVERIFY2(summary[i].startsWith(c.summaryStarts[i]), qPrintable(summary[i]));
        QCOMPARE(summary[c.summaryStarts.size()], run.Ui.Messages[1].split('\n').front().trimmed());
        QVERIFY(summary.mid(c.summaryStarts.size()).join(' ').contains(c.inMessage));
        QVERIFY2(!run.w().Form3->isVisible(), c.name);
        QCOMPARE(Items(run.Main().Lists.ListBox1), c.listed);
        update.Button3Click();
    }
}

// The box only shows what "Browse..." chose; typing there changes nothing.
void ImportTest::FileBoxIsReadOnlyAndListsTheFilesInItsTooltip() {
    AppRun run;
    run.Start();
    QTRY_COMPARE(run.GuideOpenings, 1);
    brevant::TForm8& update = *run.w().Form8;
    update.show();
    QTest::keyClicks(update.Edit13, "/tmp/typed.txt");
    QCOMPARE(update.Edit13->text(), QString());
    QTest::mouseClick(update.Button1, Qt::LeftButton);
    QCOMPARE(run.w().Form3->Button1->text(), QString("Done")); // nothing started

    const QStringList files = ThreeFiles(run);
    run.Ui.FilesToOpen = files;
    QTest::mouseClick(update.Button2, Qt::LeftButton);
    QTest::keyClick(update.Edit13, Qt::Key_End);
    QTest::keyClicks(update.Edit13, "more");
    QTest::keyClick(update.Edit13, Qt::Key_Backspace);
    QCOMPARE(update.Edit13->text(), files.join(QString()));
    QCOMPARE(update.Edit13->toolTip(), files.join('\n'));
    update.Button3Click();
}

void ImportTest::CompleteShowsWhatEachFileGave() {
    AppRun run;
    run.Start();
    QTRY_COMPARE(run.GuideOpenings, 1);
    const std::string odd = "<ticker>,<name>\n" + Quote("BBB", "Bravo", 2) +
                            "BBB,Bravo,31022024,1,2,0.5,1.5,100\n" +
                            "BBB,Bravo,05012024,x,2,0.5,1.5,100\n" + "not a quote line\n";
    run.Ui.FilesToOpen = {QString::fromStdString(run.Write("a.txt", Quotes("AAA", "Alpha", 20))),
                          QString::fromStdString(run.Write("b.txt", odd))};
    brevant::TForm8& update = *run.w().Form8;
    brevant::TForm3& progress = *run.w().Form3;
    update.show();
    QTest::mouseClick(update.Button2, Qt::LeftButton);
    QTest::mouseClick(update.Button1, Qt::LeftButton);

    QCOMPARE(progress.Button1->text(), QString("Complete"));
    QVERIFY(progress.Summary->isVisible());
    QCOMPARE(
        progress.Summary->toPlainText(),
        QString("a.txt, native: 20 lines stored, 0 header lines skipped, 0 lines with an "
                "unreadable date (stored under the previous date), 0 lines with an "
                "unreadable number (stored as -99999999), 0 other lines skipped\n"
                "b.txt, native: 3 lines stored, 1 header line skipped, 1 line with an unreadable "
                "date (stored under the previous date), 1 line with an unreadable number "
                "(stored as -99999999), 1 other line skipped (not in the quote format)"));
    QCOMPARE(progress.Label5->text(), QString("2"));
    QCOMPARE(progress.Label6->text(), QString("3"));
    QVERIFY2(progress.Label7->text().startsWith("100%  "), qPrintable(progress.Label7->text()));
    QVERIFY(progress.Label7->text().contains(" lines/s"));
    // Every figure shows in full.
    QVERIFY(progress.Label7->width() >= progress.Label7->sizeHint().width());

    QTest::mouseClick(progress.Button1, Qt::LeftButton);
    QVERIFY(update.isVisible());
    // The next import starts without the last one's figures.
    QTest::mouseClick(update.Button1, Qt::LeftButton);
    QCOMPARE(progress.Button1->text(), QString("Complete"));
    QVERIFY(progress.Summary->toPlainText().startsWith("a.txt, native: 20 lines stored"));
    progress.Button1Click();
    update.Button3Click();
}

// Native and CSV files chosen together, one of them refused: the others are
// stored, and the end shows each file's layout and skipped lines.
void ImportTest::MixedLayoutsShowTheirLayoutAndSkippedLines() {
    AppRun run;
    run.Start();
    QTRY_COMPARE(run.GuideOpenings, 1);
    const std::string perSymbol = "Date,Open,High,Low,Close,Adj Close,Volume\r\n"
                                  "2025-08-04,15.66,15.71,15.50,15.53,15.21,853287\r\n"
                                  "2025-02-30,15.55,15.90,15.41,15.88,15.55,912004\r\n"
                                  "2025-08-06,15.80,16.02,15.75,15.97,15.64,700150\r\n";
    const std::string manySymbols = "\xEF\xBB\xBF<TICKER>,<PER>,<DATE>,<TIME>,<OPEN>,<HIGH>,<LOW>,"
                                    "<CLOSE>,<VOL>,<OPENINT>\n"
                                    "ZEN.US,D,20250804,000000,1,2,0.5,1.5,100,0\n"
                                    "ZEN.US,5,20250804,153000,1,2,0.5,1.5,100,0\n"
                                    "QRK,D,20250804,000000,1,2,0.5,x,100,0\n";
    const std::string refused = run.Write("odd.csv", "Date,Close\n2025-08-04,1.5\n");
    run.Ui.FilesToOpen = {QString::fromStdString(run.Write("a.txt", Quotes("AAA", "Alpha", 20))),
                          QString::fromStdString(run.Write("ACME.csv", perSymbol)),
                          QString::fromStdString(refused),
                          QString::fromStdString(run.Write("many.txt", manySymbols))};
    brevant::TForm8& update = *run.w().Form8;
    brevant::TForm3& progress = *run.w().Form3;
    update.show();
    QTest::mouseClick(update.Button2, Qt::LeftButton);
    QTest::mouseClick(update.Button1, Qt::LeftButton);

    QCOMPARE(progress.Button1->text(), QString("Complete"));
    QCOMPARE(progress.Summary->toPlainText(),
             QString("a.txt, native: 20 lines stored, 0 header lines skipped, 0 lines with an "
                     "unreadable date (stored under the previous date), 0 lines with an "
                     "unreadable number (stored as -99999999), 0 other lines skipped\n"
                     "ACME.csv, CSV (ACME): 2 lines stored, 1 header line skipped, 1 other line "
                     "skipped (bad date 1)\n"
                     "->ERROR: UNRECOGNISED FILE LAYOUT ") +
                 QString::fromStdString(refused) +
                 " (no Open, High, Low column): Date,Close\n"
                 "many.txt, CSV (many symbols): 1 line stored, 1 header line skipped, 2 other "
                 "lines skipped (bad number 1, not a daily row 1)");
    // The layout of the file read last stays in the progress.
    QCOMPARE(progress.Label8->text(), QString("CSV (many symbols)"));
    QCOMPARE(progress.Label5->text(), QString("4"));
    QCOMPARE(run.Ui.Messages.size(), 1); // the start-up greeting only: no message box
    QCOMPARE(Items(run.Main().Lists.ListBox1),
             QStringList({"ACME , ACME", "Alpha , AAA", "ZEN.US , ZEN.US"}));
    progress.Button1Click();
    update.Button3Click();
}

void ImportTest::SplitListAfterImport() {
    AppRun run;
    run.Start();
    QTRY_COMPARE(run.GuideOpenings, 1);
    const QTableWidget* grid = run.w().Form10->JvStringGrid1;
    run.w().Form10->FormShow();
    QCOMPARE(grid->rowCount(), 1);
    QCOMPARE(Row(grid, 0), QStringList({"", "", "No information available", ""}));

    std::string text = Quote("ABC", "ABC HOLDINGS", 3);
    text.insert(text.size() - 1, ",*Dividend,0.25,,:,");
    std::string split = Quote("ABC", "ABC HOLDINGS", 20);
    split.insert(split.size() - 1, ",,,*Split,2:1,");
    // Stored as 0.349999994: rounded, not cut, at the third decimal.
    std::string rounded = Quote("ABC", "ABC HOLDINGS", 10);
    rounded.insert(rounded.size() - 1, ",*Dividend,0.35,,:,");
    run.Ui.FilesToOpen = {QString::fromStdString(run.Write("actions.txt", text + rounded + split))};
    run.w().Form8->Button2Click();
    run.w().Form8->Buttom1Click();
    QCOMPARE(run.w().Form3->Button1->text(), QString("Complete"));

    // Refilled on every showing, newest first.
    run.w().Form10->show();
    QCOMPARE(grid->rowCount(), 3);
    QCOMPARE(Row(grid, 0), QStringList({"20.01.2024", "ABC", "ABC HOLDINGS", "Split ( 2:1 )"}));
    QCOMPARE(Row(grid, 1),
             QStringList({"10.01.2024", "ABC", "ABC HOLDINGS", "Dividend ( 0.350 )"}));
    QCOMPARE(Row(grid, 2), QStringList({"03.01.2024", "ABC", "ABC HOLDINGS", "Dividend ( 0.25 )"}));
    QCOMPARE(grid->horizontalHeaderItem(3)->text(), QString("Action"));
    run.w().Form10->Button2Click();
    QVERIFY(!run.w().Form10->isVisible());
}

// The window toolkit takes the C library's numeric locale from the user's
// environment; the list's texts stay the same.
void ImportTest::SplitListUnderACommaDecimalLocale() {
    const brevant::testing::NumericLocale comma(brevant::testing::kCommaLocale);
    QVERIFY2(comma.Installed(), "the comma-decimal locale is not installed");
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const auto restore = qScopeGuard([&] { QLocale::setDefault(previous); });
    AppRun run;
    run.Start();
    QTRY_COMPARE(run.GuideOpenings, 1);
    QCOMPARE(run.Main().DecimalSeparator(), ',');
    run.Ui.FilesToOpen = {QString::fromStdString(
        run.Write("actions.txt", "ABC,ABC HOLDINGS,03012024,10,11,9,10,1000,*Dividend,0.25,,:,\n"
                                 "ABC,ABC HOLDINGS,20012024,10,11,9,10,1000,,,*Split,2:1,\n"))};
    run.w().Form8->Button2Click();
    run.w().Form8->Buttom1Click();
    QCOMPARE(run.w().Form3->Button1->text(), QString("Complete"));
    run.w().Form3->Button1Click();
    run.w().Form8->Button3Click();

    // The list as the Data menu opens it.
    QStringList split, dividend;
    QTimer::singleShot(0, [&] {
        split = Row(run.w().Form10->JvStringGrid1, 0);
        dividend = Row(run.w().Form10->JvStringGrid1, 1);
        run.w().Form10->Button2Click();
    });
    run.Main().Menu.UndoStockSplitDividend1Click();
    QCOMPARE(split, QStringList({"20.01.2024", "ABC", "ABC HOLDINGS", "Split ( 2:1 )"}));
    QCOMPARE(dividend, QStringList({"03.01.2024", "ABC", "ABC HOLDINGS", "Dividend ( 0,25 )"}));
}

void ImportTest::DecimalSeparatorOutsideLatin1_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("Arabic") << QLocale(QLocale::Arabic, QLocale::Egypt);
    QTest::newRow("Persian") << QLocale(QLocale::Persian, QLocale::Iran);
}

// The program's texts are 8-bit; a separator it cannot hold gives way to ".",
// and prices with decimals are read, not stored as -99999999.
void ImportTest::DecimalSeparatorOutsideLatin1() {
    QFETCH(QLocale, locale);
    QVERIFY(locale.decimalPoint().front().unicode() > 0xFF);
    const QLocale previous;
    QLocale::setDefault(locale);
    const auto restore = qScopeGuard([&] { QLocale::setDefault(previous); });
    AppRun run;
    run.Start();
    QTRY_COMPARE(run.GuideOpenings, 1);
    QCOMPARE(run.Main().DecimalSeparator(), '.');
    run.Ui.FilesToOpen = {QString::fromStdString(
        run.Write("prices.txt", "ABC,ABC HOLDINGS,03012024,12.25,13.5,11.75,12.5,1000\n"))};
    run.w().Form8->Button2Click();
    run.w().Form8->Buttom1Click();
    QCOMPARE(run.w().Form3->Button1->text(), QString("Complete"));
    run.w().Form3->Button1Click();
    run.w().Form8->Button3Click();
    QCOMPARE(Items(run.Main().Lists.ListBox1), QStringList({"ABC HOLDINGS , ABC"}));
    QCOMPARE(run.Main().Bars.size(), std::size_t(1));
    const brevant::TStockBar& bar = run.Main().Bars.front();
    QCOMPARE(QList<double>({bar.Open, bar.High, bar.Low, bar.Close}),
             QList<double>({12.25, 13.5, 11.75, 12.5}));
}

void ImportTest::BrowseShowsChosenFiles() {
    AppRun run;
    run.Start();
    QTRY_COMPARE(run.GuideOpenings, 1);
    brevant::TForm8& update = *run.w().Form8;
    const QStringList files = ThreeFiles(run);
    run.Ui.FilesToOpen = files;
    update.Button2Click();
    // Every layout the import reads first; the import's own files and all files beside them.
    QCOMPARE(run.Ui.OpenFilters,
             QStringList({"Quote files (*.txt *.csv *.prn);;Text Only (*.txt);;All files (*)"}));
    QCOMPARE(update.Edit13->text(), files.join(QString()));
    // A cancelled dialog keeps the earlier choice.
    run.Ui.FilesToOpen.clear();
    update.Button2Click();
    QCOMPARE(update.ChosenFiles(), files);
    // An empty edit box starts nothing.
    update.Edit13->clear();
    update.Buttom1Click();
    QVERIFY(!run.w().Form3->isVisible());
    QCOMPARE(run.w().Form3->Button1->text(), QString("Done"));
}

// Qt's own file dialog, as the program shows it: a CSV download is listed
// without the user changing the filter first.
void ImportTest::BrowseDialogOpensOnQuoteFiles() {
    AppRun run;
    run.Start();
    QTRY_COMPARE(run.GuideOpenings, 1);
    const std::string csv = run.Write("download.csv", "Date,Open,High,Low,Close,Volume\n");
    brevant::ui::UserInterface* scripted = brevant::ui::SetUi(nullptr);
    const auto restore = qScopeGuard([scripted] { brevant::ui::SetUi(scripted); });
    brevant::TForm8& update = *run.w().Form8;
    update.show();
    QString filter;
    bool csvListed = false;
    QTimer watch;
    watch.setInterval(20);
    connect(&watch, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        watch.stop();
        filter = dialog->selectedNameFilter();
        dialog->setDirectory(QString::fromStdString(run.Folder()));
        // The list and detail views show one model of the folder.
        auto* files = dialog->findChild<QAbstractItemView*>("treeView");
        const auto listed = [files] {
            if (!files) return false;
            const QModelIndex folder = files->rootIndex();
            for (int r = 0; r < files->model()->rowCount(folder); ++r)
                if (files->model()->index(r, 0, folder).data() == "download.csv") return true;
            return false;
        };
        // The folder is read in the background.
        csvListed = QTest::qWaitFor(listed, 3000);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    watch.start();
    QTest::mouseClick(update.Button2, Qt::LeftButton);
    QCOMPARE(filter, QString("Quote files (*.txt *.csv *.prn)"));
    QVERIFY(csvListed);
    QVERIFY(QFileInfo::exists(QString::fromStdString(csv)));
    QCOMPARE(update.Edit13->text(), QString()); // cancelled: nothing chosen
    update.Button3Click();
}

void ImportTest::SplitEntryWindowOnlyCancels() {
    brevant::TForm9 entry;
    entry.show();
    const QList<QWidget*> inputs = {
        entry.ComboBox1,   entry.JvDateTimePicker1, entry.JvSpinEdit1,
        entry.JvSpinEdit2, entry.ComboBox2,         entry.JvDateTimePicker3,
        entry.JvSpinEdit4, entry.Button1,           entry.Button2};
    for (const QWidget* input : inputs) QVERIFY(!input->isEnabled());
    QCOMPARE(entry.ComboBox1->currentText(), QString("Select your stock"));
    QVERIFY(entry.Button3->isEnabled());
    entry.Button3->click();
    QVERIFY(!entry.isVisible());
}

// At the default font every control of the window shows whole: inside the
// window and no smaller than it needs.
void ImportTest::SplitEntryWindowShowsEveryControlWhole() {
    AppRun run;
    run.Prefill({run.Write("q.txt", Quotes("ACM", "Acme Corp", 2))});
    run.Start();
    brevant::TForm9& entry = *run.w().Form9;
    QStringList clipped;
    QTimer::singleShot(0, [&] {
        const QRect window = entry.rect();
        for (QWidget* control : entry.findChildren<QWidget*>()) {
            const bool own = qobject_cast<QLabel*>(control) || qobject_cast<QGroupBox*>(control) ||
                             qobject_cast<QComboBox*>(control) ||
                             qobject_cast<QAbstractSpinBox*>(control) ||
                             qobject_cast<QPushButton*>(control);
            if (!own || !control->isVisible()) continue;
            const auto* label = qobject_cast<QLabel*>(control);
            const QSize need = label && label->wordWrap()
                                   ? QSize(0, label->heightForWidth(label->width()))
                               : label ? label->sizeHint()
                                       : control->minimumSizeHint();
            const QRect place(control->mapTo(&entry, QPoint(0, 0)), control->size());
            if (!window.contains(place) || control->width() < need.width() ||
                control->height() < need.height()) {
                const QString name = label ? label->text() : control->metaObject()->className();
                clipped << name.left(40);
            }
        }
        entry.Button3Click();
    });
    run.Main().Menu.ManageStockSplitDivident1Click();
    QVERIFY(!entry.isVisible());
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(" | ")));
    // Still a window of the size the user cannot change, with no close box.
    QCOMPARE(entry.minimumSize(), entry.maximumSize());
    QVERIFY(!(entry.windowFlags() & Qt::WindowCloseButtonHint));
}

void ImportTest::ReloadErrorStillEndsOnComplete() {
    AppRun run;
    run.Start();
    QTRY_COMPARE(run.GuideOpenings, 1);
    run.Ui.FilesToOpen = {QString::fromStdString(run.Write("a.txt", Quotes("AAA", "Alpha", 3)))};
    run.w().Form8->Button2Click();
    // A transaction left open makes the stock list's reload fail.
    run.Main().Store().TR1.StartTransaction();
    run.w().Form8->Buttom1Click();
    run.Main().Store().TR1.Rollback();
    QCOMPARE(run.Ui.Messages.size(), 2);
    QVERIFY(run.Ui.Messages[1].contains("active"));
    QCOMPARE(run.w().Form3->Button1->text(), QString("Complete"));
    run.w().Form3->Button1Click();
    QVERIFY(run.w().Form8->isVisible());
    run.w().Form8->Button3Click();
}

BREVANT_QTEST_MAIN(ImportTest)
#include "import_test.moc"
