// Brevant Dira — what the chart is asked to show: the view choices, the
// overlay settings and which stock-list entries are selected.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "chart/history_windows.h"
#include "chart/indicator_views.h"
#include "chart/price_styles.h"
#include "chart/time_windows.h"
#include "ta/indicator_params.h"
#include "ta/period_bars.h"

namespace brevant {

// The first indicator panel and the added ones together.
inline constexpr int kMostIndicatorPanels = 3;

struct ChartView {
    int indicator = kMacdFull;     // index into kIndicatorViews
    int priceStyle = kCandleStyle; // index into kPriceStyles
    // The name of one of kTimeWindows: the window is matched on the text.
    std::string window{kTimeWindows[kThreeMonths].name};
    BarPeriod period = BarPeriod::Daily;
    // Beside the specified windows: a window over the stock's whole history,
    // which then takes the place of `window`.
    std::optional<HistoryChoice> history;
    bool logScale = false; // the price axis on a logarithmic scale
    // Prices and volumes adjusted for the stock's recorded splits, over its
    // whole history.
    bool adjusted = false;
    // The indicator views of the panels added under the price panel, top
    // down; none by default. `indicator` stays the view of the first panel.
    std::vector<int> addedPanels;

    // Whether the view needs the stock's whole history rather than the
    // newest 350 days the specified windows show.
    bool NeedsWholeHistory() const { return history.has_value() || adjusted; }
};

// The overlay dialog's state: the periods and which overlays are ticked.
struct OverlaySettings {
    TOverlayParams params;
    bool PlotMA1 = false, PlotMA2 = false, PlotMA3 = false, PlotBB = false;
    friend bool operator==(const OverlaySettings&, const OverlaySettings&) = default;
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

} // namespace brevant
