// Brevant Dira — one stock's bars in each period, made once per stock and
// shared by every filter of every screen that asks for them.
#pragma once

#include <array>
#include <span>

#include "store/compact_bars.h"
#include "ta/indicator_params.h"
#include "ta/period_bars.h"
#include "ta/stock_bar.h"

namespace brevant {

// The stock's bars in `period` for a formula, in a buffer used for stock
// after stock. Daily bars keep the indicator fields the buffer held (clearing
// 41 fields a bar costs more than the whole formula): a formula reads a
// calculation's fields only after that calculation cleared and wrote them
// on this series, and none on a series too short for it.
void ExpandFormulaBars(std::span<const CompactBar> daily, BarPeriod period, TBars& bars);

// A filter reads only its own fields (Close, Volume, the MACD lines, RSI), and
// each calculation writes only its own; so one series per period, with MACD
// and RSI computed when first asked for, answers every filter exactly as a
// fresh copy converted and computed for that filter alone would.
class StockSeries {
public:
    // A new stock: its daily rows, oldest first. `daily` must outlive the
    // series' use for this stock.
    void Reset(std::span<const CompactBar> daily);

    // The stock's bars in `period`, without indicator values.
    const TBars& Bars(BarPeriod period);
    // The same with CalMACD, or CalRSI, run on them.
    const TBars& WithMacd(BarPeriod period, const TIndicatorParams& params);
    const TBars& WithRsi(BarPeriod period, const TIndicatorParams& params);
    // A copy of the bars in `period` for formulas, whose calculations may
    // run with other periods than the filters' and must not touch theirs.
    // Its indicator fields may hold another stock's values: the formula
    // evaluator reads none it did not compute.
    TBars& ForFormulas(BarPeriod period);

private:
    struct Series {
        TBars bars;
        bool made = false, macd = false, rsi = false;
    };
    Series& Made(BarPeriod period);

    std::span<const CompactBar> daily_;
    std::array<Series, 3> series_;
    std::array<TBars, 3> formulaBars_;
    std::array<bool, 3> formulaMade_{};
};

} // namespace brevant
