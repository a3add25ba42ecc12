// Brevant Dira — the chart as a picture and on paper.
#include "chart/render/chart_export.h"

#include <QPainter>
#include <qcustomplot.h>

namespace brevant {

bool SaveChartPng(QCustomPlot& plot, const QString& path, int width, int height) {
    return plot.savePng(path, width, height, 1.0, -1);
}

void PaintChartOnPage(QCustomPlot& plot, QPainter& painter, const QRect& page) {
    const int left = page.width() * 15 / 100, right = page.width() * 15 / 100;
    const int top = page.height() * 16 / 100, bottom = page.height() * 16 / 100;
    const QRect target = page.adjusted(left, top, -right, -bottom);
    // Laid out at the widget's own size, then scaled, so that fonts and pens
    // keep their proportions on paper.
    const QSize size = plot.size().isEmpty() ? QSize(1000, 600) : plot.size();
    QPicture picture;
    QCPPainter picturePainter(&picture);
    plot.toPainter(&picturePainter, size.width(), size.height());
    picturePainter.end();
    painter.save();
    painter.translate(target.topLeft());
    const double scale =
        std::min(double(target.width()) / size.width(), double(target.height()) / size.height());
    painter.scale(scale, scale);
    painter.drawPicture(0, 0, picture);
    painter.restore();
}

} // namespace brevant
