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
    // The user clicked or double-clicked an item, or changed the selection
    // in any other way (dragging the mouse across the list, the keyboard);
    // selections made by the program do not report.
    void userSelected();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void ShowHint();
    void ReportClick();
    // The selected row, or -1.
    int SelectedRow() const;

    // From a press to its release: the selection before it, and whether a
    // click has reported already.
    int rowAtPress_ = -1;
    bool clickReported_ = false;

    QTimer hintTimer_;
    QPoint hintPos_;
};

} // namespace brevant
