// Brevant Dira — Bollinger bands around the simple average of Close.
#include "ta/calc_kernels.h"
#include "ta/calculations.h"

namespace brevant {

void CalBB(TBars& bars, int n, int k) {
    const int last = calc::LastIndex(bars);
    if (n < 1 || last < n) return;
    calc::ResetField(bars, &TStockBar::BBUpper);
    calc::ResetField(bars, &TStockBar::BBMiddle);
    calc::ResetField(bars, &TStockBar::BBLower);
    auto close = [&](int j) { return bars[j].Close; };
    for (int t = n - 1; t <= last; ++t) {
        const int first = calc::WindowStart(t, n);
        const double mid = calc::SumOldestFirst(first, t, close) / n;
        auto squaredDeviation = [&](int j) {
            const double d = bars[j].Close - mid;
            return d * d;
        };
        // Population variance (divided by n, not n - 1).
        const double variance = calc::SumOldestFirst(first, t, squaredDeviation) / n;
        const double dev = std::sqrt(variance) * k;
        bars[t].BBMiddle = mid;
        bars[t].BBUpper = mid + dev;
        bars[t].BBLower = mid - dev;
    }
}

} // namespace brevant
