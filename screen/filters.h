// Brevant Dira — the four screening filters.
//
// Each filter looks at a bar series already loaded (and converted to weekly or
// monthly bars where asked) and answers 0 to let the stock through or 1 to
// reject it; comparisons are strict. A series too short for the filter is
// rejected and counted as short of data. "last" is the newest bar's index.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "formula/formula_evaluator.h"
#include "ta/indicator_params.h"
#include "ta/stock_bar.h"

namespace brevant {

// Stocks rejected for too short a series during one run, with the progress
// window's hooks: `changed` receives the new count as its label text.
struct InsufficientData {
    int count = 0;
    std::function<void(const std::string&)> changed;
    std::function<void()> processMessages;

    // Counts one more stock; returns the filter's answer for it (1, rejected).
    std::uint8_t Reject();
};

// Moving average 1 (period p1) crossing above moving average 2 (period p2)
// within the last n bars: at or below at bar last - n, above at the last bar.
// Averages of Close, summed oldest first. Short of data when last < p2 + n or
// when a window would start before the first bar.
std::uint8_t MAFilter(const TBars& bars, int p1, int p2, int n, InsufficientData& counter);

// MACD line below its signal line at bar last - n and above it at the last
// bar; reads MacdLine and MacdSignal as CalMACD left them. Short of data when
// last < MACD1 + MACD2 + MACD3 + 2, or when bar last - n has no signal value
// (CalMACD's first is bar MACD1 + MACD2 + MACD3): its 0.0 is no value to
// compare.
std::uint8_t MACDFilter(const TBars& bars, const TIndicatorParams& params, int n,
                        InsufficientData& counter);

// RSI crossing the level within the last n bars: direction 0 ("Above"): below
// the level at bar last - n and above it at the last bar; 1 ("Below"): the
// reverse; any other direction rejects. Reads RSI as CalRSI (period
// params.RSI) left it. Short of data when last < n + 2, or when bar last - n
// or the last bar has no RSI value (CalRSI's first is bar RSI + 1, and it
// computes none on fewer than RSI + 3 bars): its 0.0 is no value to compare.
std::uint8_t ProFilter26(const TBars& bars, const TIndicatorParams& params, int direction,
                         int level, int n, InsufficientData& counter);

// Average Volume of the last w bars above v. Short of data when last < w.
std::uint8_t VOLFilter(const TBars& bars, int v, int w, InsufficientData& counter);

// The user's formula on the last bar: passes when it holds; short of data
// when a value it needs is missing there (or there is no bar).
std::uint8_t FormulaFilter(TBars& bars, FormulaEvaluator& formula, InsufficientData& counter);

} // namespace brevant
