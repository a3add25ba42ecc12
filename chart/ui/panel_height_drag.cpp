// Brevant Dira — dragging the border between two panels of the chart.
#include "chart/ui/panel_height_drag.h"

#include <QMouseEvent>
#include <algorithm>
#include <qcustomplot.h>

#include "chart/render/added_panel_rects.h"
#include "chart/render/chart_renderer.h"
#include "chart/render/label_spacing.h"

namespace brevant {
namespace {

// Pixels either side of a border that still take it.
constexpr int kGrip = 3;

} // namespace

TPanelHeightDrag::TPanelHeightDrag(ChartRenderer& renderer, QCustomPlot& plot)
    : QObject(&plot), renderer_(renderer), plot_(plot) {
    plot_.installEventFilter(this);
}

std::vector<QCPAxisRect*> TPanelHeightDrag::Rows() const {
    std::vector<QCPAxisRect*> rows = {renderer_.indicatorPanel(), renderer_.pricePanel()};
    const AddedPanelRects& added = renderer_.addedPanels();
    for (int k = 0; k < added.Count(); ++k) rows.push_back(added.Rect(k));
    return rows;
}

std::optional<int> TPanelHeightDrag::BorderAt(QPoint at) const {
    if (renderer_.addedPanels().Count() == 0) return std::nullopt;
    const std::vector<QCPAxisRect*> rows = Rows();
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
        const QRect above = rows[i]->rect();
        if (at.x() < above.left() || at.x() > above.right()) return std::nullopt;
        if (std::abs(at.y() - (above.bottom() + 1)) <= kGrip) return int(i);
    }
    return std::nullopt;
}

bool TPanelHeightDrag::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &plot_) return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return Press(static_cast<const QMouseEvent&>(*event));
    case QEvent::MouseMove:
        return Move(static_cast<const QMouseEvent&>(*event));
    case QEvent::MouseButtonRelease:
        if (!row_) return false;
        row_.reset();
        return true;
    default:
        return false;
    }
}

bool TPanelHeightDrag::Press(const QMouseEvent& event) {
    if (event.button() != Qt::LeftButton) return false;
    row_ = BorderAt(event.position().toPoint());
    if (!row_) return false;
    startY_ = event.position().toPoint().y();
    startHeights_.clear();
    for (QCPAxisRect* rect : Rows()) startHeights_.push_back(PanelExtent(*rect, false));
    return true;
}

bool TPanelHeightDrag::Move(const QMouseEvent& event) {
    const QPoint at = event.position().toPoint();
    if (!row_) {
        // Over a border the cursor says it can be dragged.
        const bool border = BorderAt(at).has_value();
        if (border && !cursorSet_) plot_.setCursor(Qt::SplitVCursor);
        if (!border && cursorSet_) plot_.unsetCursor();
        cursorSet_ = border;
        return false;
    }
    if (!(event.buttons() & Qt::LeftButton) ||
        startHeights_.size() != std::size_t(renderer_.addedPanels().Count() + 2)) {
        row_.reset();
        return false;
    }
    const std::size_t above = std::size_t(*row_);
    const int pair = startHeights_[above] + startHeights_[above + 1];
    if (pair < 2 * kLeastHeight) return true;
    const int top =
        std::clamp(startHeights_[above] + at.y() - startY_, kLeastHeight, pair - kLeastHeight);
    std::vector<double> shares(startHeights_.begin(), startHeights_.end());
    shares[above] = top;
    shares[above + 1] = pair - top;
    renderer_.addedPanels().SetShares(shares);
    return true;
}

} // namespace brevant
