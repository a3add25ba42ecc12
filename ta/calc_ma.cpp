// Brevant Dira — the three simple moving averages of the price overlay.
#include "ta/calc_kernels.h"
#include "ta/calculations.h"

namespace brevant {

namespace {
void SimpleAverage(TBars& bars, const std::vector<double>& closes, int p,
                   double TStockBar::*field) {
    // p + 1 bars are required although p would fill one window.
    if (p < 1 || p > calc::LastIndex(bars)) return;
    calc::ForEachWindowSum(closes, p, [&](int t, double sum) { bars[t].*field = sum / p; });
}
} // namespace

void Calcma(TBars& bars, int p1, int p2, int p3) {
    // All three are cleared even when none can be computed: the chart draws
    // whatever the fields hold.
    calc::ResetField(bars, &TStockBar::MA1);
    calc::ResetField(bars, &TStockBar::MA2);
    calc::ResetField(bars, &TStockBar::MA3);
    const std::vector<double> closes =
        calc::PerBar(bars, [](const TStockBar& bar) { return bar.Close; });
    SimpleAverage(bars, closes, p1, &TStockBar::MA1);
    SimpleAverage(bars, closes, p2, &TStockBar::MA2);
    SimpleAverage(bars, closes, p3, &TStockBar::MA3);
}

} // namespace brevant
