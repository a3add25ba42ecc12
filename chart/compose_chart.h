// Brevant Dira — turning a bar series and the view into the chart model.
#pragma once

#include "chart/chart_model.h"
#include "chart/chart_view.h"
#include "ta/indicator_params.h"
#include "ta/locale_settings.h"
#include "ta/stock_bar.h"

namespace brevant {

// The part of the bars a zoomed, scrolled or whole-history chart shows, in
// place of the view's time window.
struct ChartSpan {
    int first = 0, last = -1;        // the bars drawn; none when last < first
    double axisMin = 0, axisMax = 0; // the bottom axis
    std::string statusText;          // the status bar's text
};

struct ChartInputs {
    const TBars& bars; // with the values of the chosen indicator and overlays computed
    const ChartView& view;
    const TIndicatorParams& params;
    const OverlaySettings& overlays;
    const StockSelection& selection;
    const LocaleSettings& locale;
};

// The status bar's text for a series shorter than the time window `window`:
// the entry, " has less than ", the window and " data".
std::string ShortHistoryText(const std::string& entry, const std::string& window);

// Redraws `chart` from the inputs. The model keeps what
// a composition does not set: shown states of unticked overlays, pen widths
// and colours an indicator view leaves alone, and the header texts when no
// stock entry is selected. Start from InitialChartModel().
// Throws std::invalid_argument when the view's time window is not the name
// of one of kTimeWindows.
void ComposeChart(ChartModel& chart, const ChartInputs& in);

// A fresh model composed once.
ChartModel ComposeChart(const ChartInputs& in);

// The same for the bars `span` names in place of the view's time window
// (a zoomed, scrolled or whole-history chart); the header shows the last of
// them. A span with no bar, or one outside the bars, gives the empty chart.
void ComposeChart(ChartModel& chart, const ChartInputs& in, const ChartSpan& span);
ChartModel ComposeChart(const ChartInputs& in, const ChartSpan& span);

} // namespace brevant
