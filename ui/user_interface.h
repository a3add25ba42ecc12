// Brevant Dira — the one door through which windows ask the user something.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

class QWidget;

namespace brevant::ui {

// Every modal message box, file dialog, web page opening and help page goes
// through the installed UserInterface, so that window tests can answer them
// without a person at the screen.
class UserInterface {
public:
    virtual ~UserInterface() = default;

    // A modal message box with an "OK" button, titled with the application's title.
    virtual void ShowMessage(QWidget* parent, const QString& text) = 0;

    // An open dialog allowing several files; an empty list means the user cancelled.
    virtual QStringList OpenFileNames(QWidget* parent, const QString& title,
                                      const QString& filter) = 0;

    // A save dialog that asks before replacing a file; empty when cancelled.
    virtual QString SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& defaultSuffix) = 0;

    // Opens a web page in the system browser; false when no browser took it.
    virtual bool OpenUrl(const QUrl& url) = 0;

    // Shows one page of the help (an existing file) in the help viewer.
    virtual void ShowHelpPage(const QString& pageFile) = 0;
    // A small dialog asking for a password, its characters hidden; empty when
    // the user cancelled. `text` says for what. Nothing keeps the answer.
    virtual QString AskPassword(QWidget* parent, const QString& text) {
        (void)parent;
        (void)text;
        return {};
    }
    // A question with "Yes" and "No" before something that cannot be undone;
    // true for "Yes". The plain implementation answers "No".
    virtual bool Confirm(QWidget* parent, const QString& text) {
        (void)parent;
        (void)text;
        return false;
    }
};

// The installed interface. Until one is installed, a plain implementation
// with Qt's own dialogs and no help viewer answers.
UserInterface& Ui();

// Installs `ui` (not owned) and returns the one it replaces; nullptr restores
// the plain implementation.
UserInterface* SetUi(UserInterface* ui);

} // namespace brevant::ui
