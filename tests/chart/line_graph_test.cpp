// Brevant Dira — a line series drawn in one painter call gives the pixels
// the plot's own line drawing gives: thin and thick pens, smoothed or not,
// dotted, with gaps at missing values, lines from a few points to thousands
// of steps narrower than a pixel.
#include <gtest/gtest.h>

#include <QApplication>
#include <cmath>
#include <limits>
#include <qcustomplot.h>

#include "chart/render/line_graph.h"

namespace brevant {
namespace {

struct LineCase {
    const char* name;
    int points;
    double penWidth;
    Qt::PenStyle style;
    bool antialiased;
    bool gaps; // missing values at the start, in the middle, twice in a row
};

const LineCase kCases[] = {
    {"thin smoothed, few points", 12, 1, Qt::SolidLine, true, false},
    {"thin smoothed, thousands", 2520, 1, Qt::SolidLine, true, true},
    {"thick smoothed, thousands", 2520, 2, Qt::SolidLine, true, true},
    {"thick smoothed, few points", 40, 2, Qt::SolidLine, true, true},
    {"thin unsmoothed", 600, 1, Qt::SolidLine, false, true},
    {"thick unsmoothed", 600, 2, Qt::SolidLine, false, true},
    {"dotted", 600, 1, Qt::DotLine, true, true},
};

class LineGraphTest : public testing::TestWithParam<LineCase> {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "chart_render_tests";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance()) new QApplication(argc, argv);
    }

    // The line of `c` drawn into a plot of its own by a graph of kind Graph;
    // the same plot without the line when `empty`.
    template <typename Graph> static QImage Draw(const LineCase& c, bool empty = false) {
        QCustomPlot plot;
        plot.resize(900, 400);
        plot.setPlottingHint(QCP::phFastPolylines, true);
        auto* graph = new Graph(plot.xAxis, plot.yAxis);
        QVector<double> x(c.points), y(c.points);
        const double nan = std::numeric_limits<double>::quiet_NaN();
        for (int i = 0; i < c.points; ++i) {
            x[i] = i;
            y[i] = 50 + 20 * std::sin(i / 5.0) + 7 * std::cos(i / 1.3);
            if (c.gaps &&
                (i == 0 || i == c.points / 2 || i == c.points / 2 + 1 || i == c.points / 3))
                y[i] = nan;
        }
        if (!empty) graph->setData(x, y, true);
        QPen pen(Qt::darkMagenta, c.penWidth, c.style);
        pen.setCapStyle(Qt::FlatCap);
        graph->setPen(pen);
        graph->setAntialiased(c.antialiased);
        plot.xAxis->setRange(-1, c.points);
        plot.yAxis->setRange(20, 80);
        // As a window shows it: replotted into the plot's buffers, then
        // painted. (A picture made with toPixmap draws for export, where
        // every line takes the plot's own way.)
        plot.replot(QCustomPlot::rpImmediateRefresh);
        return plot.grab().toImage();
    }
};

TEST_P(LineGraphTest, DrawsThePixelsOfThePlotsOwnLine) {
    const LineCase& c = GetParam();
    const QImage own = Draw<QCPGraph>(c);
    const QImage batched = Draw<LineGraph>(c);
    ASSERT_EQ(own.size(), batched.size());
    EXPECT_TRUE(own == batched) << c.name;
    // The line is there at all.
    EXPECT_FALSE(own == Draw<QCPGraph>(c, true)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Lines, LineGraphTest, testing::ValuesIn(kCases));

} // namespace
} // namespace brevant
