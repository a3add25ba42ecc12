// Brevant Dira — the crosshair lines and their axis tags.
#include "chart/render/chart_crosshair.h"

#include "chart/render/chart_font.h"
#include "chart/render/chart_renderer.h"

namespace brevant {

// The value and the date under the crosshair, in teal tags over the value
// axis labels right of the plot and over the date labels below it. Read
// from the renderer when drawn, so that a zoom or a scroll under a resting
// mouse shows the new bar's date.
class CrosshairTags : public QCPLayerable {
public:
    CrosshairTags(ChartRenderer& renderer, QCPLayer* layer)
        : QCPLayerable(&renderer.plot(), layer->name()), renderer_(renderer) {
        setVisible(false);
    }
    void setPosition(QPoint at) { at_ = at; }

protected:
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override {
        painter->setAntialiasing(false);
    }
    QRect clipRect() const override { return mParentPlot->viewport(); }

    void draw(QCPPainter* painter) override {
        const QRect area = renderer_.fullHeightBand()->rect();
        if (!area.contains(at_)) return;
        painter->setFont(font_);
        const QFontMetrics metrics(font_);
        const int height = metrics.height() + 2;
        if (const QString value = renderer_.CrosshairValueText(at_); !value.isEmpty()) {
            const QRect tag(area.right() + 3, at_.y() - height / 2,
                            metrics.horizontalAdvance(value) + 6, height);
            Paint(painter, tag, value);
        }
        if (const QString date = renderer_.CrosshairDateText(at_.x()); !date.isEmpty()) {
            const int width = metrics.horizontalAdvance(date) + 8;
            Paint(painter, QRect(at_.x() - width / 2, area.bottom() + 3, width, height), date);
        }
    }

private:
    static void Paint(QCPPainter* painter, const QRect& tag, const QString& text) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor(0, 128, 128));
        painter->drawRect(tag);
        painter->setPen(Qt::white);
        painter->drawText(tag, Qt::AlignCenter, text);
    }

    ChartRenderer& renderer_;
    QFont font_ = ChartFont(8, true);
    QPoint at_;
};

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
    // The plot deletes its layerables with itself.
    tags_ = new CrosshairTags(renderer_, layer_);
}

ChartCrosshair::~ChartCrosshair() = default;

void ChartCrosshair::setEnabled(bool on) {
    enabled_ = on;
    horizontal_->setVisible(on);
    vertical_->setVisible(on);
    tags_->setVisible(on);
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
    tags_->setPosition(position_);
}

} // namespace brevant
