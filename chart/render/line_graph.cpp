// Brevant Dira — a line series drawn in one painter call.
#include "chart/render/line_graph.h"

#include <cmath>

namespace brevant {
namespace {

bool IsPoint(const QPointF& p) {
    return !std::isnan(p.x()) && !std::isnan(p.y());
}

} // namespace

void LineGraph::drawLinePlot(QCPPainter* painter, const QVector<QPointF>& lines) const {
    if (painter->pen().style() == Qt::NoPen || painter->pen().color().alpha() == 0) return;
    // Unsmoothed, a thin line's segments drawn together leave out pixels
    // where they meet that single lines draw: those take the plot's way.
    applyDefaultAntialiasingHint(painter);
    const bool batched = painter->antialiasing() &&
                         mParentPlot->plottingHints().testFlag(QCP::phFastPolylines) &&
                         painter->pen().style() == Qt::SolidLine &&
                         !painter->modes().testFlag(QCPPainter::pmVectorized) &&
                         !painter->modes().testFlag(QCPPainter::pmNoCaching);
    if (!batched) return QCPGraph::drawLinePlot(painter, lines);
    // A 1 px line is drawn cosmetic, as the plot's own line drawing does.
    if (qFuzzyCompare(painter->pen().widthF(), 1.0)) {
        QPen pen = painter->pen();
        pen.setWidth(0);
        painter->setPen(pen);
    }
    // A segment joins two points in a row; a NaN point leaves a gap and the
    // segment after it starts at the next point.
    QVector<QLineF> segments;
    segments.reserve(lines.size());
    for (int i = 1; i < lines.size(); ++i)
        if (IsPoint(lines[i - 1]) && IsPoint(lines[i]))
            segments.append(QLineF(lines[i - 1], lines[i]));
    if (segments.isEmpty()) return;
    painter->QPainter::drawLines(segments);
}

} // namespace brevant
