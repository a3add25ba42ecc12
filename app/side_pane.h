// Brevant Dira — the column left of the chart: detail panel, stock lists, search box.
#pragma once

#include <QWidget>

#include "chart/ui/chart_pane.h"

namespace brevant {

// Lays its children out by anchors instead of a layout manager, so that the
// detail panel's switch can move the page control by exact pixels: the panel
// keeps its place at the top, the page control keeps its top and its distance
// from the bottom edge, and the search row stays along the bottom. The stock
// lists and the search row take the column's width; the user widens it
// against the chart, never below the detail panel it heads.
class TSidePane : public QWidget {
    Q_OBJECT
public:
    TSidePane(QWidget* panel, QWidget* pages, QWidget* searchRow, QWidget* parent = nullptr);

    // As wide as the detail panel it heads, until the user widens it.
    QSize sizeHint() const override;
    static constexpr int kWidth = TChartPane::kPanelWidth;
    static constexpr int kPanelHeight = TChartPane::kPanelHeight;
    static constexpr int kSearchHeight = 26;
    static constexpr int kListsHeight = 259; // before the first resize

protected:
    void resizeEvent(QResizeEvent* event) override;
    // A detail panel grown by the rows of added indicator panels (or shrunk
    // back) moves the page control's top by as much, while it shows.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* panel_;
    QWidget* pages_;
    QWidget* searchRow_;
    int pagesBottomGap_ = kSearchHeight;
    int panelHeight_ = kPanelHeight; // the page control stands below this
};

} // namespace brevant
