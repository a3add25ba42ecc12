// Brevant Dira — dragging the border between two panels of the chart.
#pragma once

#include <QObject>
#include <optional>
#include <vector>

class QCPAxisRect;
class QCustomPlot;
class QMouseEvent;

namespace brevant {

class ChartRenderer;

// Once indicator panels are added under the price panel, the borders
// between the panels can be dragged: the two panels beside a border share
// their height anew, the others keep theirs. The mouse shows a split cursor
// over a border. A plot without added panels is left to the other handlers,
// exactly as before.
class TPanelHeightDrag : public QObject {
public:
    // Installed on the plot after the zoom and scroll handler, so that a
    // press on a border does not start a scroll.
    TPanelHeightDrag(ChartRenderer& renderer, QCustomPlot& plot);

    // Pixels a panel keeps at least.
    static constexpr int kLeastHeight = 24;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QCPAxisRect*> Rows() const;
    // The row above the border at the point, or none.
    std::optional<int> BorderAt(QPoint at) const;
    bool Press(const QMouseEvent& event);
    bool Move(const QMouseEvent& event);

    ChartRenderer& renderer_;
    QCustomPlot& plot_;
    std::optional<int> row_; // the border being dragged
    int startY_ = 0;
    std::vector<int> startHeights_;
    bool cursorSet_ = false;
};

} // namespace brevant
