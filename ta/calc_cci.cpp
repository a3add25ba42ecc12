// Brevant Dira — commodity channel index of the typical price.
#include "ta/calc_kernels.h"
#include "ta/calculations.h"

namespace brevant {

void CalCCI(TBars& bars, const TIndicatorParams& p) {
    const int n = p.CCI;
    if (n < 1 || !calc::HasBars(bars, n + std::int64_t{3})) return;
    calc::ResetField(bars, &TStockBar::CCI);
    const int last = calc::LastIndex(bars);
    const std::vector<double> typical = calc::PerBar(bars, calc::TypicalPrice);
    auto tp = [&](int k) { return typical[k]; };
    for (int t = n - 1; t <= last; ++t) {
        const int first = calc::WindowStart(t, n);
        const double sma = calc::SumOldestFirst(first, t, tp) / n;
        const double md =
            calc::SumOldestFirst(first, t, [&](int k) { return std::fabs(sma - tp(k)); }) / n;
        bars[t].CCI = md == 0 ? 0 : (tp(t) - sma) / (0.015 * md);
    }
}

} // namespace brevant
