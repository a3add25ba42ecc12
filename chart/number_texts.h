// Brevant Dira — the number texts the chart and its readout show.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace brevant {

// `value` rounded to 2 (or 4) decimals, ties to even, in the shortest general
// form: 12.5, 12, 0.1235.
std::string Rounded2Text(double value, char decimalSeparator);
std::string Rounded4Text(double value, char decimalSeparator);

// A volume as the header and the readout show it: the truncated volume with a
// leading blank, grouped in threes with "," for 4 to 10 digits; more than 10
// digits are written alone, without the blank.
std::string VolumeText(double volume);

// An axis value in the format "###0.###": at most three decimals, no
// grouping, no trailing zeros.
std::string AxisNumberText(double value, char decimalSeparator);

} // namespace brevant
