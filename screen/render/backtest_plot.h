// Brevant Dira — a back-test's plot: for each hold, the cumulative mean
// forward return of the picks (solid) against the market (dashed).
#pragma once

#include <string>
#include <vector>

#include "screen/backtest_figures.h"

class QCustomPlot;

namespace brevant {

// Replaces whatever `plot` shows by the curves, in percent, over the
// back-test's dates.
void DrawBacktestPlot(QCustomPlot& plot, const BacktestFigures& figures,
                      const std::vector<int>& holds);

// Draws the plot at `width` × `height` pixels into a PNG file, written to a
// new file and renamed over `path`; false when it cannot be written. Needs
// a QApplication.
bool SaveBacktestPng(const BacktestFigures& figures, const std::vector<int>& holds,
                     const std::string& path, int width, int height);

} // namespace brevant
