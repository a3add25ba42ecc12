// Brevant Dira — the label texts of the chart's axes.
#include "chart/axis_labels.h"

#include <cmath>

#include "chart/indicator_views.h"
#include "ta/text_format.h"

namespace brevant {
namespace {

bool ReadWhole(std::string_view text, char decimalSeparator, std::int64_t& out) {
    double value = 0;
    if (!TryStrToFloat(text, decimalSeparator, value) || !(std::abs(value) < 9e18)) return false;
    out = static_cast<std::int64_t>(value);
    return true;
}

// "d.dX": the first digit, "." and the second digit of v / unit.
std::string OneDecimal(std::int64_t v, std::int64_t unit, const char* suffix) {
    const std::string digits = std::to_string(v / unit);
    return digits.substr(0, 1) + "." + digits.substr(1, 1) + suffix;
}

} // namespace

std::string BottomAxisLabel(std::string_view text, const TBars& bars, bool stockSelected,
                            const LocaleSettings& locale) {
    std::int64_t i = 0;
    if (!stockSelected || !ReadWhole(text, locale.DecimalSeparator, i)) return std::string(text);
    if (i < 0 || i >= static_cast<std::int64_t>(bars.size())) return "";
    return "    " + FormatDateTime("dd mmm yy", bars[i].Date, locale) + "    ";
}

std::string VolumeAbbreviation(std::int64_t v) {
    if (v < 1'000) return std::to_string(v);
    if (v < 10'000) return OneDecimal(v, 100, "K");
    if (v < 100'000) return std::to_string(v / 1'000) + "K";
    if (v < 1'000'000) return "." + std::to_string(v / 10'000) + "M";
    if (v < 10'000'000) return OneDecimal(v, 100'000, "M");
    if (v < 100'000'000) return std::to_string(v / 1'000'000) + "M";
    if (v < 1'000'000'000) return "." + std::to_string(v / 10'000'000) + "B";
    if (v < 10'000'000'000) return OneDecimal(v, 100'000'000, "B");
    return std::to_string(v / 1'000'000'000) + "B";
}

std::string VolumeAxisLabel(std::string_view text, bool stockSelected, char decimalSeparator) {
    std::int64_t v = 0;
    if (!stockSelected || !ReadWhole(text, decimalSeparator, v)) return std::string(text);
    return VolumeAbbreviation(v);
}

AxisLabel IndicatorAxisLabel(std::string_view text, int indicator) {
    const IndicatorViewInfo* view = FindIndicatorView(indicator);
    if (view && view->hidesAxisLabels) return {"None", colours::kWhite};
    return {std::string(text), colours::kBlack};
}

} // namespace brevant
