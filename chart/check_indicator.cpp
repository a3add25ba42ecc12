// Brevant Dira — bringing the bar series in line with the chart view.
#include "chart/check_indicator.h"

#include "store/period_bars.h"
#include "ta/calculations.h"

namespace brevant {

void RunIndicatorCalculation(TBars& bars, int indicator, const TIndicatorParams& p) {
    switch (indicator) {
    case kMacdLine:
    case kMacdHistogram:
    case kMacdFull:
        CalMACD(bars, p);
        break;
    case kRsiView:
        CalRSI(bars, p);
        break;
    case kCciView:
        CalCCI(bars, p);
        break;
    case kMfiView:
        CalMFI(bars, p);
        break;
    case kWrView:
        CalWR(bars, p);
        break;
    case kAdxView:
    case kDiView:
        CalADX(bars, p);
        break;
    case kFastStochastic:
        CalStoc(bars, p);
        break;
    case kSlowStochastic:
        CalSStoc(bars, p);
        break;
    case kCmfView:
    case kAccumDist:
        CalCMF(bars, p);
        break;
    case kRocView:
        CalROC(bars, p);
        break;
    case kObvView:
        CalOBV(bars);
        break;
    case kAtrView:
        CalATR(bars, p);
        break;
    default:
        break;
    }
}

void CheckIndicatorBars(TBars& bars, const ChartView& view, const TIndicatorParams& params,
                        const OverlaySettings& overlays) {
    if (view.period == BarPeriod::Weekly) GetWeeklyData(bars);
    if (view.period == BarPeriod::Monthly) GetMonthlyData(bars);
    RunIndicatorCalculation(bars, view.indicator, params);

    const TOverlayParams& o = overlays.params;
    // Each ticked average recomputes all three; the results are the same.
    const bool ticked[] = {overlays.PlotMA1 && o.MA1 > 0, overlays.PlotMA2 && o.MA2 > 0,
                           overlays.PlotMA3 && o.MA3 > 0};
    for (bool run : ticked)
        if (run) Calcma(bars, o.MA1, o.MA2, o.MA3);
    if (overlays.PlotBB && o.BBPeriod > 0) CalBB(bars, o.BBPeriod, o.BBWidth);
}

} // namespace brevant
