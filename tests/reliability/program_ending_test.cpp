// How the running program ends when asked from outside its windows (a stop
// signal, the session's end), in one process on the offscreen platform: the
// work under way reaches its safe point first, then every event loop returns.
// Each case runs the program's event loop with QCoreApplication::exec, as
// main() does, and reads the status it returns.
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "app/app_fixture.h"
#include "app/program_ending.h"
#include "app/stock_list_box.h"
#include "screen/ui/filter_window.h"
#include "screen/ui/scan_progress_window.h"
#include "store/stock_list.h"
#include "store/ui/progress_window.h"
#include "store/ui/update_window.h"

using namespace brevant;
using namespace brevant::testing;

namespace {

// Polls `reached` while the event loop runs and calls `then` once it holds.
void When(QObject* owner, std::function<bool()> reached, std::function<void()> then) {
    auto* poll = new QTimer(owner);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, owner, [poll, reached, then] {
        if (!reached()) return;
        poll->stop();
        then();
    });
    poll->start();
}

// Runs the program's event loop (ended by QCoreApplication::exit) with a bound.
int RunEventLoop() {
    QTimer bound;
    bound.setSingleShot(true);
    QObject::connect(&bound, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    bound.start(60000);
    return QCoreApplication::exec();
}

// Stocks in the database, by their list texts.
int StockCount(AppRun& run) {
    TStockList list;
    TIndicatorParams params;
    LoadStockList(run.Main().Store(), list, params, {});
    return static_cast<int>(list.Items.size());
}

std::string ManyStocks(const std::string& prefix, int stocks, int days) {
    std::string text;
    for (int s = 0; s < stocks; ++s) {
        const std::string symbol = prefix + std::to_string(1000 + s);
        text += Quotes(symbol, symbol + " Corp", days);
    }
    return text;
}

} // namespace

class ProgramEndingTest : public QObject {
    Q_OBJECT
private slots:
    void ImportStopsAfterItsFileThenTheLoopsReturn();
    void ScanStopsAfterItsStockThenTheLoopsReturn();
    void ModalDialogLoopReturns();
    void CloseDuringAnImportWaitsForTheFile();
};

void ProgramEndingTest::ImportStopsAfterItsFileThenTheLoopsReturn() {
    AppRun run;
    run.Prefill({run.Write("base.txt", Quotes("BASE", "Base Corp", 3))});
    run.Start();
    run.Ui.FilesToOpen = {QString::fromStdString(run.Write("a.txt", ManyStocks("A", 40, 1500))),
                          QString::fromStdString(run.Write("b.txt", ManyStocks("B", 40, 1500)))};
    const TAppWindows& w = run.w();
    QTimer::singleShot(0, w.Form1, [&] { run.Main().Menu.UpdateData1Click(); });
    QTimer::singleShot(20, w.Form8, [&] {
        w.Form8->Button2Click();
        w.Form8->Buttom1Click();
    });
    bool running = false;
    When(
        w.Form1, [&] { return w.Form3->isVisible() && !w.Form3->Label6->text().isEmpty(); },
        [&] {
            running = OperationRunning(w);
            RequestProgramEnd(w, 143);
        });
    QCOMPARE(RunEventLoop(), 143);
    QVERIFY(running);
    QVERIFY(!OperationRunning(w));
    // The first file whole, the second never begun; the list was reloaded.
    QCOMPARE(w.Form3->Label5->text(), QString("1"));
    QCOMPARE(StockCount(run), 41);
    QCOMPARE(run.Main().Lists.ListBox1->count(), 41);
}

void ProgramEndingTest::ScanStopsAfterItsStockThenTheLoopsReturn() {
    AppRun run;
    run.Prefill({run.Write("many.txt", ManyStocks("S", 400, 300))});
    run.Start();
    const TAppWindows& w = run.w();
    w.Form2->ClearAllFilter();
    w.Form2->Basic.CheckBox4->setChecked(true);
    QTimer::singleShot(0, w.Form1, [&] { run.Main().Menu.ScanNow1Click(); });
    QTimer::singleShot(20, w.Form2, [&] { w.Form2->Button1Click(); });
    // Asked while the run reads the prices: from memory the screening itself
    // is over in moments. The run then ends after one stock.
    When(
        w.Form1, [&] { return w.Form5->isVisible(); }, [&] { RequestProgramEnd(w, 130); });
    QCOMPARE(RunEventLoop(), 130);
    QCOMPARE(w.Form5->Button1->text(), QString("Complete"));
    const QString processed = w.Form5->Label2->text();
    QVERIFY2(processed.endsWith(" from 400") && !processed.startsWith("400 "),
             qPrintable(processed));
}

void ProgramEndingTest::ModalDialogLoopReturns() {
    AppRun run;
    run.Prefill({run.Write("base.txt", Quotes("BASE", "Base Corp", 3))});
    run.Start();
    const TAppWindows& w = run.w();
    bool returned = false;
    QTimer::singleShot(0, w.Form1, [&] {
        run.Main().Menu.ScanNow1Click();
        returned = true;
    });
    When(
        w.Form1, [&] { return w.Form2->isVisible(); }, [&] { RequestProgramEnd(w, 143); });
    QCOMPARE(RunEventLoop(), 143);
    QVERIFY(returned);
}

void ProgramEndingTest::CloseDuringAnImportWaitsForTheFile() {
    AppRun run;
    run.Prefill({run.Write("base.txt", Quotes("BASE", "Base Corp", 3))});
    run.Start();
    run.Ui.FilesToOpen = {QString::fromStdString(run.Write("a.txt", ManyStocks("A", 40, 1500))),
                          QString::fromStdString(run.Write("b.txt", ManyStocks("B", 40, 1500)))};
    const TAppWindows& w = run.w();
    QTimer::singleShot(0, w.Form1, [&] { run.Main().Menu.UpdateData1Click(); });
    QTimer::singleShot(20, w.Form8, [&] {
        w.Form8->Button2Click();
        w.Form8->Buttom1Click();
    });
    bool stayedOpen = false;
    When(
        w.Form1, [&] { return w.Form3->isVisible() && !w.Form3->Label6->text().isEmpty(); },
        [&] {
            // What the session's end does: close every window.
            run.Main().close();
            stayedOpen = run.Main().isVisible() && run.Main().Store().DB1.Connected();
        });
    QCOMPARE(RunEventLoop(), 0);
    QVERIFY(stayedOpen);
    QCOMPARE(StockCount(run), 41);
}

BREVANT_QTEST_MAIN(ProgramEndingTest)
#include "program_ending_test.moc"
