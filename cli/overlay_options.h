// Brevant Dira — reading the overlay options that `bars` and `chart` share:
// `--ma P1,P2,P3` and `--bb N,K`.
#pragma once

#include <functional>
#include <string_view>

#include "cli/command_line.h"
#include "ta/indicator_params.h"

namespace brevant::cli {

// `--ma P1,P2,P3`: the three moving-average periods, each at least 1, into
// `overlay`; then `read` runs (when given).
WordReader MovingAveragesValue(std::string_view command, TOverlayParams& overlay,
                               std::function<void()> read = {});

// How `--bb` is written.
enum class BollingerWords {
    PeriodAndWidth, // N,K
    PeriodOrBoth,   // N alone keeps the width; "period must be at least 1" names a zero N
};

// `--bb N,K`: the Bollinger period N (at least 1) and width K in standard
// deviations (at least 0), into `overlay`; then `read` runs (when given).
WordReader BollingerValue(std::string_view command, TOverlayParams& overlay, BollingerWords words,
                          std::function<void()> read = {});

} // namespace brevant::cli
