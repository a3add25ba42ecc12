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
    const std::vector<double> closes =
        calc::PerBar(bars, [](const TStockBar& bar) { return bar.Close; });
    calc::ForEachWindowSum(closes, n, [&](int t, double sum) { bars[t].BBMiddle = sum / n; });
    for (int t = n - 1; t <= last; ++t) {
        const double mid = bars[t].BBMiddle;
        auto squaredDeviation = [&](int j) {
            const double d = closes[j] - mid;
            return d * d;
        };
        // Population variance (divided by n, not n - 1).
        const double variance =
            calc::SumOldestFirst(calc::WindowStart(t, n), t, squaredDeviation) / n;
        const double dev = std::sqrt(variance) * k;
        bars[t].BBUpper = mid + dev;
        bars[t].BBLower = mid - dev;
    }
}

} // namespace brevant
