// Brevant Dira — what a screening run is asked to do.
#pragma once

#include <memory>

#include "formula/formula.h"
#include "ta/period_bars.h"

namespace brevant {

// A value the filter dialog accepts, with its limits (inclusive).
struct FilterValueRange {
    int min, max, defaultValue;
    bool Contains(long long v) const { return v >= min && v <= max; }
};

inline constexpr FilterValueRange kMaPeriod1Range{2, 200, 10};
inline constexpr FilterValueRange kMaPeriod2Range{3, 200, 20};
inline constexpr FilterValueRange kMaDaysRange{1, 200, 1};
inline constexpr FilterValueRange kMacdDaysRange{1, 200, 1};
inline constexpr FilterValueRange kRsiLevelRange{1, 100, 1};
inline constexpr FilterValueRange kRsiDaysRange{1, 200, 1};
inline constexpr FilterValueRange kVolumeRange{1000, 1000000000, 1000};

// The ticked filters and their values, as the filter dialog gathers them.
struct ScanFilters {
    bool macd = false;
    int macdDays = kMacdDaysRange.defaultValue;
    BarPeriod macdPeriod = BarPeriod::Daily;

    bool movingAverage = false;
    int maPeriod1 = kMaPeriod1Range.defaultValue;
    int maPeriod2 = kMaPeriod2Range.defaultValue;
    int maDays = kMaDaysRange.defaultValue;
    BarPeriod maPeriod = BarPeriod::Daily;

    bool rsi = false;
    int rsiDirection = 0; // 0 "Above", 1 "Below"
    int rsiLevel = kRsiLevelRange.defaultValue;
    int rsiDays = kRsiDaysRange.defaultValue;
    BarPeriod rsiPeriod = BarPeriod::Daily;

    bool volume = false;
    int volumeThreshold = kVolumeRange.defaultValue;
    BarPeriod volumePeriod = BarPeriod::Daily;

    // A screen of the user's own, after the four filters: the stock passes
    // when the formula holds on its last bar (of formulaPeriod's bars).
    std::shared_ptr<const Formula> formula;
    BarPeriod formulaPeriod = BarPeriod::Daily;

    bool Any() const { return macd || movingAverage || rsi || volume || formula; }
};

// Bars averaged by the volume filter on each period.
constexpr int VolumeWindow(BarPeriod p) {
    return p == BarPeriod::Daily ? 20 : p == BarPeriod::Weekly ? 10 : 3;
}

} // namespace brevant
