// Brevant Dira — slow stochastic: raw %K smoothed over 3 bars, and its m-bar
// average.
#include "ta/calc_kernels.h"
#include "ta/calculations.h"

namespace brevant {

void CalSStoc(TBars& bars, const TIndicatorParams& p) {
    const int n = p.SSTOC1, m = p.SSTOC2;
    if (n < 1 || m < 1 || !calc::HasBars(bars, std::int64_t{n} + m + 3)) return;
    for (double TStockBar::*field :
         {&TStockBar::SlowK, &TStockBar::FastK, &TStockBar::SlowD, &TStockBar::FastD})
        calc::ResetField(bars, field);
    const int last = calc::LastIndex(bars);
    for (int t = n - 1; t <= last; ++t) {
        TStockBar& bar = bars[t];
        bar.FastK = calc::RawPercentK(bars, t, n);
        // The slowing is fixed at 3 bars; it is not a parameter.
        if (t >= n + 1) {
            const double slowK = (bars[t].FastK + bars[t - 1].FastK + bars[t - 2].FastK) / 3;
            // FastD carries the slow %K: the slow view shows it in the fast
            // %D slot.
            bar.FastD = slowK;
            bar.SlowK = slowK;
        }
        if (t >= n + m)
            bar.SlowD = calc::SumNewestFirst(calc::WindowStart(t, m), t,
                                             [&](int k) { return bars[k].SlowK; }) /
                        m;
    }
}

} // namespace brevant
