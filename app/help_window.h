// Brevant Dira — the help viewer: the pages of the help folder in a window.
#pragma once

#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace brevant {

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // Shows `pageFile` and brings the window to the front; a page missing
    // from the help says so in the window. Asked for while a modal dialog is
    // open, the window belongs to that dialog, so that it takes the mouse and
    // the keyboard while the dialog stays open.
    void ShowPage(const QString& pageFile);

    QTextBrowser* Browser = nullptr;

private:
    // Makes `owner` the window's parent, keeping its place on the screen.
    void BelongTo(QWidget* owner);

    QWidget* home_ = nullptr; // the parent it was created with
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
    QToolButton* contents_ = nullptr;
    QString contentsFile_;
};

} // namespace brevant
