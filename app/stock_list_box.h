// Brevant Dira — a stock list that reports user selections and shows long texts as hints.
#pragma once

#include <QListWidget>
#include <QTimer>

namespace brevant {

class TStockListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TStockListBox(QWidget* parent = nullptr);

    // Delay before a clipped item's whole text shows, and how long it stays.
    static constexpr int kHintPauseMs = 50;
    static constexpr int kHintHideMs = 10000;

signals:
    // The user clicked an item or moved the selection with the keyboard;
    // selections made by the program do not report.
    void userSelected();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void ShowHint();

    QTimer hintTimer_;
    QPoint hintPos_;
};

} // namespace brevant
