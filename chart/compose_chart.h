// Brevant Dira — turning a bar series and the view into the chart model.
#pragma once

#include "chart/chart_model.h"
#include "chart/chart_view.h"
#include "ta/indicator_params.h"
#include "ta/locale_settings.h"
#include "ta/stock_bar.h"

namespace brevant {

struct ChartInputs {
    const TBars& bars; // with the values of the chosen indicator and overlays computed
    const ChartView& view;
    const TIndicatorParams& params;
    const OverlaySettings& overlays;
    const StockSelection& selection;
    const LocaleSettings& locale;
};

// Redraws `chart` from the inputs. The model keeps what
// a composition does not set: shown states of unticked overlays, pen widths
// and colours an indicator view leaves alone, and the header texts when no
// stock entry is selected. Start from InitialChartModel().
// Throws std::invalid_argument when the view's time window is not the name
// of one of kTimeWindows.
void ComposeChart(ChartModel& chart, const ChartInputs& in);

// A fresh model composed once.
ChartModel ComposeChart(const ChartInputs& in);

} // namespace brevant
