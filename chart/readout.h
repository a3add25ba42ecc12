// Brevant Dira — the crosshair readout: the texts of the detail panel's labels
// for the bar under the mouse.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "chart/chart_model.h"
#include "chart/chart_view.h"
#include "ta/locale_settings.h"
#include "ta/stock_bar.h"

namespace brevant {

// Pixels at either side of the chart where the mouse reads nothing.
inline constexpr int kReadoutMargin = 33;

// Whether a mouse x over a chart `chartWidth` pixels wide is read at all.
bool ReadoutReadsX(int mouseX, int chartWidth);

// The bar under the mouse: the bottom-axis value at the mouse, made positive
// and truncated, so the bar at or left of the mouse.
int ReadoutBarIndex(double bottomAxisValue);

// Label texts; an empty optional leaves the label's text as it is.
struct ReadoutTexts {
    // Bar values, each with a leading blank; kept when the index is no bar.
    std::optional<std::string> Label10;                        // date "dd mmm yy"
    std::optional<std::string> Label3, Label4, Label5, Label6; // open, high, low, close
    std::optional<std::string> Label7;                         // volume
    // Overlays: values and captions; plain names when unticked or no bar.
    std::string Label8, Label38;  // moving average 1
    std::string Label9, Label37;  // moving average 2
    std::string Label41, Label36; // moving average 3
    std::string Label43, Label40; // Bollinger upper
    std::string Label42, Label39; // Bollinger lower
    // Indicator slots: captions Label19..21, values Label11..13.
    std::array<std::string, 3> captions;
    std::array<std::optional<std::string>, 3> values;
    std::array<Rgb, 3> valueColours;
};

ReadoutTexts Readout(const TBars& bars, int barIndex, int indicator,
                     const OverlaySettings& overlays, const LocaleSettings& locale);

} // namespace brevant
