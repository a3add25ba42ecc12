// Brevant Dira — start-up, minimizing and shutdown of the program.
#include <QListWidget>
#include <QProcess>
#include <QScopeGuard>
#include <QTabWidget>

#include "app/help_window.h"
#include "app/stock_list_box.h"
#include "app_fixture.h"
#include "store/bootstrap.h"
#include "ta/locale_settings.h"

using brevant::TForm1;
using brevant::testing::AppRun;
using brevant::testing::Quotes;

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void FirstRunInEmptyFolder();
    void SecondRunAfterImport();
    void UnusableDatabaseEndsWithOneMessage();
    void DatabaseHeldByAnotherProgramIsNamed();
    void NoFolderForTheDatabaseEndsNamingTheOption();
    void MinimizeTakesEveryWindow();
    void CloseAndExitDisconnect_data();
    void CloseAndExitDisconnect();
    void LoadOptionsKeepsProgramDates_data();
    void LoadOptionsKeepsProgramDates();
};

void StartupTest::FirstRunInEmptyFolder() {
    AppRun run;
    run.Start();
    QCOMPARE(run.SplashTexts,
             QStringList({"Done.", "Creating empty database...", "Creating table...",
                          "Checking database...", "Loading Setting...", "Database empty.."}));
    QCOMPARE(run.Ui.Messages.size(), 1);
    QVERIFY(run.Ui.Messages[0].startsWith(
        "Congratulation! You have successfully install the software.\r\n"));
    QVERIFY(run.Ui.Messages[0].contains("please visit www.brevant-dira.example and go to"));
    QVERIFY(run.Ui.Messages[0].endsWith("choose \r\nUpdate Database. Thank you."));
    QVERIFY(run.Main().windowState() & Qt::WindowMaximized);
    QVERIFY(!run.w().Form4->isVisible());
    QCOMPARE(run.Main().Lists.ListBox1->count(), 0);
    QCOMPARE(run.Main().windowTitle(), QString(TForm1::kCaption));
    // The guide opens once, about 150 ms after the window came up, and not again.
    QTRY_COMPARE(run.GuideOpenings, 1);
    QTest::qWait(400);
    QCOMPARE(run.GuideOpenings, 1);
}

void StartupTest::SecondRunAfterImport() {
    AppRun run;
    // Listed by full name, ignoring case: "alpha Mills" comes before "Bravo Corp".
    run.Prefill(
        {run.Write("q.txt", Quotes("BRV", "Bravo Corp", 5) + Quotes("ZZA", "alpha Mills", 3))});
    run.Start();
    QVERIFY(run.Ui.Messages.isEmpty());
    QCOMPARE(run.Main().Lists.ListBox1->count(), 2);
    QCOMPARE(run.Main().Lists.ListBox1->currentRow(), 0);
    QCOMPARE(run.Main().Lists.ListBox1->currentItem()->text(), QString("alpha Mills , ZZA"));
    QCOMPARE(run.Main().windowTitle(), QString(" Brevant Dira          alpha Mills , ZZA"));
    QCOMPARE(run.Main().Bars.size(), std::size_t(3));
    QTest::qWait(300);
    QCOMPARE(run.GuideOpenings, 0);
}

void StartupTest::UnusableDatabaseEndsWithOneMessage() {
    AppRun run;
    run.Start(QString::fromStdString(run.Folder()) + "no-such-folder/BREVDATA.BVD");
    QTest::qWait(400);
    QCOMPARE(run.Ui.Messages, QStringList({QString::fromStdString(brevant::MissingFileMessage())}));
    QVERIFY(run.Main().Closing());
    QVERIFY(!run.Main().isVisible());
    QVERIFY(!run.w().Form4->isVisible());
    QCOMPARE(run.GuideOpenings, 0);
}

// Another process's embedded engine holds the file (a window or brevant-cli
// already running): the message says so, and the program ends.
void StartupTest::DatabaseHeldByAnotherProgramIsNamed() {
    AppRun run;
    run.Prefill({});
    const QString database = QString::fromStdString(run.DatabaseFile());
    const QString ready = QString::fromStdString(run.Folder()) + "ready";
    const QString release = QString::fromStdString(run.Folder()) + "release";
    QProcess holder;
    holder.start(HOLD_OPEN_PATH, {database, ready, release});
    const auto releaseHolder = qScopeGuard([&] {
        QFile(release).open(QIODevice::WriteOnly);
        holder.waitForFinished(30000);
    });
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(ready), 20000);
    run.Start();
    QTest::qWait(400);
    QCOMPARE(run.Ui.Messages.size(), 1);
    QVERIFY2(run.Ui.Messages[0].startsWith("The database is in use by another program:\r\n" +
                                           database + "\r\n"),
             qPrintable(run.Ui.Messages[0]));
    QVERIFY(run.Main().Closing());
    QVERIFY(!run.Main().isVisible());
}

// An installed program (its folder not writable) with neither HOME nor
// XDG_DATA_HOME set: no database in a temporary folder that the next reboot
// empties, but a message naming the option that names a file.
void StartupTest::NoFolderForTheDatabaseEndsNamingTheOption() {
    const QByteArray home = qgetenv("HOME"), xdg = qgetenv("XDG_DATA_HOME");
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", home);
        if (xdg.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", xdg);
    });
    qunsetenv("HOME");
    qunsetenv("XDG_DATA_HOME");
    AppRun run;
    brevant::TStartOptions options;
    // Not writable even for root: it does not exist.
    options.ProgramDir = QString::fromStdString(run.Folder()) + "installed/";
    run.StartWith(options);
    QTest::qWait(400);
    QCOMPARE(run.Ui.Messages.size(), 1);
    QVERIFY2(run.Ui.Messages[0].contains("--db"), qPrintable(run.Ui.Messages[0]));
    QVERIFY(run.Main().Closing());
    QVERIFY(!run.Main().Store().DB1.Connected());
    QVERIFY(!run.Main().isVisible());
    QCOMPARE(run.GuideOpenings, 0);
}

void StartupTest::MinimizeTakesEveryWindow() {
    AppRun run;
    run.InstallHelp();
    run.Prefill({run.Write("q.txt", Quotes("ACM", "Acme Corp", 4))});
    run.Start();
    run.w().HelpWindow->ShowPage(QString::fromStdString(run.Folder()) + "Brevhelp/index.htm");
    QVERIFY(run.w().HelpWindow->isVisible());

    run.Main().setWindowState(Qt::WindowMinimized);
    QVERIFY(!run.w().HelpWindow->isVisible());
    run.Main().setWindowState(Qt::WindowMaximized);
    QVERIFY(run.w().HelpWindow->isVisible());
    QCOMPARE(run.Main().Lists.ListBox1->currentItem()->text(), QString("Acme Corp , ACM"));
}

void StartupTest::CloseAndExitDisconnect_data() {
    QTest::addColumn<bool>("viaExit");
    QTest::newRow("close box") << false;
    QTest::newRow("Exit") << true;
}

void StartupTest::CloseAndExitDisconnect() {
    QFETCH(bool, viaExit);
    AppRun run;
    run.Start();
    QTRY_COMPARE(run.GuideOpenings, 1);
    QVERIFY(run.Main().Store().DB1.Connected());
    if (viaExit)
        run.Main().Menu.Exit2Click();
    else
        run.Main().close();
    QVERIFY(!run.Main().Store().DB1.Connected());
    QVERIFY(!run.Main().isVisible());
    QVERIFY(!run.w().Form4->isVisible());
    // A second request while ending is harmless.
    run.Main().FormClose();
    run.Main().close();
    QVERIFY(!run.Main().Store().DB1.Connected());
}

void StartupTest::LoadOptionsKeepsProgramDates_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<char>("decimal");
    QTest::addColumn<char>("dateSeparator");
    QTest::newRow("point") << "en_US" << '.' << '/';
    QTest::newRow("comma") << "de_DE" << ',' << '.';
}

void StartupTest::LoadOptionsKeepsProgramDates() {
    QFETCH(QString, locale);
    QFETCH(char, decimal);
    QFETCH(char, dateSeparator);
    const QLocale previous;
    QLocale::setDefault(QLocale(locale));
    TForm1 form({});
    form.LoadOptions();
    QLocale::setDefault(previous);
    QCOMPARE(form.ProgramLocale().DecimalSeparator, decimal);
    QCOMPARE(form.DecimalSeparator(), decimal);
    QCOMPARE(form.ProgramLocale().DateSeparator, '.');
    QCOMPARE(form.ProgramLocale().ShortDateFormat, std::string("dd.mm.yyyy"));
    // The process keeps the user's own formats.
    QCOMPARE(brevant::ProcessFormats().DecimalSeparator, decimal);
    QCOMPARE(brevant::ProcessFormats().DateSeparator, dateSeparator);
}

BREVANT_QTEST_MAIN(StartupTest)
#include "startup_test.moc"
