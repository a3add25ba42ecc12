// Brevant Dira — the time windows: how many bars the chart shows, with the
// window combo box's names, the "&Graph" menu's captions and the keys.
#pragma once

#include <array>
#include <string_view>

namespace brevant {

enum TimeWindow : int { kOneMonth, kThreeMonths, kSixMonths, kOneYear, kAllBars };

struct TimeWindowInfo {
    TimeWindow window;            // its position in the table
    std::string_view name;        // the combo box item, which the chart matches
    std::string_view menuCaption; // the "&Graph" menu item
    int functionKey;              // n for the key Fn; 0: none
    int bars;                     // bars shown; 0: every bar
};

// In the order of the window combo box.
inline constexpr std::array<TimeWindowInfo, 5> kTimeWindows = {{
    {kOneMonth, "1 Month", "View 1 Month Data", 1, 30},
    {kThreeMonths, "3 Months", "View 3 Months", 0, 60},
    {kSixMonths, "6 Months", "View 6 Months", 2, 120},
    {kOneYear, "1 Year", "View 1 Year", 3, 240},
    {kAllBars, "View All", "View All Data", 4, 0},
}};

// The row of the window named exactly `name`, or nullptr.
const TimeWindowInfo* FindTimeWindow(std::string_view name);

// The window `text` names in any case, or by its position from 0; -1 for none.
int TimeWindowByName(std::string_view text);

// Bars a time window asks for: 30, 60, 120, 240, or every bar for "View All".
// Throws std::invalid_argument for a text that is not the name of a window.
int WindowBars(std::string_view window, int barCount);

} // namespace brevant
