// Brevant Dira — screening from the real windows, as a user tuning a screen
// does it: the program started on a database, "Scan Now!" with all four
// filters pressed once (the first run fills the bar cache) and then again
// and again, each run timed from the press to "Complete".
//
// usage: scan_window_bench [--repeat N] DB  (N >= 0; 0 times the start and the first scan only)
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/app_windows.h"
#include "app/application.h"
#include "app/main_window.h"
#include "screen/ui/filter_window.h"
#include "screen/ui/scan_progress_window.h"
#include "ui/clamping_spin_edit.h"

using namespace brevant;

namespace {

// One press of "Scan Now!" on the shown dialog, until the run is over.
double TimedRun(TForm2& dialog, TForm5& progress) {
    dialog.show();
    QElapsedTimer t;
    t.start();
    dialog.Button1->click();
    const double seconds = t.nsecsElapsed() / 1e9;
    progress.Button1Click(); // "Complete": back to the dialog
    return seconds;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int repeat = 5;
    int i = 1;
    if (i + 1 < argc && std::strcmp(argv[i], "--repeat") == 0) {
        repeat = std::atoi(argv[i + 1]);
        i += 2;
    }
    if (i != argc - 1 || repeat < 0) {
        std::fprintf(stderr, "usage: %s [--repeat N] DB\n", argv[0]);
        return 2;
    }
    TApplication app(argc, argv);
    const QFileInfo database(QString::fromLocal8Bit(argv[i]));
    TStartOptions options;
    options.DatabasePath = database.absoluteFilePath();
    options.ProgramDir = database.absolutePath() + "/";
    TApplicationWindows windows(options);
    const TAppWindows& w = windows.Windows();
    QElapsedTimer waited;
    waited.start();
    while (!w.Form1->isVisible() && waited.elapsed() < 600000) QApplication::processEvents();
    if (!w.Form1->isVisible()) {
        std::fprintf(stderr, "the main window did not come up\n");
        return 1;
    }
    std::printf("startup_seconds=%.3f\n", waited.elapsed() / 1e3);
    TForm2& dialog = *w.Form2;
    dialog.SelectAllFilter();
    dialog.Basic.SpinEdit5->setValue(30); // RSI crossing above 30

    std::printf("first_scan_seconds=%.3f\n", TimedRun(dialog, *w.Form5));
    std::vector<double> again;
    for (int r = 0; r < repeat; ++r) again.push_back(TimedRun(dialog, *w.Form5));
    std::sort(again.begin(), again.end());
    // With --repeat 0 only the start and the first scan are timed.
    if (!again.empty())
        std::printf("repeat_scan_seconds=%.3f (median of %d, fastest %.3f, slowest %.3f)\n",
                    again[again.size() / 2], repeat, again.front(), again.back());
    dialog.hide();
    w.Form1->Menu.Exit2Click();
    return 0;
}
