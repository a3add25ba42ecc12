// Brevant Dira — the main window: construction, window events and shared helpers.
#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <QWindowStateChangeEvent>

#include "app/program_ending.h"
#include "app/stock_list_box.h"
#include "app/tool_icons.h"

namespace brevant {

TForm1::TForm1(const TStartOptions& options)
    : Lists(*this), Graph(*this), Menu(*this), Analysis(*this), ProgramDir_(options.ProgramDir),
      DatabasePath(options.DatabasePath), DatabaseUser(options.DatabaseUser),
      PasswordFile(options.PasswordFile) {
    setupWindow();
    setupMenus();
    setupToolBar();
    setupCentralArea();
    setupChart();
    setupTimers();
}

TForm1::~TForm1() = default;

void TForm1::SetWindows(const TAppWindows* windows) {
    windows_ = windows;
}

void TForm1::setupWindow() {
    setWindowTitle(kCaption);
    setWindowIcon(ApplicationIcon());
    resize(788, 525);
    setMinimumSize(788, 525);
    // Where the window comes back to when the user restores it from maximized.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TForm1::setupTimers() {
    Timer2 = new QTimer(this);
    Timer2->setInterval(150);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    // Keys that no window's menu took reach the application-wide handler.
    qApp->installEventFilter(this);
}

void TForm1::closeEvent(QCloseEvent* event) {
    // A close while an import or a screening run works (the session's end
    // closes every window) waits for the work's safe point.
    if (windows_ && OperationRunning(*windows_)) {
        event->ignore();
        RequestProgramEnd(*windows_, 0);
        return;
    }
    FormClose();
    event->accept();
}

void TForm1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    const bool wasMinimized = change->oldState() & Qt::WindowMinimized;
    if (isMinimized() != wasMinimized) WMSysCommand(isMinimized());
}

// Installed on the application only: a second installation on the search box
// would pass each of its key releases here twice, and search twice.
bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Lists.Edit3 && event->type() == QEvent::KeyRelease) {
        Lists.Edit3KeyUp(static_cast<QKeyEvent*>(event)->key());
    } else if (event->type() == QEvent::KeyPress && watched == QApplication::focusWidget()) {
        // Only the first delivery: a key event also passes the focus widget's parents.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape || (key >= Qt::Key_F1 && key <= Qt::Key_F12))
            ApplicationEvents1ShortCut(key);
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace brevant
