// Brevant Dira — the indicator panels added under the price panel.
#pragma once

#include <array>

#include "chart/chart_model.h"
#include "chart/compose_chart.h"

namespace brevant {

// The indicator axis's series, in drawing order: an added panel draws these.
inline constexpr std::array<ChartSeries, 6> kPanelSeries = {
    ChartSeries::Series7, ChartSeries::Series12, ChartSeries::Series4,
    ChartSeries::Series5, ChartSeries::Series6,  ChartSeries::Series3};

// One panel for each of the view's added panels, over the shown bars
// first .. last, as the first panel draws its view: the same lines, levels,
// pens and histogram layout (take it from `chart`, composed up to its
// panel), and the same notice when the bars are too few. Replaces
// chart.addedPanels.
void ComposeAddedPanels(ChartModel& chart, const ChartInputs& in, int first, int last);

// The panels of a chart without bars: empty, every axis at zero.
void ComposeEmptyAddedPanels(ChartModel& chart, const ChartView& view);

} // namespace brevant
