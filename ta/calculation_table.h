// Brevant Dira — the table of indicator calculations, looked up by name.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "ta/calculations.h"
#include "ta/indicator_params.h"
#include "ta/stock_bar.h"

namespace brevant {

using BarField = double TStockBar::*;

struct CalculationInfo {
    std::string_view name; // the function's name, as the command line takes it
    // Every field the calculation writes, and the subset it clears first.
    std::span<const BarField> outputs;
    std::span<const BarField> resets;
    // Parameter names: keys of TIndicatorParams or members of TOverlayParams.
    std::span<const std::string_view> parameters;
    void (*run)(TBars&, const TIndicatorParams&, const TOverlayParams&);
    // Bars needed before anything is computed. Shorter series are left as
    // they are, except that clearsWhenShort calculations still clear resets.
    std::int64_t (*minimumBars)(const TIndicatorParams&, const TOverlayParams&);
    bool clearsWhenShort;
};

constexpr std::size_t kCalculationCount = 14;

// In the order "all" runs them: Calcma, CalMACD, CalBB, CalRSI, CalCCI, CalMFI,
// CalWR, CalROC, CalStoc, CalSStoc, CalADX, CalCMF, CalOBV, CalATR.
extern const std::array<CalculationInfo, kCalculationCount> kCalculations;

// The entry with exactly this name, or nullptr.
const CalculationInfo* FindCalculation(std::string_view name);

// Runs every calculation in table order.
void RunAllCalculations(TBars& bars, const TIndicatorParams& p, const TOverlayParams& o);

} // namespace brevant
