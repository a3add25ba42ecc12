// Brevant Dira — a chart over a stock's whole history: where it starts for a
// view, and what the composition is given to show a part of it.
#pragma once

#include <string>

#include "chart/chart_view.h"
#include "chart/chart_viewport.h"
#include "chart/compose_chart.h"
#include "ta/locale_settings.h"
#include "ta/stock_bar.h"

namespace brevant {

// The view's window over `series`, a stock's whole history in the view's
// period: its history window, or its specified window counted back from the
// newest bar as the specified chart counts it. `statusText` says what the
// series is short of, after the selected entry's text, as the specified
// windows say it; `empty` is set when a date range holds no bar.
struct HistoryStart {
    ChartViewport viewport;
    std::string statusText;
    bool empty = false;
};
HistoryStart StartOfHistoryView(const TBars& series, const ChartView& view,
                                const StockSelection& selection, const LocaleSettings& locale);

// What the composition shows of the series for `viewport`.
ChartSpan SpanOfViewport(const ChartViewport& viewport, std::string statusText = {});

} // namespace brevant
