// Brevant Dira — average true range with Wilder's smoothing.
#include "ta/calc_kernels.h"
#include "ta/calculations.h"

namespace brevant {

void CalATR(TBars& bars, const TIndicatorParams& p) {
    const int n = p.ATR;
    if (n < 1 || !calc::HasBars(bars, n + std::int64_t{3})) return;
    calc::ResetField(bars, &TStockBar::ATR);
    const int last = calc::LastIndex(bars);
    // Bar 0 has no previous close: its range stands in for its true range.
    double sum = bars[0].High - bars[0].Low;
    for (int i = 1; i <= n - 1; ++i) sum += calc::TrueRange(bars[i], bars[i - 1].Close);
    bars[n - 1].ATR = sum / n;
    for (int i = n; i <= last; ++i)
        bars[i].ATR = calc::WilderAverageStep(bars[i - 1].ATR,
                                              calc::TrueRange(bars[i], bars[i - 1].Close), n);
}

} // namespace brevant
