// Brevant Dira — the label texts of the chart's axes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "chart/chart_model.h"
#include "ta/locale_settings.h"
#include "ta/stock_bar.h"

namespace brevant {

// Bottom axis: `text` is the axis's own label (a bar index in "###0.###").
// With a stock selected it becomes four blanks, the date of that bar as
// "dd mmm yy" and four blanks; positions right of the last bar get no label.
// Without a selection, or for text that is not a number, `text` is kept.
std::string BottomAxisLabel(std::string_view text, const TBars& bars, bool stockSelected,
                            const LocaleSettings& locale);

// Volume axis: with a stock selected the truncated value, abbreviated with
// "K", "M" and "B", digits cut (4,567 → "4.5K", 456,789 → ".45M"); beyond
// the 32-bit range the billions go on as whole numbers ("12B").
std::string VolumeAxisLabel(std::string_view text, bool stockSelected, char decimalSeparator);
// The abbreviation itself, for a whole number of shares.
std::string VolumeAbbreviation(std::int64_t v);

// Indicator axis: the views that hide their labels ("On Balance Volume" and
// "Accum/Distribution") get a white "None" on the white chart; every other
// view keeps the text in black.
struct AxisLabel {
    std::string text;
    Rgb colour;
};
AxisLabel IndicatorAxisLabel(std::string_view text, int indicator);

} // namespace brevant
