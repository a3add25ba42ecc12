// Brevant Dira — the progress window shared by the import and the screening
// run: what a click on its button does in each state, and that nothing but
// that button ends it.
#include <QPushButton>
#include <QTest>

#include "ui/progress_window.h"

namespace {

// Counts what the button asks of the window that follows the operation.
class CountingProgressWindow : public brevant::ui::TProgressWindow {
public:
    CountingProgressWindow() : TProgressWindow("Working...", "Idle", "Halt", nullptr) {}

    using TProgressWindow::ShowBusy;
    using TProgressWindow::ShowComplete;
    using TProgressWindow::StartRunning;

    int stops = 0;
    int completions = 0;

protected:
    void StopClicked() override { ++stops; }
    void CompleteClicked() override { ++completions; }
};

} // namespace

using State = brevant::ui::TProgressWindow::State;
Q_DECLARE_METATYPE(State)

class ProgressWindowTest : public QObject {
    Q_OBJECT
private slots:
    void ClickActsOnTheState_data();
    void ClickActsOnTheState();
    void OnlyTheButtonEndsTheWindow();
};

void ProgressWindowTest::ClickActsOnTheState_data() {
    // Steps: r = StartRunning, b = ShowBusy, c = ShowComplete.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<State>("state");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("stops");
    QTest::addColumn<int>("completions");
    QTest::newRow("before the first run") << "" << State::Idle << "Idle" << 0 << 0;
    QTest::newRow("running") << "r" << State::Running << "Halt" << 1 << 0;
    QTest::newRow("busy") << "rb" << State::Busy << "Please wait..." << 0 << 0;
    QTest::newRow("complete") << "rbc" << State::Complete << "Complete" << 0 << 1;
    QTest::newRow("a new run after one completed") << "rcr" << State::Running << "Halt" << 1 << 0;
}

void ProgressWindowTest::ClickActsOnTheState() {
    QFETCH(QString, steps);
    QFETCH(State, state);
    QFETCH(QString, caption);
    QFETCH(int, stops);
    QFETCH(int, completions);
    CountingProgressWindow window;
    for (const QChar step : steps) {
        if (step == 'r') window.StartRunning();
        if (step == 'b') window.ShowBusy("Please wait...");
        if (step == 'c') window.ShowComplete();
    }
    QCOMPARE(window.CurrentState(), state);
    QCOMPARE(window.Button1->text(), caption);
    window.Button1->click();
    QCOMPARE(window.stops, stops);
    QCOMPARE(window.completions, completions);
    QCOMPARE(window.CurrentState(), state); // a click changes the state only through the window
}

void ProgressWindowTest::OnlyTheButtonEndsTheWindow() {
    CountingProgressWindow window;
    window.StartRunning();
    window.show();
    QVERIFY(!window.close());
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(window.isVisible());
    window.ShowComplete();
    QVERIFY(!window.close());
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(window.isVisible());
    QCOMPARE(window.stops + window.completions, 0);
}

QTEST_MAIN(ProgressWindowTest)
#include "progress_window_test.moc"
