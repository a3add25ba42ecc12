// Brevant Dira — the column left of the chart: detail panel, stock lists, search box.
#pragma once

#include <QWidget>

namespace brevant {

// Lays its children out by anchors instead of a layout manager, so that the
// detail panel's switch can move the page control by exact pixels: the panel
// keeps its place at the top, the page control keeps its top and its distance
// from the bottom edge, and the search row stays along the bottom.
class TSidePane : public QWidget {
    Q_OBJECT
public:
    TSidePane(QWidget* panel, QWidget* pages, QWidget* searchRow, QWidget* parent = nullptr);

    static constexpr int kWidth = 152;
    static constexpr int kPanelHeight = 172;
    static constexpr int kSearchHeight = 26;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* panel_;
    QWidget* pages_;
    QWidget* searchRow_;
    int pagesBottomGap_ = kSearchHeight;
};

} // namespace brevant
