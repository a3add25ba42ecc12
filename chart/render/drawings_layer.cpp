// Brevant Dira — the drawings over the price panel.
#include "chart/render/drawings_layer.h"

#include <cmath>
#include <limits>

#include "chart/render/chart_renderer.h"

namespace brevant {
namespace {

const QColor kTrendColour(0, 0, 192);
const QColor kLevelColour(192, 0, 96);

// The distance from `p` to the segment `line`.
double Distance(const QLineF& line, QPointF p) {
    const QPointF d = line.p2() - line.p1();
    const double length2 = d.x() * d.x() + d.y() * d.y();
    double t = 0;
    if (length2 > 0) t = std::clamp(QPointF::dotProduct(p - line.p1(), d) / length2, 0.0, 1.0);
    const QPointF nearest = line.p1() + t * d;
    return QLineF(nearest, p).length();
}

} // namespace

DrawingsLayer::DrawingsLayer(ChartRenderer& renderer, std::function<DrawingGround()> ground)
    : QCPLayerable(&renderer.plot(), QStringLiteral("main")), renderer_(renderer),
      ground_(std::move(ground)) {}

void DrawingsLayer::SetDrawings(Drawings drawings) {
    drawings_ = std::move(drawings);
    if (selected_ != 0 && std::none_of(drawings_.begin(), drawings_.end(),
                                       [this](const Drawing& d) { return d.id == selected_; }))
        selected_ = 0;
}

void DrawingsLayer::applyDefaultAntialiasingHint(QCPPainter* painter) const {
    painter->setAntialiasing(true);
}

QRect DrawingsLayer::clipRect() const {
    return renderer_.pricePanel()->rect();
}

std::vector<PlacedDrawing> DrawingsLayer::Placed() const {
    const DrawingGround ground = ground_();
    if (drawings_.empty() || !ground.bars || ground.bars->empty()) return {};
    return PlaceDrawings(drawings_, *ground.bars, ground.period);
}

QLineF DrawingsLayer::Line(const PlacedDrawing& d) const {
    const QCPAxis* price = renderer_.axis(ChartAxis::Right);
    if (d.kind == DrawingKind::Level) {
        const QRect panel = renderer_.pricePanel()->rect();
        const double y = price->coordToPixel(d.price1);
        return QLineF(panel.left(), y, panel.right() + 1, y);
    }
    const QCPAxis* bottom = renderer_.bottomAxis();
    return QLineF(bottom->coordToPixel(d.x1), price->coordToPixel(d.price1),
                  bottom->coordToPixel(d.x2), price->coordToPixel(d.price2));
}

void DrawingsLayer::draw(QCPPainter* painter) {
    const std::vector<PlacedDrawing> placed = Placed();
    if (placed.empty() && !preview_) return;
    painter->setBrush(Qt::NoBrush);
    for (const PlacedDrawing& d : placed) {
        const QLineF line = Line(d);
        if (!std::isfinite(line.y1()) || !std::isfinite(line.y2())) continue;
        QPen pen(d.kind == DrawingKind::Trend ? kTrendColour : kLevelColour,
                 d.id == selected_ ? 3 : 1.5);
        if (d.kind == DrawingKind::Level) pen.setStyle(Qt::DashLine);
        painter->setPen(pen);
        painter->drawLine(line);
    }
    if (preview_) {
        painter->setPen(QPen(kTrendColour, 1, Qt::DotLine));
        painter->drawLine(Line(*preview_));
    }
}

int DrawingsLayer::DrawingAt(QPointF pixel, double tolerance) const {
    // Lines are drawn in the price panel only, and picked there only.
    if (!InPricePanel(pixel)) return 0;
    int nearest = 0;
    double best = std::numeric_limits<double>::infinity();
    for (const PlacedDrawing& d : Placed()) {
        const double distance = Distance(Line(d), pixel);
        if (distance <= tolerance && distance < best) {
            best = distance;
            nearest = d.id;
        }
    }
    return nearest;
}

double DrawingsLayer::PositionAt(double x) const {
    return renderer_.bottomAxis()->pixelToCoord(x);
}

double DrawingsLayer::PriceAt(double y) const {
    return renderer_.axis(ChartAxis::Right)->pixelToCoord(y);
}

bool DrawingsLayer::InPricePanel(QPointF pixel) const {
    return renderer_.pricePanel()->rect().contains(pixel.toPoint());
}

std::pair<double, double> DrawingsLayer::DayAndPriceAt(QPointF pixel) const {
    const DrawingGround ground = ground_();
    const double day = ground.bars ? PositionDay(*ground.bars, PositionAt(pixel.x())) : 0;
    return {day, PriceAt(pixel.y())};
}

void AddDrawingsLayer(ChartRenderer& renderer, const Drawings& drawings, const TBars& bars,
                      BarPeriod period) {
    if (drawings.empty()) return;
    auto* layer = new DrawingsLayer(renderer, [&bars, period] {
        return DrawingGround{&bars, period};
    });
    layer->SetDrawings(drawings);
}

} // namespace brevant
