// Brevant Dira — the chart as a picture file.
#pragma once

#include <QString>

class QCustomPlot;

namespace brevant {

// Draws the plot at `width` × `height` pixels into a PNG file, written whole
// under a temporary name and then renamed to `path`; false when the file
// cannot be written (a file of that name is then left as it was).
bool SaveChartPng(QCustomPlot& plot, const QString& path, int width, int height);

} // namespace brevant
