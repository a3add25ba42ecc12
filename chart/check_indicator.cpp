// Brevant Dira — bringing the bar series in line with the chart view.
#include "chart/check_indicator.h"

#include "chart/indicator_views.h"

#include "ta/calculations.h"
#include "ta/period_bars.h"

namespace brevant {

const CalculationInfo* IndicatorCalculation(int indicator) {
    const IndicatorViewInfo* view = FindIndicatorView(indicator);
    return view ? FindCalculation(view->calculation) : nullptr;
}

void RunIndicatorCalculation(TBars& bars, int indicator, const TIndicatorParams& params) {
    if (const CalculationInfo* calc = IndicatorCalculation(indicator))
        calc->run(bars, params, TOverlayParams{});
}

bool IndicatorComputable(int indicator, std::size_t barCount, const TIndicatorParams& params) {
    const CalculationInfo* calc = IndicatorCalculation(indicator);
    return calc && std::int64_t(barCount) >= calc->minimumBars(params, TOverlayParams{});
}

void CheckIndicatorBars(TBars& bars, const ChartView& view, const TIndicatorParams& params,
                        const OverlaySettings& overlays) {
    ConvertToPeriod(bars, view.period);
    RunIndicatorCalculation(bars, view.indicator, params);
    // The added panels' calculations, each once (the three MACD views share one).
    for (std::size_t k = 0; k < view.addedPanels.size(); ++k) {
        const CalculationInfo* calc = IndicatorCalculation(view.addedPanels[k]);
        bool done = calc == IndicatorCalculation(view.indicator);
        for (std::size_t j = 0; j < k; ++j)
            done = done || calc == IndicatorCalculation(view.addedPanels[j]);
        if (!done) RunIndicatorCalculation(bars, view.addedPanels[k], params);
    }

    const TOverlayParams& o = overlays.params;
    // One run computes all three averages, whichever of them are ticked.
    const bool ticked = (overlays.PlotMA1 && o.MA1 > 0) || (overlays.PlotMA2 && o.MA2 > 0) ||
                        (overlays.PlotMA3 && o.MA3 > 0);
    if (ticked) Calcma(bars, o.MA1, o.MA2, o.MA3);
    if (overlays.PlotBB && o.BBPeriod > 0) CalBB(bars, o.BBPeriod, o.BBWidth);
}

} // namespace brevant
