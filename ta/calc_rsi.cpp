// Brevant Dira — relative strength index with Wilder's smoothing.
#include "ta/calc_kernels.h"
#include "ta/calculations.h"

namespace brevant {

void CalRSI(TBars& bars, const TIndicatorParams& p) {
    const int n = p.RSI;
    if (n < 1 || !calc::HasBars(bars, n + std::int64_t{3})) return;
    // The two averages are working values, overwritten from bar n on; they are
    // deliberately not cleared.
    calc::ResetField(bars, &TStockBar::RSI);
    const int last = calc::LastIndex(bars);
    auto change = [&](int c) { return bars[c].Close - bars[c - 1].Close; };

    double gainSum = 0, lossSum = 0;
    for (int c = 1; c <= n; ++c) {
        const double d = change(c);
        if (d >= 0)
            gainSum += d;
        else
            lossSum += -d;
    }
    bars[n].RsiAvgGain = gainSum / n;
    bars[n].RsiAvgLoss = lossSum / n;

    for (int c = n + 1; c <= last; ++c) {
        const double d = change(c);
        const double gain = d > 0 ? d : 0;
        const double loss = d <= 0 ? -d : 0;
        bars[c].RsiAvgGain = calc::WilderAverageStep(bars[c - 1].RsiAvgGain, gain, n);
        bars[c].RsiAvgLoss = calc::WilderAverageStep(bars[c - 1].RsiAvgLoss, loss, n);
    }
    // Bar n has its seeded averages but no RSI.
    for (int c = n + 1; c <= last; ++c)
        bars[c].RSI = calc::RsiFromAverages(bars[c].RsiAvgGain, bars[c].RsiAvgLoss);
}

} // namespace brevant
