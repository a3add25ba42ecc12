// Brevant Dira — the indicator panels added under the price panel.
#include "chart/added_panels.h"

#include <algorithm>

#include "chart/indicator_panel.h"
#include "chart/indicator_views.h"

namespace brevant {
namespace {

void Widen(std::optional<AxisRange>& range, double y) {
    if (!range) range = AxisRange{y, y};
    range->min = std::min(range->min, y);
    range->max = std::max(range->max, y);
}

AddedPanelModel EmptyPanel(const ChartModel& chart, int indicator) {
    const ChartModel initial = InitialChartModel();
    AddedPanelModel panel;
    panel.indicator = indicator;
    for (std::size_t k = 0; k < kPanelSeries.size(); ++k) {
        panel.series[k] = initial[kPanelSeries[k]];
        // The histogram takes the layout of the first panel: bars or a
        // stepped area.
        panel.series[k].visible = chart[kPanelSeries[k]].visible;
    }
    panel.axis = initial.axis(ChartAxis::Indicator);
    panel.axis.minOffset = 5;
    panel.axis.maxOffset = 3;
    const IndicatorViewInfo* view = FindIndicatorView(indicator);
    panel.axis.labelsVisible = !(view && view->hidesAxisLabels);
    return panel;
}

void ComputeRange(AddedPanelModel& panel) {
    panel.axis.dataRange.reset();
    for (const SeriesModel& s : panel.series)
        if (s.visible)
            for (const XYPoint& p : s.points) Widen(panel.axis.dataRange, p.y);
    if (!panel.axis.dataRange) panel.axis.dataRange = AxisRange{0, 0};
}

} // namespace

void ComposeAddedPanels(ChartModel& chart, const ChartInputs& in, int first, int last) {
    chart.addedPanels.clear();
    for (const int indicator : in.view.addedPanels) {
        AddedPanelModel panel = EmptyPanel(chart, indicator);
        // The first panel's composition, into a model of its own.
        ChartModel scratch = InitialChartModel();
        const bool values =
            ComposeIndicatorPanel(scratch, in.bars, indicator, in.params, first, last);
        for (std::size_t k = 0; k < kPanelSeries.size(); ++k) {
            SeriesModel& from = scratch[kPanelSeries[k]];
            panel.series[k].points = std::move(from.points);
            panel.series[k].pen = from.pen;
        }
        panel.title = IndicatorTitle(indicator, in.params);
        if (FindIndicatorView(indicator) && !values)
            panel.notice =
                chart.statusText.empty() ? "Too few bars for " + panel.title : chart.statusText;
        ComputeRange(panel);
        chart.addedPanels.push_back(std::move(panel));
    }
}

void ComposeEmptyAddedPanels(ChartModel& chart, const ChartView& view) {
    chart.addedPanels.clear();
    for (const int indicator : view.addedPanels) {
        AddedPanelModel panel = EmptyPanel(chart, indicator);
        ComputeRange(panel);
        chart.addedPanels.push_back(std::move(panel));
    }
}

} // namespace brevant
