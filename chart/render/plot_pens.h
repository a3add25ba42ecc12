// Brevant Dira — the composed chart's colours, pens and value axes as the
// plot takes them, shared by the renderer and the added panels.
#pragma once

#include <QColor>
#include <QPen>
#include <qcustomplot.h>

#include "chart/chart_model.h"
#include "chart/render/chart_font.h"

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

// A vertical axis drawn as the chart shows its value axes: a white 4 px line,
// labels only, no grid, its labels from `ticker`.
inline void StyleValueAxis(QCPAxis* a, QSharedPointer<QCPAxisTicker> ticker) {
    a->setVisible(true);
    a->setBasePen(QPen(Qt::white, 4));
    a->setTickPen(QPen(Qt::black, 1));
    a->setSubTicks(false);
    a->setTickLengthIn(0);
    a->setTickLengthOut(3);
    a->setTickLabelFont(ChartFont());
    a->grid()->setVisible(false);
    a->setTicker(ticker);
}

} // namespace brevant
