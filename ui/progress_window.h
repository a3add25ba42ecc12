// Brevant Dira — the small window that follows a long operation.
#pragma once

#include <QDialog>
#include <QString>

class QPushButton;

namespace brevant::ui {

// A small tool window without title-bar buttons whose single button carries
// the state of a long operation in its caption:
//
//   state     caption                          a click
//   Idle      set at creation (before a run)   nothing
//   Running   the stop caption                 StopClicked()
//   Busy      what cannot be stopped now       nothing
//   Complete  "Complete"                       CompleteClicked()
//
// Only that last click ends the window: the window manager's close and
// Escape are ignored. The import and the screening run share it.
class TProgressWindow : public QDialog {
    Q_OBJECT
public:
    enum class State { Idle, Running, Busy, Complete };

    State CurrentState() const { return state_; }

    void Button1Click();

    QPushButton* Button1 = nullptr;

protected:
    // The button is created here; the window places it in its layout.
    TProgressWindow(const QString& title, const QString& idleCaption, const QString& stopCaption,
                    QWidget* parent);

    // A new run: Running, with the stop caption.
    void StartRunning();
    // A step that cannot be stopped, named by `caption`.
    void ShowBusy(const QString& caption);
    // The run is over: "Complete".
    void ShowComplete();

    virtual void StopClicked() = 0;
    virtual void CompleteClicked() = 0;

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Enter(State state, const QString& caption);

    QString stopCaption_;
    State state_ = State::Idle;
};

} // namespace brevant::ui
