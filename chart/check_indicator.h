// Brevant Dira — bringing the bar series in line with the chart view.
#pragma once

#include "chart/chart_view.h"
#include "ta/calculation_table.h"
#include "ta/indicator_params.h"
#include "ta/stock_bar.h"

namespace brevant {

// Converts `bars` to the view's period (weekly or monthly bars from whatever
// the series holds), runs the one calculation the indicator view needs, those
// of the added panels' views and the ticked overlays' calculations. Other
// indicator fields keep their values.
void CheckIndicatorBars(TBars& bars, const ChartView& view, const TIndicatorParams& params,
                        const OverlaySettings& overlays);

// The calculation an indicator view needs (CalMACD for the three MACD views,
// CalADX for both directional views, ...); nullptr for an unknown index.
const CalculationInfo* IndicatorCalculation(int indicator);

// The calculation an indicator view needs, run on its own.
void RunIndicatorCalculation(TBars& bars, int indicator, const TIndicatorParams& params);

// Whether that calculation has enough bars to compute anything; when it has
// not, the bars hold no values of it.
bool IndicatorComputable(int indicator, std::size_t barCount, const TIndicatorParams& params);

} // namespace brevant
