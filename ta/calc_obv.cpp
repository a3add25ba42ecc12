// Brevant Dira — on-balance volume and its 20-bar average.
#include "ta/calc_kernels.h"
#include "ta/calculations.h"

namespace brevant {

namespace {
constexpr int kObvAverage = 20;
// Close changes up to this size count as unchanged (prices are stored in
// single precision).
constexpr double kUnchanged = 0.002;
} // namespace

void CalOBV(TBars& bars) {
    if (!calc::HasBars(bars, kObvAverage + 3)) return;
    // ObvMA is overwritten from bar 19 on and deliberately not cleared.
    calc::ResetField(bars, &TStockBar::OBV);
    const int last = calc::LastIndex(bars);
    bars[0].OBV = bars[0].Volume;
    for (int k = 1; k <= last; ++k) {
        const double d = bars[k].Close - bars[k - 1].Close;
        const double previous = bars[k - 1].OBV;
        // A change of exactly 0.002 is unchanged too, so that no bar falls
        // back to 0.0 and drags the line after it.
        if (d > kUnchanged)
            bars[k].OBV = previous + bars[k].Volume;
        else if (d < -kUnchanged)
            bars[k].OBV = previous - bars[k].Volume;
        else
            bars[k].OBV = previous;
    }
    const std::vector<double> obv =
        calc::PerBar(bars, [](const TStockBar& bar) { return bar.OBV; });
    calc::ForEachWindowSum(obv, kObvAverage,
                           [&](int t, double sum) { bars[t].ObvMA = sum / kObvAverage; });
}

} // namespace brevant
