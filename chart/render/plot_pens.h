// Brevant Dira — the composed chart's colours and pens as the plot takes
// them, shared by the renderer and the added panels.
#pragma once

#include <QColor>
#include <QPen>

#include "chart/chart_model.h"

namespace brevant {

// Bars and candles in the narrow layout share this share of a bar step.
inline constexpr double kBarWidth = 0.7;

inline QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b, c.alpha);
}

inline QPen ToQPen(const Pen& p) {
    QPen pen(ToQColor(p.colour), p.width);
    pen.setStyle(p.style == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

} // namespace brevant
