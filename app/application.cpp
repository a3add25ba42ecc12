// Brevant Dira — the application object and its default error report.
#include "app/application.h"

#include "app/startup_failure.h"
#include "app/tool_icons.h"
#include "app/version.h"
#include "store/work_error.h"
#include "ui/product.h"
#include "ui/user_interface.h"

namespace brevant {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("brevant-dira");
    // No display name: Qt would append it to every window caption.
    setApplicationVersion(kVersion);
    setDesktopFileName("brevant-dira");
    setWindowIcon(ApplicationIcon());
    // The program ends when its main window closes (FormClose). Qt's own rule
    // would end it as soon as a dialog shown before the main window closes
    // (the server's password, the empty-database message): the splash does
    // not count as a window there.
    setQuitOnLastWindowClosed(false);
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        // A server that went away: every later step fails the same way until
        // the program attaches again.
        ui::Ui().ShowMessage(nullptr, ConnectionLost(e) ? LostConnectionMessage(e.what())
                                                        : QString::fromLocal8Bit(e.what()));
    } catch (...) {
        ui::Ui().ShowMessage(nullptr, "An unexpected error occurred.");
    }
    return false;
}

} // namespace brevant
