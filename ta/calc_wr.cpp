// Brevant Dira — Williams %R.
#include "ta/calc_kernels.h"
#include "ta/calculations.h"

namespace brevant {

void CalWR(TBars& bars, const TIndicatorParams& p) {
    const int n = p.WR;
    if (n < 1 || !calc::HasBars(bars, n + std::int64_t{3})) return;
    calc::ResetField(bars, &TStockBar::WR);
    const int last = calc::LastIndex(bars);
    for (int t = n - 1; t <= last; ++t) {
        const auto [hh, ll] = calc::WindowHighLow(bars, calc::WindowStart(t, n), t);
        // A flat window reads as "close at the low".
        bars[t].WR = hh - ll == 0 ? -100 : (hh - bars[t].Close) / (hh - ll) * (-100);
    }
}

} // namespace brevant
