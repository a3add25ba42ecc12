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
    // from the help says so in the window.
    void ShowPage(const QString& pageFile);

    QTextBrowser* Browser = nullptr;

private:
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
    QToolButton* contents_ = nullptr;
    QString contentsFile_;
};

} // namespace brevant
