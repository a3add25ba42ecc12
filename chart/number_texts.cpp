// Brevant Dira — the number texts the chart and its readout show.
#include "chart/number_texts.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "ta/text_format.h"

namespace brevant {
namespace {

// Divides by the step rather than multiplying by its inverse so that the
// digits match the rounding users have seen on the same numbers before.
std::string RoundedText(double value, double step, char decimalSeparator) {
    return FloatToStr(std::nearbyint(value / step) * step, decimalSeparator);
}

std::int64_t TruncateToInt64(double value) {
    constexpr double kLimit = 9.2e18;
    if (!(value > -kLimit)) return value < 0 ? std::numeric_limits<std::int64_t>::min() : 0;
    if (value > kLimit) return std::numeric_limits<std::int64_t>::max();
    return static_cast<std::int64_t>(value);
}

} // namespace

std::string Rounded2Text(double value, char decimalSeparator) {
    return RoundedText(value, 0.01, decimalSeparator);
}

std::string Rounded4Text(double value, char decimalSeparator) {
    return RoundedText(value, 0.0001, decimalSeparator);
}

std::string VolumeText(double volume) {
    const std::int64_t whole = TruncateToInt64(volume);
    std::string digits = std::to_string(whole);
    if (whole < 0) digits.erase(0, 1);
    if (digits.size() > 10) return (whole < 0 ? "-" : "") + digits;
    std::string text = whole < 0 ? " -" : " ";
    const std::size_t first = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
    text += digits.substr(0, first);
    if (digits.size() >= 4)
        for (std::size_t i = first; i < digits.size(); i += 3) text += "," + digits.substr(i, 3);
    return text;
}

std::string AxisNumberText(double value, char decimalSeparator) {
    // to_chars: the C library's numeric locale, which the toolkit sets from
    // the user's environment, would write "47,500" and keep its zeros.
    char buffer[400]; // the widest double in fixed notation with 3 decimals
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
    std::string text(buffer, ec == std::errc() ? end : buffer);
    const std::size_t point = text.find('.');
    if (point != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.')
            text.pop_back();
        else
            text[point] = decimalSeparator;
    }
    if (text == "-0") text = "0";
    return text;
}

} // namespace brevant
