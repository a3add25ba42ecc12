// Test driver: the windowed program as `brevant` runs it, led by a scenario
// once its main window is up, telling on stdout what it reached, so that a
// script can end it from outside (a signal, the display taken away).
//
// usage: ending_driver SCENARIO [QUOTE_FILE...] -- [PROGRAM OPTIONS]
//   idle     READY idle once the main window is up
//   filter   opens the filter dialog (modal): READY filter
//   import   imports the QUOTE_FILEs through the update window: READY import
//            once the first lines are stored
// Every message box is answered at once and printed as "MESSAGE <text>".
#include <QLabel>
#include <QTimer>
#include <cstdio>
#include <string>
#include <vector>

#include "app/app_windows.h"
#include "app/main_window.h"
#include "app/run_program.h"
#include "screen/ui/filter_window.h"
#include "store/ui/progress_window.h"
#include "store/ui/update_window.h"
#include "ui/user_interface.h"

namespace {

using namespace brevant;

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// Answers every question at once; stays installed for the whole process.
class AnsweringUi : public ui::UserInterface {
public:
    QStringList Files;
    void ShowMessage(QWidget*, const QString& text) override {
        Say("MESSAGE " + QString(text).replace("\r\n", " ").toStdString());
    }
    QStringList OpenFileNames(QWidget*, const QString&, const QString&) override { return Files; }
    QString SaveFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    bool OpenUrl(const QUrl&) override { return false; }
    void ShowHelpPage(const QString&) override {}
};

AnsweringUi answers;

void Lead(const std::string& scenario, const TAppWindows& w) {
    TForm1* main = w.Form1;
    if (scenario == "filter") {
        QTimer::singleShot(0, main, [main] { main->Menu.ScanNow1Click(); });
    } else if (scenario == "import") {
        QTimer::singleShot(0, main, [main] { main->Menu.UpdateData1Click(); });
        QTimer::singleShot(50, w.Form8, [form8 = w.Form8] {
            form8->Button2Click();
            form8->Buttom1Click();
        });
    }
}

bool Reached(const std::string& scenario, const TAppWindows& w) {
    if (scenario == "idle") return true;
    if (scenario == "filter") return w.Form2->isVisible();
    if (scenario == "import") return w.Form3->isVisible() && !w.Form3->Label6->text().isEmpty();
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const std::string scenario = argv[1];
    int i = 2;
    for (; i < argc && std::string(argv[i]) != "--"; ++i) answers.Files << argv[i];
    std::vector<char*> program{argv[0]};
    for (++i; i < argc; ++i) program.push_back(argv[i]);
    program.push_back(nullptr);
    int programArgc = static_cast<int>(program.size()) - 1;

    return RunProgram(programArgc, program.data(), [scenario](const TAppWindows& w) {
        ui::SetUi(&answers);
        auto* watch = new QTimer(w.Form1);
        watch->setInterval(20);
        QObject::connect(watch, &QTimer::timeout, w.Form1, [watch, scenario, &w] {
            static bool led = false;
            if (!w.Form1->isVisible()) return;
            if (!led) {
                led = true;
                Lead(scenario, w);
            }
            if (!Reached(scenario, w)) return;
            Say("READY " + scenario);
            watch->stop();
        });
        watch->start();
    });
}
