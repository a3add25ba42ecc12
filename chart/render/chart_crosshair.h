// Brevant Dira — the crosshair: a horizontal and a vertical teal line through
// the mouse position over the whole plot, with the value under the mouse on
// its value axis and the date of the bar under it on the date axis.
#pragma once

#include <memory>

#include <QPoint>
#include <qcustomplot.h>

namespace brevant {

class ChartRenderer;
class CrosshairTags;

class ChartCrosshair {
public:
    // Draws on a layer of its own so that following the mouse repaints only it.
    explicit ChartCrosshair(ChartRenderer& renderer);
    ~ChartCrosshair();

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
    CrosshairTags* tags_ = nullptr; // owned by the plot
    QPoint position_;
    bool enabled_ = false;
};

} // namespace brevant
