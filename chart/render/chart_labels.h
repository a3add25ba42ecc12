// Brevant Dira — putting the chart's texts into a window's labels.
#pragma once

#include <functional>

#include "chart/chart_model.h"
#include "chart/readout.h"

class QLabel;

namespace brevant {

// The window's label by its number (22 for Label22); nullptr skips it.
using LabelLookup = std::function<QLabel*(int number)>;

// Header value labels 22, 24, 26, 28, 30, 32, 34 and the title, Label35.
void ApplyHeaderTexts(const ChartModel& model, const LabelLookup& label);

// The detail panel's readout labels. Labels whose text the readout leaves
// alone keep it; the indicator slots' six labels get their font colours.
void ApplyReadoutTexts(const ReadoutTexts& texts, const LabelLookup& label);

} // namespace brevant
