// Brevant Dira — where a drawing stands over a series: its days turned into
// positions on the bottom axis, for any period the series is in.
#pragma once

#include <vector>

#include "ta/drawing.h"
#include "ta/period_bars.h"
#include "ta/stock_bar.h"

namespace brevant {

// The bottom-axis position of a day over `bars` (oldest first, each dated
// as its period starts, `period` saying which): the bar whose period holds
// the day, exactly; between two bars (a weekend, a holiday, a month without
// quotes) a share of the way from one to the next, by the days; before the
// first or after the last bar, as many positions on as the series' average
// days a bar say. 0 for an empty series.
double DayPosition(const TBars& bars, double day, BarPeriod period);

// The day a click at `position` stands for: the date of the nearest bar, or
// beyond the series, the day as many average bars on, in whole days.
double PositionDay(const TBars& bars, double position);

// A drawing placed over a series: bottom-axis positions and prices. A level
// spans whatever is in view and has no positions.
struct PlacedDrawing {
    int id = 0;
    DrawingKind kind = DrawingKind::Level;
    double x1 = 0, x2 = 0;
    double price1 = 0, price2 = 0;
};

std::vector<PlacedDrawing> PlaceDrawings(const Drawings& drawings, const TBars& bars,
                                         BarPeriod period);

} // namespace brevant
