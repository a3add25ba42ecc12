// Brevant Dira — the chart as a picture file.
#pragma once

#include <QString>

class QCustomPlot;

namespace brevant {

// Draws the plot at `width` × `height` pixels into a PNG file; false when the
// file cannot be written.
bool SaveChartPng(QCustomPlot& plot, const QString& path, int width, int height);

} // namespace brevant
