// Brevant Dira — the three simple moving averages of the price overlay.
#include "ta/calc_kernels.h"
#include "ta/calculations.h"

namespace brevant {

namespace {
void SimpleAverage(TBars& bars, int p, double TStockBar::*field) {
    const int last = calc::LastIndex(bars);
    // p + 1 bars are required although p would fill one window.
    if (p < 1 || p > last) return;
    for (int t = p - 1; t <= last; ++t) {
        const double sum =
            calc::SumOldestFirst(calc::WindowStart(t, p), t, [&](int k) { return bars[k].Close; });
        bars[t].*field = sum / p;
    }
}
} // namespace

void Calcma(TBars& bars, int p1, int p2, int p3) {
    // All three are cleared even when none can be computed: the chart draws
    // whatever the fields hold.
    calc::ResetField(bars, &TStockBar::MA1);
    calc::ResetField(bars, &TStockBar::MA2);
    calc::ResetField(bars, &TStockBar::MA3);
    SimpleAverage(bars, p1, &TStockBar::MA1);
    SimpleAverage(bars, p2, &TStockBar::MA2);
    SimpleAverage(bars, p3, &TStockBar::MA3);
}

} // namespace brevant
