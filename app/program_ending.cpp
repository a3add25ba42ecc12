// Brevant Dira — how the windowed program ends, from wherever the request
// comes: closing the main window, a stop signal, the session's end.
#include "app/program_ending.h"

#include <QCoreApplication>
#include <exception>

#include "app/app_windows.h"
#include "app/main_window.h"
#include "screen/ui/scan_progress_window.h"
#include "store/engine_end.h"
#include "store/ui/progress_window.h"

namespace brevant {
namespace {

bool Working(const ui::TProgressWindow* window) {
    if (!window || !window->isVisible()) return false;
    const auto state = window->CurrentState();
    return state == ui::TProgressWindow::State::Running ||
           state == ui::TProgressWindow::State::Busy;
}

} // namespace

bool OperationRunning(const TAppWindows& windows) {
    return Working(windows.Form3) || Working(windows.Form5);
}

void RequestProgramEnd(const TAppWindows& windows, int status) {
    for (ui::TProgressWindow* window : {static_cast<ui::TProgressWindow*>(windows.Form3),
                                        static_cast<ui::TProgressWindow*>(windows.Form5)}) {
        // Its button in the running state is its "Stop".
        if (window && window->isVisible() &&
            window->CurrentState() == ui::TProgressWindow::State::Running)
            window->Button1Click();
    }
    QCoreApplication::exit(status);
}

void EndProgramNow(int status) {
    EndEngineAndProcess(status);
}

int FinishProgram(const TAppWindows& windows, int status) {
    try {
        if (windows.Form1) windows.Form1->FormClose();
    } catch (const std::exception&) {
        // A failed detach: the engine shutdown below ends the attachment.
    }
    // The engine is ended here, not by the client library's exit handler.
    EndEngineBeforeExit(status);
    return status;
}

} // namespace brevant
