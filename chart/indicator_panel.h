// Brevant Dira — the indicator panel's lines for one indicator view.
#pragma once

#include "chart/chart_model.h"
#include "ta/indicator_params.h"
#include "ta/stock_bar.h"

namespace brevant {

// Adds the view's indicator points and reference lines for the shown bars
// first .. last and sets the pens the view asks for. A series too short for
// the view's calculation gets the reference lines only: its fields hold no
// values of that indicator, and drawing them would show a flat line at zero.
// Returns whether any indicator value lies in the window.
bool ComposeIndicatorPanel(ChartModel& chart, const TBars& bars, int indicator,
                           const TIndicatorParams& params, int first, int last);

} // namespace brevant
