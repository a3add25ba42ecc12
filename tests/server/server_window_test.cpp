// Brevant Dira — the window against a database on a Firebird server, started
// by server_window_test.sh: the login refused and the password asked for,
// the stock list, a chart, a scan that notices another client's import, and
// the server going away under the running window and under a scan.
#include <QCheckBox>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <csignal>

#include "app/app_fixture.h"
#include "app/main_window.h"
#include "app/stock_list_box.h"
#include "screen/ui/filter_window.h"
#include "screen/ui/scan_progress_window.h"
#include "ui/clamping_spin_edit.h"

using brevant::TForm1;
using brevant::testing::AppRun;

namespace {

QString Env(const char* name) {
    return qEnvironmentVariable(name);
}

} // namespace

class ServerWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void RefusedLoginAsksForThePassword();
    void ChartsAStock();
    void ScansAndSeesAnotherClientsImport();
    void LostConnectionIsToldAndTheWindowStays();

private:
    TForm1& Main() { return run_->Main(); }
    QStringList ScanResults() {
        brevant::TForm2& form2 = *run_->w().Form2;
        brevant::TForm5& form5 = *run_->w().Form5;
        if (form5.isVisible()) form5.Button1Click(); // "Complete"
        form2.ClearAllFilter();
        form2.Basic.CheckBox4->setChecked(true); // volume
        form2.Basic.SpinEdit7->setValue(1000);
        form2.show();
        form2.Button1->click();
        QStringList items;
        for (int i = 0; i < Main().Lists.ListBox2->count(); ++i)
            items << Main().Lists.ListBox2->item(i)->text();
        return items;
    }
    std::unique_ptr<AppRun> run_;
};

void ServerWindowTest::initTestCase() {
    QVERIFY2(!Env("BREVANT_SERVER_DB").isEmpty(), "run through server_window_test.sh");
    run_ = std::make_unique<AppRun>();
}

void ServerWindowTest::RefusedLoginAsksForThePassword() {
    // ISC_PASSWORD is wrong on purpose: the window asks, once.
    run_->Ui.Passwords = {Env("BREVANT_SERVER_PASSWORD")};
    run_->Start(Env("BREVANT_SERVER_DB"));
    QVERIFY2(!Main().Closing(), qPrintable(run_->Ui.Messages.join(" | ")));
    QCOMPARE(run_->Ui.PasswordPrompts.size(), 1);
    QVERIFY(run_->Ui.PasswordPrompts[0].contains("refused the login of user " + Env("ISC_USER")));
    QCOMPARE(Main().Lists.ListBox1->count(), 3);
}

void ServerWindowTest::ChartsAStock() {
    Main().Lists.ListBox1->setCurrentRow(1);
    Main().LoadDataForName("S Corp 1 , S001", true);
    QCOMPARE(int(Main().Bars.size()), 40);
    QVERIFY(run_->Ui.Messages.isEmpty());
}

void ServerWindowTest::ScansAndSeesAnotherClientsImport() {
    QCOMPARE(ScanResults().size(), 3);
    // Another client imports five more days of S001; the bars this window
    // read before (its bar cache) must not hide them.
    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("ISC_PASSWORD", Env("BREVANT_SERVER_PASSWORD"));
    cli.setProcessEnvironment(environment);
    cli.start(Env("BREVANT_CLI"),
              {"--db", Env("BREVANT_SERVER_DB"), "import", Env("BREVANT_MORE_QUOTES")});
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 0);
    Main().LoadDataForName("S Corp 0 , S000", true);
    QCOMPARE(int(Main().Bars.size()), 40);
    Main().LoadDataForName("S Corp 1 , S001", true);
    QCOMPARE(int(Main().Bars.size()), 45);
    QCOMPARE(ScanResults().size(), 3);
    QVERIFY(run_->Ui.Messages.isEmpty());
}

void ServerWindowTest::LostConnectionIsToldAndTheWindowStays() {
    const int server = Env("BREVANT_SERVER_PID").toInt();
    QVERIFY(server > 0);
    QCOMPARE(::kill(server, SIGKILL), 0);
    QTest::qWait(500);
    // As a click on a stock would: through the event loop.
    QMetaObject::invokeMethod(
        &Main(), [this] { Main().LoadDataForName("S Corp 2 , S002", true); }, Qt::QueuedConnection);
    QTRY_VERIFY_WITH_TIMEOUT(!run_->Ui.Messages.isEmpty(), 20000);
    QVERIFY2(run_->Ui.Messages.last().contains("connection to the database server was lost"),
             qPrintable(run_->Ui.Messages.last()));
    QVERIFY(run_->Ui.Messages.last().contains("start it again to reconnect"));
    QVERIFY(Main().isVisible());
    // A scan meets the same, and says so in the words of an import.
    const qsizetype told = run_->Ui.Messages.size();
    ScanResults();
    QCOMPARE(run_->Ui.Messages.size(), told + 1);
    QVERIFY2(run_->Ui.Messages.last().startsWith("the connection to the database server was lost; "
                                                 "the work in progress was not stored."),
             qPrintable(run_->Ui.Messages.last()));
    QVERIFY(Main().isVisible());
}

BREVANT_QTEST_MAIN(ServerWindowTest)
#include "server_window_test.moc"
