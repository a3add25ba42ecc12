// Brevant Dira — weekly and monthly bars made from daily bars.
#pragma once

#include <string_view>

#include "ta/stock_bar.h"

namespace brevant {

// Rewrite `bars` (oldest first) as one bar per calendar week (Monday to
// Sunday, dated the Monday) or calendar month (dated the first). A period's
// bar has the first Open, the last Close, the extreme High and Low, and the
// mean Volume rounded half to even (a single bar's volume unchanged); every
// indicator field is 0 afterwards. An empty series stays empty.
void GetWeeklyData(TBars& bars);
void GetMonthlyData(TBars& bars);

// The bar periods a chart or a filter can ask for.
enum class BarPeriod { Daily, Weekly, Monthly };

// The period's name on the command line and in reports: "daily", "weekly",
// "monthly". ParseBarPeriod reads exactly those names (lower case) and leaves
// `out` alone when the text is none of them.
std::string_view BarPeriodName(BarPeriod period);
bool ParseBarPeriod(std::string_view text, BarPeriod& out);

// The first day of the period that holds `date`: the day itself, its week's
// Monday or its month's first day; the date a bar of that period carries.
double PeriodStart(double date, BarPeriod period);

// Rewrites daily `bars` in `period` (daily leaves them as they are).
inline void ConvertToPeriod(TBars& bars, BarPeriod period) {
    if (period == BarPeriod::Weekly)
        GetWeeklyData(bars);
    else if (period == BarPeriod::Monthly)
        GetMonthlyData(bars);
}

} // namespace brevant
