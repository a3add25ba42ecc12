// Brevant Dira — a user interface for window tests: records what the program
// asks and answers from a script.
#pragma once

#include <QStringList>
#include <QUrl>
#include <functional>

#include "ui/user_interface.h"

namespace brevant::testing {

class ScriptedUi : public ui::UserInterface {
public:
    ScriptedUi() : previous_(ui::SetUi(this)) {}
    ~ScriptedUi() override { ui::SetUi(previous_); }
    ScriptedUi(const ScriptedUi&) = delete;
    ScriptedUi& operator=(const ScriptedUi&) = delete;

    void ShowMessage(QWidget*, const QString& text) override {
        Messages << text;
        if (OnMessage) OnMessage(text);
    }
    QStringList OpenFileNames(QWidget*, const QString&, const QString& filter) override {
        OpenFilters << filter;
        return FilesToOpen;
    }
    QString SaveFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return FileToSave;
    }
    bool OpenUrl(const QUrl& url) override {
        Urls << url;
        return true;
    }
    void ShowHelpPage(const QString& pageFile) override {
        HelpPages << pageFile;
        if (OnHelpPage) OnHelpPage(pageFile);
    }
    QString AskPassword(QWidget*, const QString& text) override {
        PasswordPrompts << text;
        return Passwords.isEmpty() ? QString() : Passwords.takeFirst();
    }

    QStringList Messages;
    std::function<void(const QString&)> OnMessage;
    QStringList OpenFilters;
    QStringList FilesToOpen;
    QString FileToSave;
    QList<QUrl> Urls;
    QStringList HelpPages;
    std::function<void(const QString&)> OnHelpPage;
    bool Confirm(QWidget*, const QString& text) override {
        Questions << text;
        return !Answers.isEmpty() && Answers.takeFirst();
    }

    QStringList PasswordPrompts;
    QStringList Passwords; // the answers, in turn; none left: cancelled
    QStringList Questions;
    QList<bool> Answers; // to Confirm, in turn; none left: "No"

private:
    ui::UserInterface* previous_;
};

} // namespace brevant::testing
