// Brevant Dira — chart decorations QCustomPlot has no element for: grid bands
// and the frame with its colour lines.
#pragma once

#include <QBrush>
#include <QPen>
#include <qcustomplot.h>

namespace brevant {

// Alternate fills between the label positions of a vertical axis, across its
// axis rect, edge to edge.
class GridBands : public QCPLayerable {
public:
    GridBands(QCPAxis* axis, const QBrush& band1, const QBrush& band2);

protected:
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
    void draw(QCPPainter* painter) override;
    QRect clipRect() const override;

private:
    QCPAxis* axis_;
    QBrush bands_[2];
};

// The frame around the panels, the vertical colour lines at the bottom
// axis's minimum and maximum and the line of the top axis.
class PlotFrame : public QCPLayerable {
public:
    PlotFrame(QCPAxisRect* top, QCPAxisRect* bottom, const QPen& frame, const QPen& colourLine);
    // The lowest panel the frame goes round.
    void setBottom(QCPAxisRect* bottom) { bottom_ = bottom; }

protected:
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
    void draw(QCPPainter* painter) override;
    QRect clipRect() const override;

private:
    QCPAxisRect* top_;
    QCPAxisRect* bottom_;
    QPen frame_, colourLine_;
};

} // namespace brevant
