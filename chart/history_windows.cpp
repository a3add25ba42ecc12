// Brevant Dira — the windows over a stock's whole history.
#include "chart/history_windows.h"

#include <algorithm>
#include <cmath>

#include "chart/view_names.h"
#include "ta/day_date.h"
#include "ta/text_format.h"

namespace brevant {
namespace {

// The first bar dated on or after `date` (bars are in date order).
int FirstOnOrAfter(const TBars& bars, double date) {
    const auto at = std::lower_bound(bars.begin(), bars.end(), date,
                                     [](const TStockBar& b, double d) { return b.Date < d; });
    return static_cast<int>(at - bars.begin());
}

// The last bar dated on or before `date`; -1 when none is.
int LastOnOrBefore(const TBars& bars, double date) {
    const auto after = std::upper_bound(bars.begin(), bars.end(), date,
                                        [](double d, const TStockBar& b) { return d < b.Date; });
    return static_cast<int>(after - bars.begin()) - 1;
}

// The row of a choice's window; an index out of the table is the whole history.
const HistoryWindowInfo& WindowRow(int window) {
    const bool known = window >= 0 && window < int(kHistoryWindows.size());
    return kHistoryWindows[known ? window : int(kAllHistory)];
}

} // namespace

int HistoryWindowByName(std::string_view text) {
    for (const HistoryWindowInfo& row : kHistoryWindows)
        if (SameNameAnyCase(row.name, text)) return row.window;
    return -1;
}

double YearsBefore(double date, int years) {
    const CivilDate d = DecodeDate(date);
    const int year = d.year - years;
    if (year < 1) return EncodeDate(1, 1, 1);
    return EncodeDate(year, d.month, std::min(d.day, DaysInMonth(year, d.month)));
}

HistorySpan SpanOfHistory(const TBars& bars, const HistoryChoice& choice, BarPeriod period) {
    HistorySpan span;
    const int n = static_cast<int>(bars.size());
    if (n == 0) return span;
    if (choice.range) {
        span.first = FirstOnOrAfter(bars, PeriodStart(choice.from, period));
        span.last = LastOnOrBefore(bars, std::trunc(choice.to));
        span.shortOf = std::trunc(choice.from) < bars.front().Date;
        return span;
    }
    span.last = n - 1;
    const int years = WindowRow(choice.window).years;
    if (years == 0) return span;
    // The newest bar and every bar of the years before it, not the bar a
    // whole number of years back.
    const double cutoff = YearsBefore(bars.back().Date, years);
    span.first = FirstOnOrAfter(bars, cutoff + 1);
    span.shortOf = bars.front().Date > cutoff;
    return span;
}

std::string HistoryShortText(const TBars& bars, const HistoryChoice& choice,
                             const LocaleSettings& locale) {
    if (choice.range)
        return " has no data before " +
               (bars.empty() ? std::string()
                             : FormatDateTime("dd.mm.yyyy", bars.front().Date, locale));
    return " has less than " + std::string(WindowRow(choice.window).name) + " data";
}

} // namespace brevant
