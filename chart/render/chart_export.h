// Brevant Dira — the chart as a picture and on paper.
#pragma once

#include <QRect>
#include <QString>

class QCustomPlot;
class QPainter;

namespace brevant {

// Draws the plot at `width` × `height` pixels into a PNG file; false when the
// file cannot be written.
bool SaveChartPng(QCustomPlot& plot, const QString& path, int width, int height);

// Draws the plot onto a page (a printer's painter), inside the chart's print
// margins: 15 % left, 16 % top, 15 % right and 16 % bottom of `page`.
void PaintChartOnPage(QCustomPlot& plot, QPainter& painter, const QRect& page);

} // namespace brevant
