// Brevant Dira — a chart over a stock's whole history.
#include "chart/history_view.h"

#include "ta/text_format.h"

namespace brevant {

HistoryStart StartOfHistoryView(const TBars& series, const ChartView& view,
                                const StockSelection& selection, const LocaleSettings& locale) {
    HistoryStart start;
    const int n = static_cast<int>(series.size());
    const std::string entry = selection.VisibleListEntry().value_or("");
    if (!view.history) {
        const int window = WindowBars(view.window, n);
        start.viewport = ChartViewport::ForWindow(n, window);
        if (n > 0 && n < window) start.statusText = ShortHistoryText(entry, view.window);
        return start;
    }
    const HistoryChoice& choice = *view.history;
    const HistorySpan span = SpanOfHistory(series, choice, view.period);
    if (span.empty()) {
        start.empty = true;
        if (n > 0)
            start.statusText = entry + " has no data from " +
                               FormatDateTime("dd.mm.yyyy", choice.from, locale) + " to " +
                               FormatDateTime("dd.mm.yyyy", choice.to, locale);
        return start;
    }
    start.viewport = ChartViewport::ForBars(n, span.first, span.last);
    if (span.shortOf) start.statusText = entry + HistoryShortText(series, choice, locale);
    return start;
}

ChartSpan SpanOfViewport(const ChartViewport& viewport, std::string statusText) {
    return {viewport.FirstBar(), viewport.LastBar(), double(viewport.Lo()), double(viewport.Hi()),
            std::move(statusText)};
}

} // namespace brevant
