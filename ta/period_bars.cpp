// Brevant Dira — weekly and monthly bars made from daily bars.
#include "ta/period_bars.h"

#include <cmath>
#include <set>

#include "ta/day_date.h"

namespace brevant {
namespace {

double WeekStart(double date) {
    return std::trunc(date) - (DayOfTheWeek(date) - 1);
}

double MonthStart(double date) {
    const CivilDate d = DecodeDate(date);
    return EncodeDate(d.year, d.month, 1);
}

template <typename PeriodStart> void Aggregate(TBars& bars, PeriodStart periodStart) {
    if (bars.empty()) return;
    std::set<double> seen;
    TBars periods;
    double volumeSum = 0;
    int count = 0;
    for (const TStockBar& bar : bars) {
        const double start = periodStart(bar.Date);
        if (seen.insert(start).second) {
            TStockBar p;
            p.Open = bar.Open;
            p.High = bar.High;
            p.Low = bar.Low;
            p.Close = bar.Close;
            p.Volume = bar.Volume;
            p.Date = start;
            periods.push_back(p);
            volumeSum = bar.Volume;
            count = 1;
            continue;
        }
        // The input is in date order, so a period seen before is the last one.
        TStockBar& p = periods.back();
        if (bar.High > p.High) p.High = bar.High;
        if (bar.Low < p.Low) p.Low = bar.Low;
        p.Close = bar.Close;
        volumeSum += bar.Volume;
        ++count;
        p.Volume = std::nearbyint(volumeSum / count); // default rounding: halves to even
    }
    bars = std::move(periods);
}

} // namespace

double PeriodStart(double date, BarPeriod period) {
    switch (period) {
    case BarPeriod::Weekly:
        return WeekStart(date);
    case BarPeriod::Monthly:
        return MonthStart(date);
    case BarPeriod::Daily:
        break;
    }
    return std::trunc(date);
}

void GetWeeklyData(TBars& bars) {
    Aggregate(bars, WeekStart);
}

void GetMonthlyData(TBars& bars) {
    Aggregate(bars, MonthStart);
}

std::string_view BarPeriodName(BarPeriod period) {
    switch (period) {
    case BarPeriod::Weekly:
        return "weekly";
    case BarPeriod::Monthly:
        return "monthly";
    case BarPeriod::Daily:
        break;
    }
    return "daily";
}

bool ParseBarPeriod(std::string_view text, BarPeriod& out) {
    for (BarPeriod p : {BarPeriod::Daily, BarPeriod::Weekly, BarPeriod::Monthly}) {
        if (text == BarPeriodName(p)) {
            out = p;
            return true;
        }
    }
    return false;
}

} // namespace brevant
