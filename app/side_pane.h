// Brevant Dira — the column left of the chart: detail panel, stock lists, search box.
#pragma once

#include <QWidget>

#include "chart/ui/chart_pane.h"

namespace brevant {

// Lays its children out by anchors instead of a layout manager, so that the
// detail panel's switch can move the page control by exact pixels: the panel
// keeps its place at the top, the page control keeps its top and its distance
// from the bottom edge, and the search row stays along the bottom.
class TSidePane : public QWidget {
    Q_OBJECT
public:
    TSidePane(QWidget* panel, QWidget* pages, QWidget* searchRow, QWidget* parent = nullptr);

    // As wide as the detail panel it heads.
    static constexpr int kWidth = TChartPane::kPanelWidth;
    static constexpr int kPanelHeight = TChartPane::kPanelHeight;
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
