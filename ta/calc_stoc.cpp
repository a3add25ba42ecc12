// Brevant Dira — fast stochastic: raw %K and its m-bar average %D.
#include "ta/calc_kernels.h"
#include "ta/calculations.h"

namespace brevant {

void CalStoc(TBars& bars, const TIndicatorParams& p) {
    const int n = p.FSTOC1, m = p.FSTOC2;
    if (n < 1 || m < 1 || !calc::HasBars(bars, std::int64_t{n} + m + 3)) return;
    // The four stochastic fields are shared with the slow stochastic; both
    // clear all of them so that the chart never mixes the two.
    for (double TStockBar::*field :
         {&TStockBar::SlowK, &TStockBar::FastK, &TStockBar::SlowD, &TStockBar::FastD})
        calc::ResetField(bars, field);
    const int last = calc::LastIndex(bars);
    for (int t = n - 1; t <= last; ++t) {
        bars[t].FastK = calc::RawPercentK(bars, t, n);
        if (t >= n + m - 2)
            bars[t].FastD = calc::SumNewestFirst(calc::WindowStart(t, m), t,
                                                 [&](int k) { return bars[k].FastK; }) /
                            m;
    }
}

} // namespace brevant
