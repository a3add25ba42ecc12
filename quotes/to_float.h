// Brevant Dira — tolerant reading of the numbers in quote files.
#pragma once

#include <optional>
#include <string_view>

namespace brevant {

// What ToFloat gives for text that is not a number.
inline constexpr double kNotANumber = -99999999;

// Reads a price or volume as quote files write it: blanks and control
// characters around are ignored, a leading "-" (then "+") is a sign, and "."
// or "," may stand for the decimal point whichever `decimalSeparator` the
// user's locale has (only one of them is exchanged, so digit grouping fails).
// Anything else - exponents, currency signs, inner blanks, two separators,
// the empty text - gives kNotANumber. Never throws.
double ToFloat(std::string_view text, char decimalSeparator);

// ToFloat's reading without the stand-in: empty for text that is not a
// number, so that a caller can tell an unreadable field from any value.
std::optional<double> ReadQuoteNumber(std::string_view text, char decimalSeparator);

// A number for a single-precision column: values beyond its range (which the
// column cannot hold) become kNotANumber as well.
float NarrowToFloat(double value);

} // namespace brevant
