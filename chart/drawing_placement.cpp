// Brevant Dira — where a drawing stands over a series.
#include "chart/drawing_placement.h"

#include <algorithm>
#include <cmath>

namespace brevant {
namespace {

// Days a bar of the period covers, for a series of one bar.
double NominalDays(BarPeriod period) {
    switch (period) {
    case BarPeriod::Weekly:
        return 7;
    case BarPeriod::Monthly:
        return 365.25 / 12;
    default:
        return 1;
    }
}

double DaysPerBar(const TBars& bars, BarPeriod period) {
    const std::size_t n = bars.size();
    if (n < 2 || !(bars.back().Date > bars.front().Date)) return NominalDays(period);
    return (bars.back().Date - bars.front().Date) / double(n - 1);
}

bool Earlier(const TStockBar& bar, double day) {
    return bar.Date < day;
}

} // namespace

double DayPosition(const TBars& bars, double day, BarPeriod period) {
    if (bars.empty()) return 0;
    // The start of the day's period is how its bar is dated.
    const double start = PeriodStart(std::trunc(day), period);
    const auto at = std::lower_bound(bars.begin(), bars.end(), start, Earlier);
    const double index = double(at - bars.begin());
    if (at != bars.end() && at->Date == start) return index;
    const double step = DaysPerBar(bars, period);
    if (at == bars.begin()) return (start - bars.front().Date) / step;
    if (at == bars.end()) return double(bars.size() - 1) + (start - bars.back().Date) / step;
    const double before = std::prev(at)->Date;
    return index - 1 + (start - before) / (at->Date - before);
}

double PositionDay(const TBars& bars, double position) {
    if (bars.empty()) return 0;
    const double last = double(bars.size() - 1);
    if (position < 0 || position > last) {
        const double step = DaysPerBar(bars, BarPeriod::Daily);
        const double from = position < 0 ? bars.front().Date : bars.back().Date;
        const double by = position < 0 ? position : position - last;
        return std::round(from + by * step);
    }
    return std::trunc(bars[std::size_t(std::lround(position))].Date);
}

std::vector<PlacedDrawing> PlaceDrawings(const Drawings& drawings, const TBars& bars,
                                         BarPeriod period) {
    std::vector<PlacedDrawing> placed;
    placed.reserve(drawings.size());
    for (const Drawing& d : drawings) {
        PlacedDrawing p{d.id, d.kind, 0, 0, d.price1, d.price1};
        if (d.kind == DrawingKind::Trend) {
            p.x1 = DayPosition(bars, d.day1, period);
            p.x2 = DayPosition(bars, d.day2, period);
            p.price2 = d.price2;
        }
        placed.push_back(p);
    }
    return placed;
}

} // namespace brevant
