// Brevant Dira — a line series that hands its segments to the painter in one
// call.
#pragma once

#include <qcustomplot.h>

namespace brevant {

// Draws a solid line as the plot's fast polylines do, segment by segment with
// the same gaps at NaN points, but passes every segment to the painter at
// once: the raster engine strokes each line of the batch as it would a single
// one, so the pixels are the same, without a painter round trip per segment
// (thousands on a whole history). Smoothed solid lines only: other lines,
// and pictures drawn for export (PNG, PDF, printing), take the plot's own
// way.
class LineGraph : public QCPGraph {
public:
    using QCPGraph::QCPGraph;

protected:
    void drawLinePlot(QCPPainter* painter, const QVector<QPointF>& lines) const override;
};

} // namespace brevant
