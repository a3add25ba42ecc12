// Brevant Dira — the crosshair lines.
#include "chart/render/chart_crosshair.h"

#include "chart/render/chart_renderer.h"

namespace brevant {

ChartCrosshair::ChartCrosshair(ChartRenderer& renderer) : renderer_(renderer) {
    QCustomPlot& plot = renderer_.plot();
    const QString name = QStringLiteral("crosshair");
    if (!plot.layer(name)) plot.addLayer(name, plot.layer(QStringLiteral("overlay")));
    layer_ = plot.layer(name);
    layer_->setMode(QCPLayer::lmBuffered);
    const QPen pen(QColor(0, 128, 128), 2);
    for (QCPItemLine** line : {&horizontal_, &vertical_}) {
        *line = new QCPItemLine(&plot);
        (*line)->setLayer(layer_);
        (*line)->setPen(pen);
        (*line)->setClipAxisRect(renderer_.fullHeightBand());
        (*line)->start->setType(QCPItemPosition::ptAbsolute);
        (*line)->end->setType(QCPItemPosition::ptAbsolute);
        (*line)->setVisible(false);
    }
}

void ChartCrosshair::setEnabled(bool on) {
    enabled_ = on;
    horizontal_->setVisible(on);
    vertical_->setVisible(on);
    place();
    layer_->replot();
}

void ChartCrosshair::moveTo(QPoint position) {
    position_ = position;
    if (!enabled_) return;
    place();
    layer_->replot();
}

void ChartCrosshair::place() {
    const QRect area = renderer_.fullHeightBand()->rect();
    horizontal_->start->setCoords(area.left(), position_.y());
    horizontal_->end->setCoords(area.right(), position_.y());
    vertical_->start->setCoords(position_.x(), area.top());
    vertical_->end->setCoords(position_.x(), area.bottom());
}

} // namespace brevant
