// Brevant Dira — running indicator calculations named on the command line.
#pragma once

#include <string>
#include <vector>

#include "ta/calculation_table.h"

namespace brevant::cli {

// Reads a comma-separated list of calculation names (empty names are
// skipped); "all" stands for every calculation in table order. Returns false
// and sets `error` for an unknown name.
bool ResolveCalculations(const std::string& list, std::vector<const CalculationInfo*>& out,
                         std::string& error);

// Runs the resolved calculations in order.
void RunCalculations(const std::vector<const CalculationInfo*>& calculations, TBars& bars,
                     const TIndicatorParams& params, const TOverlayParams& overlay);

} // namespace brevant::cli
