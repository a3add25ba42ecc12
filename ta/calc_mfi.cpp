// Brevant Dira — money flow index.
#include "ta/calc_kernels.h"
#include "ta/calculations.h"

namespace brevant {

void CalMFI(TBars& bars, const TIndicatorParams& p) {
    const int n = p.MFI;
    if (n < 1 || !calc::HasBars(bars, n + std::int64_t{3})) return;
    calc::ResetField(bars, &TStockBar::MFI);
    const int last = calc::LastIndex(bars);
    const std::vector<double> typical = calc::PerBar(bars, calc::TypicalPrice);
    for (int t = n; t <= last; ++t) {
        // n comparisons, each bar against the one before it.
        double positive = 0, negative = 0;
        for (int k = calc::WindowStart(t, n); k <= t; ++k) {
            const double d = typical[k] - typical[k - 1];
            const double flow = typical[k] * bars[k].Volume;
            // An unchanged typical price counts on both sides.
            if (d >= 0) positive += flow;
            if (d <= 0) negative += flow;
        }
        bars[t].MFI = negative == 0 ? 100 : 100 - 100 / (1 + positive / negative);
    }
}

} // namespace brevant
