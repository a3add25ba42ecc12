// Brevant Dira — the indicator panel's lines for one indicator view.
#include "chart/indicator_panel.h"

#include <algorithm>

#include "chart/check_indicator.h"
#include "chart/indicator_views.h"

namespace brevant {
namespace {

using enum ChartSeries;

// A line over the shown bars first .. last, from its first meaningful bar on;
// whether it has a point there.
bool Plot(std::vector<XYPoint>& points, const TBars& bars, BarField field, int first, int last,
          const FirstBar& from, const TIndicatorParams& q) {
    const std::int64_t start = std::max<std::int64_t>(first, from.Of(q));
    for (std::int64_t i = start; i <= last; ++i) points.push_back({double(i), bars[i].*field});
    return start <= last;
}

void Apply(Pen& pen, const PenChange& change) {
    if (change.colour) pen.colour = *change.colour;
    if (change.width) pen.width = *change.width;
    if (change.style) pen.style = *change.style;
}

} // namespace

bool ComposeIndicatorPanel(ChartModel& chart, const TBars& bars, int indicator,
                           const TIndicatorParams& q, int first, int last) {
    const IndicatorViewInfo* view = FindIndicatorView(indicator);
    if (!view) return false;
    bool values = false;
    // Without a computed indicator its fields hold no values of it, so only
    // the reference lines are drawn.
    if (IndicatorComputable(indicator, bars.size(), q)) {
        for (const PanelLine& line : view->lines)
            values |= Plot(chart[line.series].points, bars, line.field, first, last, line.from, q);
        if (view->histogram) {
            for (ChartSeries s : {Series7, Series12}) {
                values |= Plot(chart[s].points, bars, &TStockBar::MacdHist, first, last,
                               *view->histogram, q);
                chart[s].points.push_back({double(last + 1), 0.0});
            }
        }
    }
    // The histogram views run their levels one bar further, like the histogram.
    const int levelsEnd = view->histogram ? last + 1 : last;
    for (const PanelLevel& level : view->levels)
        for (int i = first; i <= levelsEnd; ++i)
            chart[level.series].points.push_back({double(i), level.value});

    for (const PanelLine& line : view->lines) Apply(chart[line.series].pen, line.pen);
    for (const PanelLevel& level : view->levels) Apply(chart[level.series].pen, level.pen);
    return values;
}

} // namespace brevant
