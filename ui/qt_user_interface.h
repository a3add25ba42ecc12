// Brevant Dira — the user interface answered by Qt's own dialogs.
#pragma once

#include <functional>

#include "ui/user_interface.h"

namespace brevant::ui {

class QtUserInterface : public UserInterface {
public:
    // `helpViewer` shows help pages; without one, help pages are not shown.
    explicit QtUserInterface(std::function<void(const QString&)> helpViewer = {});

    void ShowMessage(QWidget* parent, const QString& text) override;
    QStringList OpenFileNames(QWidget* parent, const QString& title,
                              const QString& filter) override;
    QString SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& defaultSuffix) override;
    bool OpenUrl(const QUrl& url) override;
    void ShowHelpPage(const QString& pageFile) override;
    QString AskPassword(QWidget* parent, const QString& text) override;
    bool Confirm(QWidget* parent, const QString& text) override;

private:
    std::function<void(const QString&)> helpViewer_;
};

} // namespace brevant::ui
