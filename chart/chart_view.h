// Brevant Dira — what the chart is asked to show: the view choices, the
// overlay settings and which stock-list entries are selected.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "ta/indicator_params.h"
#include "ta/period_bars.h"

namespace brevant {

// The indicator views, in the order of the indicator combo box.
inline constexpr std::array<std::string_view, 16> kIndicatorViews = {"MACD Line",
                                                                     "MACD Histogram",
                                                                     "MACD Full",
                                                                     "RSI Relative Strength",
                                                                     "CCI Commodity Channel",
                                                                     "MFI Money Flow Index",
                                                                     "Williams %R",
                                                                     "ADX Wilder's DMI",
                                                                     "+DI/-DI Wilder's DI",
                                                                     "Fast Stochastic",
                                                                     "Slow Stochastic",
                                                                     "Chaikin Money Flow",
                                                                     "Accum/Distribution",
                                                                     "Rate Of Change",
                                                                     "On Balance Volume",
                                                                     "Average True Range"};

enum IndicatorView : int {
    kMacdLine,
    kMacdHistogram,
    kMacdFull,
    kRsiView,
    kCciView,
    kMfiView,
    kWrView,
    kAdxView,
    kDiView,
    kFastStochastic,
    kSlowStochastic,
    kCmfView,
    kAccumDist,
    kRocView,
    kObvView,
    kAtrView
};

// The price styles, in the order of the price style combo box.
inline constexpr std::array<std::string_view, 3> kPriceStyles = {"Bar(OHLC)", "CandleStick",
                                                                 "Line"};

// The time windows, in the order of the window combo box.
inline constexpr std::array<std::string_view, 5> kTimeWindows = {"1 Month", "3 Months", "6 Months",
                                                                 "1 Year", "View All"};

struct ChartView {
    int indicator = kMacdFull;       // index into kIndicatorViews
    int priceStyle = 1;              // index into kPriceStyles
    std::string window = "3 Months"; // one of kTimeWindows; matched on the text
    BarPeriod period = BarPeriod::Daily;
};

// The overlay dialog's state: the periods and which overlays are ticked.
struct OverlaySettings {
    TOverlayParams params;
    bool PlotMA1 = false, PlotMA2 = false, PlotMA3 = false, PlotBB = false;
};

// The selected entries of the two stock lists, as list texts.
struct StockSelection {
    bool allStockTabVisible = true;          // the "All Stock" tab is the visible one
    std::optional<std::string> allStock;     // selection of the all-stock list
    std::optional<std::string> filterResult; // selection of the filter result list

    bool Any() const { return allStock.has_value() || filterResult.has_value(); }
    // The entry whose text heads the chart: the all-stock selection when its
    // tab is visible and it has one, otherwise the filter result selection.
    const std::optional<std::string>& HeaderEntry() const {
        return allStockTabVisible && allStock ? allStock : filterResult;
    }
    // The entry the short-history message names: the visible tab's list only.
    const std::optional<std::string>& VisibleListEntry() const {
        return allStockTabVisible ? allStock : filterResult;
    }
};

// Index of `text` in one of the tables above, or -1.
template <std::size_t N>
int IndexOfText(const std::array<std::string_view, N>& table, std::string_view text) {
    for (std::size_t i = 0; i < N; ++i)
        if (table[i] == text) return static_cast<int>(i);
    return -1;
}

// Bars a time window asks for: 30, 60, 120, 240, or every bar for "View All".
// Throws std::invalid_argument for a text that is not one of kTimeWindows.
int WindowBars(std::string_view window, int barCount);

} // namespace brevant
