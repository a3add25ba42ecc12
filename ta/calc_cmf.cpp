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
    const std::vector<double> volume =
        calc::PerBar(bars, [](const TStockBar& bar) { return bar.Volume; });

    std::vector<double> flowSum(bars.size());
    calc::ForEachWindowSum(flow, n, [&](int t, double sum) { flowSum[t] = sum; });
    calc::ForEachWindowSum(volume, n, [&](int t, double volumeSum) {
        bars[t].CMF = volumeSum == 0 ? 0 : flowSum[t] / volumeSum;
    });

    bars[0].AccDist = flow[0];
    for (int k = 1; k <= last; ++k)
        bars[k].AccDist =
            calc::HasRange(bars[k]) ? bars[k - 1].AccDist + flow[k] : bars[k - 1].AccDist;

    const std::vector<double> accDist =
        calc::PerBar(bars, [](const TStockBar& bar) { return bar.AccDist; });
    calc::ForEachWindowSum(accDist, n, [&](int t, double sum) { bars[t].AccDistMA = sum / n; });
}

} // namespace brevant
