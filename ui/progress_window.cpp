// Brevant Dira — the small window that follows a long operation.
#include "ui/progress_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace brevant::ui {

TProgressWindow::TProgressWindow(const QString& title, const QString& idleCaption,
                                 const QString& stopCaption, QWidget* parent)
    : QDialog(parent), stopCaption_(stopCaption) {
    setWindowTitle(title);
    // A tool window without title-bar buttons: only the button ends it.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    // The window that started the operation is hidden while this one is up;
    // the main window must stay out of reach all the same, as a stock picked
    // there would read the database in the middle of the operation.
    setWindowModality(Qt::ApplicationModal);
    Button1 = new QPushButton(idleCaption, this);
    connect(Button1, &QPushButton::clicked, this, &TProgressWindow::Button1Click);
}

void TProgressWindow::StartRunning() {
    Enter(State::Running, stopCaption_);
}

void TProgressWindow::ShowBusy(const QString& caption) {
    Enter(State::Busy, caption);
}

void TProgressWindow::ShowComplete() {
    Enter(State::Complete, "Complete");
}

void TProgressWindow::Enter(State state, const QString& caption) {
    state_ = state;
    Button1->setText(caption);
}

void TProgressWindow::Button1Click() {
    switch (state_) {
    case State::Running:
        StopClicked();
        break;
    case State::Complete:
        CompleteClicked();
        break;
    case State::Idle:
    case State::Busy:
        break;
    }
}

void TProgressWindow::closeEvent(QCloseEvent* event) {
    // Only "Complete" ends the window; the window manager's close is ignored.
    event->ignore();
}

void TProgressWindow::keyPressEvent(QKeyEvent* event) {
    // Escape would hide the window behind the operation's back.
    if (event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}

} // namespace brevant::ui
