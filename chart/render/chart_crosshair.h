// Brevant Dira — the crosshair: a horizontal and a vertical teal line through
// the mouse position over the whole plot.
#pragma once

#include <QPoint>
#include <qcustomplot.h>

namespace brevant {

class ChartRenderer;

class ChartCrosshair {
public:
    // Draws on a layer of its own so that following the mouse repaints only it.
    explicit ChartCrosshair(ChartRenderer& renderer);

    void setEnabled(bool on);
    bool isEnabled() const { return enabled_; }
    // Moves the lines to a pixel position of the plot widget and repaints them.
    void moveTo(QPoint position);

private:
    void place();

    ChartRenderer& renderer_;
    QCPLayer* layer_ = nullptr;
    QCPItemLine* horizontal_ = nullptr;
    QCPItemLine* vertical_ = nullptr;
    QPoint position_;
    bool enabled_ = false;
};

} // namespace brevant
