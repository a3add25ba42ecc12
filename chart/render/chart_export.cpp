// Brevant Dira — the chart as a picture file.
#include "chart/render/chart_export.h"

#include <qcustomplot.h>

namespace brevant {

bool SaveChartPng(QCustomPlot& plot, const QString& path, int width, int height) {
    return plot.savePng(path, width, height, 1.0, -1);
}

} // namespace brevant
