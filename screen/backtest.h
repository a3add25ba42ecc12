// Brevant Dira — back-testing a formula screen: the screen as of each of the
// last days, each day treated as the last bar, and what its picks did next.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "formula/formula.h"
#include "screen/backtest_figures.h"
#include "screen/scan_run.h"
#include "ta/period_bars.h"

namespace brevant {

inline constexpr int kBacktestMaxDays = 1000;
inline constexpr int kBacktestMaxHold = 250;
// The holding periods when none are asked for.
inline const std::vector<int> kDefaultHolds = {1, 5, 20};

struct BacktestSettings {
    std::shared_ptr<const Formula> formula;
    BarPeriod period = BarPeriod::Daily; // days are bars of this period
    int days = 250;
    std::vector<int> holds = kDefaultHolds;
};

struct BacktestResult {
    ScanOutcome outcome = ScanOutcome::Completed;
    std::string error;
    BacktestFigures figures;
};

// Evaluates the formula once per stock over the bars LoadDataForName gives
// (from `cache`, filled first in one pass on TR1 when it is not complete):
// bar t of the result is the screen of the series cut after bar t, using
// only bars up to it. Reports progress per stock through `callbacks.progress`
// (processed and total) and stops after the current stock when asked. A
// database error ends it as Failed; an empty list as EmptyDatabase.
BacktestResult RunBacktest(TDataStore& store, const std::vector<std::string>& stockList,
                           const TIndicatorParams& params, const BacktestSettings& settings,
                           const ScanCallbacks& callbacks, TBarCache& cache);

} // namespace brevant
