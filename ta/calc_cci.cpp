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
    std::vector<double> average(bars.size());
    calc::ForEachWindowSum(typical, n, [&](int t, double sum) { average[t] = sum / n; });
    for (int t = n - 1; t <= last; ++t) {
        const double sma = average[t];
        auto deviation = [&](int k) { return std::fabs(sma - typical[k]); };
        const double md = calc::SumOldestFirst(calc::WindowStart(t, n), t, deviation) / n;
        bars[t].CCI = md == 0 ? 0 : (typical[t] - sma) / (0.015 * md);
    }
}

} // namespace brevant
