// Brevant Dira — the windows over a stock's whole history: the last one,
// two or five calendar years, the whole history, or the days between two
// dates. Beside the specified windows, which count bars of the newest 350
// days.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "ta/locale_settings.h"
#include "ta/period_bars.h"
#include "ta/stock_bar.h"

namespace brevant {

enum HistoryWindow : int { kHistoryOneYear, kHistoryTwoYears, kHistoryFiveYears, kAllHistory };

struct HistoryWindowInfo {
    HistoryWindow window; // its position in the table
    std::string_view name;
    int years; // calendar years back from the newest bar; 0: every bar
};

inline constexpr std::array<HistoryWindowInfo, 4> kHistoryWindows = {{
    {kHistoryOneYear, "1 Year", 1},
    {kHistoryTwoYears, "2 Years", 2},
    {kHistoryFiveYears, "5 Years", 5},
    {kAllHistory, "All History", 0},
}};

// The history window `text` names in any case; -1 for none. (Positions are
// not read: a number names one of the specified windows.)
int HistoryWindowByName(std::string_view text);

// A window over the whole history: a row of kHistoryWindows, or the days
// from `from` to `to` (day numbers, both shown).
struct HistoryChoice {
    int window = kAllHistory; // ignored when `range` is set
    bool range = false;
    double from = 0, to = 0;
    friend bool operator==(const HistoryChoice&, const HistoryChoice&) = default;
};

// The bars a choice shows of a series in `period` (oldest first), first ..
// last; empty (last < first) when none lies in a date range. A date range
// shows the bars whose period holds a day of it: a weekly bar dated the
// Monday before `from` still shows. `shortOf` is set when the series starts
// after what the window asks for: a history shorter than the years, or a
// range that begins before the first stored day.
struct HistorySpan {
    int first = 0, last = -1;
    bool shortOf = false;
    bool empty() const { return last < first; }
};
HistorySpan SpanOfHistory(const TBars& bars, const HistoryChoice& choice, BarPeriod period);

// What the status bar says of a series short of the choice, after the stock's
// list text: " has less than 2 Years data", as the specified windows say it,
// or, for a range, " has no data before " and the first bar's date
// "dd.mm.yyyy".
std::string HistoryShortText(const TBars& bars, const HistoryChoice& choice,
                             const LocaleSettings& locale);

// The day `years` calendar years before `date` (29 February going back to a
// year without it: the 28th).
double YearsBefore(double date, int years);

} // namespace brevant
