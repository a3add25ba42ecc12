// Brevant Dira — running indicator calculations named on the command line.
#pragma once

#include <string>
#include <vector>

#include "ta/indicator_params.h"
#include "ta/stock_bar.h"

namespace brevant::cli {

// Splits a comma-separated list of calculation names; "all" stands for every
// calculation in its standard order. Returns false and sets `error` for an
// unknown name.
bool ResolveCalculations(const std::string& list, std::vector<std::string>& names,
                         std::string& error);

// Runs the named calculations (resolved above) in order.
void RunCalculations(const std::vector<std::string>& names, TBars& bars,
                     const TIndicatorParams& params, const TOverlayParams& overlay);

} // namespace brevant::cli
