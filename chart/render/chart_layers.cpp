// Brevant Dira — grid bands and the plot frame.
#include "chart/render/chart_layers.h"

#include <algorithm>

#include "chart/render/label_spacing.h"

namespace brevant {

GridBands::GridBands(QCPAxis* axis, const QBrush& band1, const QBrush& band2)
    : QCPLayerable(axis->parentPlot(), QStringLiteral("background")),
      axis_(axis), bands_{band1, band2} {}

void GridBands::applyDefaultAntialiasingHint(QCPPainter* painter) const {
    painter->setAntialiasing(false);
}

QRect GridBands::clipRect() const {
    return axis_->axisRect()->rect();
}

void GridBands::draw(QCPPainter* painter) {
    const QVector<double> ticks = axis_->tickVector();
    const QRect rect = axis_->axisRect()->rect();
    if (PanelExtent(*axis_->axisRect(), false) < 2) return; // not laid out yet
    if (ticks.size() < 2) {
        painter->fillRect(rect, bands_[1]);
        return;
    }
    // One more band beyond each end label, so the fills reach the panel
    // edges: a step further, or on a logarithmic axis a ratio further.
    QVector<double> edges;
    edges.reserve(ticks.size() + 2);
    if (axis_->scaleType() == QCPAxis::stLogarithmic) {
        edges.append(ticks.front() * ticks[0] / ticks[1]);
        edges.append(ticks);
        edges.append(ticks.back() * ticks.back() / ticks[ticks.size() - 2]);
    } else {
        const double step = ticks[1] - ticks[0];
        edges.append(ticks.front() - step);
        edges.append(ticks);
        edges.append(ticks.back() + step);
    }
    painter->setPen(Qt::NoPen);
    for (int i = 0; i + 1 < edges.size(); ++i) {
        const double y1 = axis_->coordToPixel(edges[i]);
        const double y2 = axis_->coordToPixel(edges[i + 1]);
        // Bands beyond the panel are cut at its edges (the painter clips there
        // anyway), which keeps far-off ends of a tiny range within int.
        const double low = rect.top() - 1.0, high = rect.bottom() + 1.0;
        const int top = int(std::clamp(std::min(y1, y2), low, high));
        const int bottom = int(std::clamp(std::max(y1, y2), low, high));
        // Band 1 sits on the lowest label's band, as the labels count upwards.
        painter->fillRect(QRect(rect.left(), top, rect.width(), bottom - top), bands_[(i + 1) % 2]);
    }
}

PlotFrame::PlotFrame(QCPAxisRect* top, QCPAxisRect* bottom, const QPen& frame,
                     const QPen& colourLine)
    : QCPLayerable(top->parentPlot(), QStringLiteral("axes")), top_(top), bottom_(bottom),
      frame_(frame), colourLine_(colourLine) {}

void PlotFrame::applyDefaultAntialiasingHint(QCPPainter* painter) const {
    painter->setAntialiasing(false);
}

QRect PlotFrame::clipRect() const {
    return mParentPlot->viewport();
}

void PlotFrame::draw(QCPPainter* painter) {
    const QRect area = top_->rect().united(bottom_->rect());
    painter->setBrush(Qt::NoBrush);
    painter->setPen(colourLine_);
    painter->drawLine(area.topLeft(), area.topRight());
    for (int x : {area.left(), area.right()})
        painter->drawLine(QPoint(x, area.top()), QPoint(x, area.bottom()));
    painter->setPen(frame_);
    const int grow = frame_.width() / 2 + 1;
    painter->drawRect(area.adjusted(-grow, -grow, grow, grow));
}

} // namespace brevant
