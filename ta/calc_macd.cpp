// Brevant Dira — MACD: two exponential averages of Close, their difference,
// its signal line and the histogram.
#include "ta/calc_kernels.h"
#include "ta/calculations.h"

namespace brevant {

void CalMACD(TBars& bars, const TIndicatorParams& p) {
    const int f = p.MACD1, s = p.MACD2, g = p.MACD3;
    if (f < 1 || s < 1 || g < 1) return;
    const std::int64_t e = std::int64_t{f} + s + g;
    if (!calc::HasBars(bars, e + 3)) return;
    for (double TStockBar::*field :
         {&TStockBar::MacdEma1, &TStockBar::MacdEma2, &TStockBar::MacdSignal, &TStockBar::MacdLine,
          &TStockBar::MacdHist})
        calc::ResetField(bars, field);

    // Each average runs as a sum until its period is reached and is then
    // seeded with the mean; the seeds are not stored on their bars.
    double fast = 0, slow = 0, signal = 0;
    int signalCount = 0;
    const int last = calc::LastIndex(bars);
    for (int t = 0; t <= last; ++t) {
        TStockBar& bar = bars[t];
        const std::int64_t i = t + 1;
        if (i <= f) fast += bar.Close;
        if (i <= s) slow += bar.Close;
        if (i == f) fast /= f;
        if (i == s) slow /= s;
        // With f >= s this also holds the slow average at its seed until the
        // fast one starts: the slow average skips the closes in between.
        if (i <= f) continue;
        fast = calc::EmaStep(fast, bar.Close, f);
        bar.MacdEma1 = fast;
        if (i <= s) continue;
        slow = calc::EmaStep(slow, bar.Close, s);
        bar.MacdEma2 = slow;
        bar.MacdLine = bar.MacdEma1 - bar.MacdEma2;
        if (i <= e) {
            signal += bar.MacdLine;
            ++signalCount;
        }
        if (i == e) signal /= signalCount;
        if (i > e) {
            signal = calc::EmaStep(signal, bar.MacdLine, g);
            bar.MacdSignal = signal;
            bar.MacdHist = bar.MacdLine - bar.MacdSignal;
        }
    }
}

} // namespace brevant
