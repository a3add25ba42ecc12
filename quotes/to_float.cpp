// Brevant Dira — tolerant reading of the numbers in quote files.
#include "quotes/to_float.h"

#include <cmath>
#include <limits>
#include <string>

#include "ta/text_format.h"

namespace brevant {
namespace {

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlankOrControl(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlankOrControl(s.back())) s.remove_suffix(1);
    return s;
}

} // namespace

double ToFloat(std::string_view text, char decimalSeparator) {
    return ReadQuoteNumber(text, decimalSeparator).value_or(kNotANumber);
}

std::optional<double> ReadQuoteNumber(std::string_view text, char decimalSeparator) {
    std::string_view t = Trim(text);
    bool negative = false;
    if (!t.empty() && t.front() == '-') {
        negative = true;
        t.remove_prefix(1);
    }
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);

    std::string s(t);
    // Files from other locales: accept the other decimal mark once.
    const char foreign = decimalSeparator == ',' ? '.' : decimalSeparator == '.' ? ',' : '\0';
    if (foreign != '\0') {
        const std::size_t p = s.find(foreign);
        if (p != std::string::npos) s[p] = decimalSeparator;
    }
    const std::string_view body = Trim(s);
    for (char c : body) {
        if ((c < '0' || c > '9') && c != ',' && c != '.') return std::nullopt;
    }
    double value = 0;
    if (!TryStrToFloat(body, decimalSeparator, value)) return std::nullopt;
    return negative ? -value : value;
}

float NarrowToFloat(double value) {
    if (!(std::fabs(value) <= std::numeric_limits<float>::max())) return kNotANumber;
    return static_cast<float>(value);
}

} // namespace brevant
