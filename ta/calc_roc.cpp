// Brevant Dira — rate of change of Close, in percent.
#include "ta/calc_kernels.h"
#include "ta/calculations.h"

namespace brevant {

void CalROC(TBars& bars, const TIndicatorParams& p) {
    const int n = p.ROC;
    if (n < 1 || !calc::HasBars(bars, n + std::int64_t{2})) return;
    calc::ResetField(bars, &TStockBar::ROC);
    const int last = calc::LastIndex(bars);
    for (int t = n - 1; t <= last; ++t) {
        // The reference is the first bar of the n-bar window, n - 1 bars back.
        const double ref = bars[calc::WindowStart(t, n)].Close;
        const double close = bars[t].Close;
        // A zero reference gives the plain change in percent points, not a
        // division by zero.
        bars[t].ROC = ref == 0 ? (close - ref) * 100 : (close - ref) / ref * 100;
    }
}

} // namespace brevant
