// Brevant Dira — the names a formula knows: the price columns, every
// calculation's outputs, and the functions over series.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "ta/calculation_table.h"
#include "ta/indicator_params.h"
#include "ta/stock_bar.h"

namespace brevant {

// One calculated value by name ("rsi", "macd_signal"): the calculation that
// writes it, its field, and the first bar that holds a value as a function of
// the periods (the calculation's own rule). Before that bar, and on a series
// shorter than the calculation needs, the value is missing.
struct FormulaIndicator {
    std::string_view name;
    const CalculationInfo* calculation;
    double TStockBar::*field;
    std::int64_t (*firstBar)(const TIndicatorParams&, const TOverlayParams&);
};

std::span<const FormulaIndicator> FormulaIndicators();
const FormulaIndicator* FindFormulaIndicator(std::string_view name);

// Sets the calculation's parameters in its own order (MACD1, MACD2, MACD3;
// BBPeriod, BBWidth; ...) from `periods`; the rest keep their values.
void ApplyFormulaPeriods(const CalculationInfo& calculation, std::span<const int> periods,
                         TIndicatorParams& params, TOverlayParams& overlay);

// The limits of a period or window written in a formula, and of a look-back.
inline constexpr int kFormulaMaxPeriod = 1000;
inline constexpr int kFormulaMaxLookBack = 1000;

// What the formula box lists: every name with how it is written and a line
// saying what it gives.
struct FormulaHelpEntry {
    std::string_view written;
    std::string_view meaning;
};
std::span<const FormulaHelpEntry> FormulaHelp();

} // namespace brevant
