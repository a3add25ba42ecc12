// Brevant Dira — Wilder's directional movement system: +DI, -DI, DX and ADX.
#include "ta/calc_kernels.h"
#include "ta/calculations.h"

namespace brevant {

void CalADX(TBars& bars, const TIndicatorParams& p) {
    const int n = p.ADX;
    if (n < 1 || !calc::HasBars(bars, n + std::int64_t{6})) return;
    for (double TStockBar::*field :
         {&TStockBar::ADX, &TStockBar::PlusDI, &TStockBar::MinusDI, &TStockBar::DX,
          &TStockBar::PlusDM, &TStockBar::MinusDM, &TStockBar::TrueRange})
        calc::ResetField(bars, field);
    const int last = calc::LastIndex(bars);
    for (int i = 1; i <= last; ++i) {
        TStockBar& bar = bars[i];
        const TStockBar& prev = bars[i - 1];
        double up = bar.High > prev.High ? bar.High - prev.High : 0;
        double down = bar.Low < prev.Low ? prev.Low - bar.Low : 0;
        // Only the larger move counts; a tie goes to the downward move.
        if (up > down)
            down = 0;
        else
            up = 0;
        const double tr = calc::AbsTrueRange(bar, prev.Close);
        if (i == 1) {
            bar.PlusDM = up;
            bar.MinusDM = down;
            bar.TrueRange = tr;
            continue;
        }
        bar.PlusDM = calc::WilderSumStep(prev.PlusDM, up, n);
        bar.MinusDM = calc::WilderSumStep(prev.MinusDM, down, n);
        bar.TrueRange = calc::WilderSumStep(prev.TrueRange, tr, n);
        if (bar.TrueRange != 0) {
            bar.PlusDI = bar.PlusDM / bar.TrueRange * 100;
            bar.MinusDI = bar.MinusDM / bar.TrueRange * 100;
        }
        if (i < 3) continue;
        const double diSum = bar.PlusDI + bar.MinusDI;
        bar.DX = diSum == 0 ? 0 : std::fabs(bar.PlusDI - bar.MinusDI) / diSum * 100;
        // No averaged seed: ADX grows from the 0.0 of bar 2.
        bar.ADX = calc::WilderAverageStep(prev.ADX, bar.DX, n);
    }
}

} // namespace brevant
