// Brevant Dira — Chaikin money flow, the accumulation/distribution line and
// its simple average.
#include "ta/calc_kernels.h"
#include "ta/calculations.h"

namespace brevant {

void CalCMF(TBars& bars, const TIndicatorParams& p) {
    const int n = p.CMF;
    if (n < 1 || !calc::HasBars(bars, n + std::int64_t{3})) return;
    calc::ResetField(bars, &TStockBar::CMF);
    calc::ResetField(bars, &TStockBar::AccDist);
    calc::ResetField(bars, &TStockBar::AccDistMA);
    const int last = calc::LastIndex(bars);
    // A bar without a range moves no money; its volume still counts. Adding
    // its 0.0 to a sum that starts at +0.0 is the same as skipping it.
    const std::vector<double> flow = calc::PerBar(bars, [](const TStockBar& bar) {
        return calc::HasRange(bar) ? calc::MoneyFlowVolume(bar) : 0.0;
    });
    auto flowOf = [&](int k) { return flow[k]; };
    auto volumeOf = [&](int k) { return bars[k].Volume; };

    for (int t = n - 1; t <= last; ++t) {
        const double flowSum = calc::SumOldestFirst(calc::WindowStart(t, n), t, flowOf);
        const double volumeSum = calc::SumOldestFirst(calc::WindowStart(t, n), t, volumeOf);
        bars[t].CMF = volumeSum == 0 ? 0 : flowSum / volumeSum;
    }

    bars[0].AccDist = flow[0];
    for (int k = 1; k <= last; ++k)
        bars[k].AccDist =
            calc::HasRange(bars[k]) ? bars[k - 1].AccDist + flow[k] : bars[k - 1].AccDist;

    for (int t = n - 1; t <= last; ++t)
        bars[t].AccDistMA = calc::SumOldestFirst(calc::WindowStart(t, n), t,
                                                 [&](int k) { return bars[k].AccDist; }) /
                            n;
}

} // namespace brevant
