// Brevant Dira — a back-test's plot.
#include "screen/render/backtest_plot.h"

#include <QSaveFile>
#include <cmath>
#include <qcustomplot.h>

namespace brevant {
namespace {

// Day numbers count from 30 December 1899; the axis wants seconds since 1970.
constexpr double kUnixEpochDay = 25569;

double AxisTime(double day) {
    return (day - kUnixEpochDay) * 86400.0;
}

void AddCurve(QCustomPlot& plot, const std::vector<double>& days, const std::vector<double>& curve,
              const QPen& pen, const QString& name) {
    QCPGraph* graph = plot.addGraph();
    graph->setPen(pen);
    graph->setName(name);
    QVector<double> keys, values;
    for (std::size_t d = 0; d < days.size() && d < curve.size(); ++d) {
        if (std::isnan(curve[d])) continue;
        keys.push_back(AxisTime(days[d]));
        values.push_back(curve[d] * 100);
    }
    graph->setData(keys, values, true);
}

} // namespace

void DrawBacktestPlot(QCustomPlot& plot, const BacktestFigures& figures,
                      const std::vector<int>& holds) {
    plot.clearGraphs();
    plot.clearItems();
    static const QColor kColours[] = {QColor(0, 90, 200), QColor(200, 60, 0), QColor(0, 140, 60),
                                      QColor(140, 0, 160), QColor(120, 100, 0)};
    for (std::size_t h = 0; h < holds.size() && h < figures.pickCurves.size(); ++h) {
        const QColor colour = kColours[h % std::size(kColours)];
        const QString hold = QString::number(holds[h]);
        AddCurve(plot, figures.days, figures.pickCurves[h], QPen(colour, 2),
                 QStringLiteral("picks, hold %1").arg(hold));
        QPen dashed(colour, 1, Qt::DashLine);
        AddCurve(plot, figures.days, figures.marketCurves[h], dashed,
                 QStringLiteral("market, hold %1").arg(hold));
    }
    auto ticker = QSharedPointer<QCPAxisTickerDateTime>::create();
    ticker->setDateTimeFormat(QStringLiteral("dd.MM.yy"));
    ticker->setDateTimeSpec(Qt::UTC);
    plot.xAxis->setTicker(ticker);
    plot.yAxis->setLabel(QStringLiteral("cumulative mean forward return (%)"));
    plot.legend->setVisible(true);
    plot.legend->setFont(QFont(plot.font().family(), 8));
    plot.rescaleAxes();
    // A flat line still gets a visible band.
    if (plot.yAxis->range().size() < 1e-9)
        plot.yAxis->setRange(plot.yAxis->range().center() - 1, plot.yAxis->range().center() + 1);
    plot.replot();
}

bool SaveBacktestPng(const BacktestFigures& figures, const std::vector<int>& holds,
                     const std::string& path, int width, int height) {
    QCustomPlot plot;
    plot.resize(width, height);
    DrawBacktestPlot(plot, figures, holds);
    QSaveFile file(QString::fromLocal8Bit(path.c_str()));
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (!plot.toPixmap(width, height).save(&file, "PNG")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace brevant
