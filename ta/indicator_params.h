// Brevant Dira — the indicator periods and the overlay settings.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace brevant {

// The fifteen stored periods, keyed as in the INDICATOR table.
struct TIndicatorParams {
    int MACD1 = 12, MACD2 = 26, MACD3 = 9;
    int RSI = 14, CCI = 20, MFI = 14, WR = 14, ADX = 14;
    int FSTOC1 = 14, FSTOC2 = 3, SSTOC1 = 14, SSTOC2 = 3;
    int CMF = 20, ROC = 12, ATR = 14;
    friend bool operator==(const TIndicatorParams&, const TIndicatorParams&) = default;
};

// The defaults of a new database: the member initialisers above, the one
// place that names them.
constexpr TIndicatorParams DefaultIndicatorParams() {
    return {};
}

struct IndicatorParamKey {
    std::string_view key; // exact, case-sensitive
    int TIndicatorParams::*member;

    // The default as a new database stores it ("12").
    std::string DefaultText() const { return std::to_string(DefaultIndicatorParams().*member); }
};

// In the order of the table's default rows.
extern const std::array<IndicatorParamKey, 15> kIndicatorParamKeys;

// Applies one stored row: an exact key match sets that parameter; a later row
// overrides an earlier one. A value that is not a whole number of at least 1
// falls back to the key's default (a calculation never sees a period below 1).
// Returns false when the key is not one of the fifteen.
bool ApplyIndicatorRow(TIndicatorParams& params, std::string_view key, std::string_view value);

// The five overlay settings of the overlay dialog (not stored); the member
// initialisers are the dialog's starting values.
struct TOverlayParams {
    int MA1 = 20, MA2 = 50, MA3 = 200;
    int BBPeriod = 20, BBWidth = 2;
    friend bool operator==(const TOverlayParams&, const TOverlayParams&) = default;
};

} // namespace brevant
