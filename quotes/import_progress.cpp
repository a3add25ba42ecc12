// Brevant Dira — how far an import has come, in figures a person can read.
#include "quotes/import_progress.h"

#include <cmath>
#include <cstdio>

namespace brevant {

double ImportProgress::Fraction() const {
    if (BytesTotal == 0) return 0;
    const double f = static_cast<double>(BytesRead) / static_cast<double>(BytesTotal);
    return f > 1 ? 1 : f;
}

double ImportProgress::LinesPerSecond() const {
    return Seconds > 0 ? static_cast<double>(Lines) / Seconds : 0;
}

std::optional<double> ImportProgress::SecondsLeft() const {
    const double f = Fraction();
    // Too early to tell: a rate measured over a few milliseconds misleads.
    if (Seconds < 1 || f < 0.01) return std::nullopt;
    const double left = Seconds * (1 - f) / f;
    return left > 0 ? left : 0;
}

std::string DurationText(double seconds) {
    const long s = std::lround(seconds < 0 ? 0 : seconds);
    char text[32];
    if (s >= 3600)
        std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", s / 3600, s / 60 % 60, s % 60);
    else
        std::snprintf(text, sizeof text, "%ld:%02ld", s / 60, s % 60);
    return text;
}

std::string GroupedNumber(double value) {
    const long long n = std::llround(value < 0 ? 0 : value);
    std::string digits = std::to_string(n);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(static_cast<std::size_t>(i), ",");
    return digits;
}

std::string ProgressFigures(const ImportProgress& p) {
    std::string text = std::to_string(static_cast<int>(p.Fraction() * 100)) + "%  " +
                       GroupedNumber(p.LinesPerSecond()) + " lines/s";
    if (const std::optional<double> left = p.SecondsLeft())
        text += "  " + DurationText(*left) + " left";
    return text;
}

} // namespace brevant
