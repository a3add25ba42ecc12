// Brevant Dira — date and number texts in the formats of a LocaleSettings.
#include "text_format.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <system_error>

#include "day_date.h"

namespace brevant {
namespace {

std::string Pad(int value, int width) {
    std::string s = std::to_string(value);
    while (static_cast<int>(s.size()) < width) s.insert(s.begin(), '0');
    return s;
}

int RunLength(std::string_view p, std::size_t i) {
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(p[i])));
    std::size_t j = i;
    while (j < p.size() && std::tolower(static_cast<unsigned char>(p[j])) == c) ++j;
    return static_cast<int>(j - i);
}

struct TimeParts {
    int hour, minute, second, msec;
};

TimeParts SplitTime(double dayNumber) {
    long ms = std::lround(TimeOfDay(dayNumber) * 86400000.0);
    if (ms >= 86400000) ms = 86399999;
    return {static_cast<int>(ms / 3600000), static_cast<int>(ms / 60000 % 60),
            static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000)};
}

int CurrentYear() {
    std::time_t t = std::time(nullptr);
    std::tm tmv{};
    localtime_r(&t, &tmv);
    return tmv.tm_year + 1900;
}

// Reads an unsigned decimal number at `i`, skipping blanks before it.
bool ReadNumber(std::string_view s, std::size_t& i, int& value, int& digits) {
    while (i < s.size() && s[i] == ' ') ++i;
    value = 0;
    digits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
        if (digits < 9) value = value * 10 + (s[i] - '0');
        ++digits;
        ++i;
    }
    return digits > 0;
}

// Parses the date part; `end` receives the position after it.
bool ParseDate(std::string_view s, const LocaleSettings& locale, double& out, std::size_t& end) {
    int n[3] = {0, 0, 0}, d[3] = {0, 0, 0};
    int count = 0;
    std::size_t i = 0;
    while (count < 3) {
        if (!ReadNumber(s, i, n[count], d[count])) return false;
        ++count;
        std::size_t k = i;
        while (k < s.size() && s[k] == ' ') ++k;
        if (k < s.size() && s[k] == locale.DateSeparator) {
            i = k + 1;
        } else {
            break;
        }
    }
    end = i;
    if (count < 2) return false;

    // Field order comes from the first letter of each part of the short format.
    char order[3] = {'d', 'm', 'y'};
    int found = 0;
    for (std::size_t k = 0; k < locale.ShortDateFormat.size() && found < 3; ++k) {
        char c =
            static_cast<char>(std::tolower(static_cast<unsigned char>(locale.ShortDateFormat[k])));
        if ((c == 'd' || c == 'm' || c == 'y') && (found == 0 || order[found - 1] != c)) {
            bool seen = false;
            for (int f = 0; f < found; ++f) seen = seen || order[f] == c;
            if (!seen) order[found++] = c;
        }
    }
    if (found < 3) {
        order[0] = 'd';
        order[1] = 'm';
        order[2] = 'y';
    }
    int day = 0, month = 0, year = -1, yearDigits = 4;
    if (count == 2) {
        // Two numbers: day and month in their relative order, the current year.
        int k = 0;
        for (char c : order) {
            if (c == 'y') continue;
            (c == 'd' ? day : month) = n[k++];
        }
        year = CurrentYear();
    } else {
        for (int k = 0; k < 3; ++k) {
            if (order[k] == 'd')
                day = n[k];
            else if (order[k] == 'm')
                month = n[k];
            else {
                year = n[k];
                yearDigits = d[k];
            }
        }
        if (yearDigits <= 2) {
            const int now = CurrentYear();
            year += now / 100 * 100;
            if (year > now + 50)
                year -= 100;
            else if (year <= now - 50)
                year += 100;
        }
    }
    return TryEncodeDate(year, month, day, out);
}

} // namespace

std::string FormatDateTime(std::string_view p, double dayNumber, const LocaleSettings& locale) {
    const CivilDate date = DecodeDate(dayNumber);
    const TimeParts time = SplitTime(dayNumber);
    std::string out;
    bool lastWasHour = false;
    for (std::size_t i = 0; i < p.size();) {
        const char c = p[i];
        const char lc = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (c == '\'' || c == '"') {
            std::size_t j = p.find(c, i + 1);
            if (j == std::string_view::npos) j = p.size();
            out.append(p.substr(i + 1, j - i - 1));
            i = j + 1;
            continue;
        }
        const int run = RunLength(p, i);
        switch (lc) {
        case 'd': {
            const int dow = DayOfTheWeek(dayNumber) % 7; // 0 = Sunday
            if (run == 1)
                out += std::to_string(date.day);
            else if (run == 2)
                out += Pad(date.day, 2);
            else if (run == 3)
                out += locale.ShortDayNames[dow];
            else
                out += locale.LongDayNames[dow];
            i += static_cast<std::size_t>(run > 4 ? 4 : run);
            continue;
        }
        case 'm':
            if (lastWasHour && run <= 2) {
                out += run == 1 ? std::to_string(time.minute) : Pad(time.minute, 2);
            } else if (run == 1)
                out += std::to_string(date.month);
            else if (run == 2)
                out += Pad(date.month, 2);
            else if (run == 3)
                out += locale.ShortMonthNames[date.month - 1];
            else
                out += locale.LongMonthNames[date.month - 1];
            i += static_cast<std::size_t>(run > 4 ? 4 : run);
            lastWasHour = false;
            continue;
        case 'y':
            out += run <= 2 ? Pad(date.year % 100, 2) : Pad(date.year, 4);
            i += static_cast<std::size_t>(run);
            continue;
        case 'h':
            out += run == 1 ? std::to_string(time.hour) : Pad(time.hour, 2);
            i += static_cast<std::size_t>(run > 2 ? 2 : run);
            lastWasHour = true;
            continue;
        case 'n':
            out += run == 1 ? std::to_string(time.minute) : Pad(time.minute, 2);
            i += static_cast<std::size_t>(run > 2 ? 2 : run);
            continue;
        case 's':
            out += run == 1 ? std::to_string(time.second) : Pad(time.second, 2);
            i += static_cast<std::size_t>(run > 2 ? 2 : run);
            continue;
        case 'z':
            out += run >= 3 ? Pad(time.msec, 3) : std::to_string(time.msec);
            i += static_cast<std::size_t>(run >= 3 ? 3 : 1);
            continue;
        case '/':
            out += locale.DateSeparator;
            ++i;
            continue;
        case ':':
            out += locale.TimeSeparator;
            ++i;
            continue;
        default:
            out += c;
            ++i;
        }
    }
    return out;
}

bool TryStrToDate(std::string_view text, const LocaleSettings& locale, double& out) {
    std::size_t end = 0;
    double value = 0;
    if (!ParseDate(text, locale, value, end)) return false;
    while (end < text.size() && text[end] == ' ') ++end;
    if (end != text.size()) return false;
    out = value;
    return true;
}

bool TryStrToTime(std::string_view text, const LocaleSettings& locale, double& out) {
    std::size_t i = 0;
    int parts[3] = {0, 0, 0}, digits = 0, count = 0;
    while (count < 3) {
        if (!ReadNumber(text, i, parts[count], digits)) return false;
        ++count;
        if (i < text.size() && text[i] == locale.TimeSeparator)
            ++i;
        else
            break;
    }
    while (i < text.size() && text[i] == ' ') ++i;
    if (i != text.size() || count < 2) return false;
    if (parts[0] > 23 || parts[1] > 59 || parts[2] > 59) return false;
    out = (parts[0] * 3600 + parts[1] * 60 + parts[2]) / 86400.0;
    return true;
}

bool TryStrToDateTime(std::string_view text, const LocaleSettings& locale, double& out) {
    std::size_t end = 0;
    double date = 0;
    if (!ParseDate(text, locale, date, end)) return false;
    std::size_t k = end;
    while (k < text.size() && text[k] == ' ') ++k;
    if (k == text.size()) {
        out = date;
        return true;
    }
    double time = 0;
    if (k == end || !TryStrToTime(text.substr(k), locale, time)) return false;
    out = date >= 0 ? date + time : date - time;
    return true;
}

std::string FloatToStr(double value, char decimalSeparator) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    if (value == 0) return "0";
    // 15 significant digits; to_chars, since the C library's numeric locale
    // may have been changed by a toolkit.
    char buf[64];
    const auto [end, ec] =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    const std::string s(buf, ec == std::errc() ? end : buf);
    const std::size_t e = s.find('e');
    int exponent = 0;
    std::from_chars(s.data() + e + (s[e + 1] == '+' ? 2 : 1), s.data() + s.size(), exponent);
    const bool negative = s[0] == '-';
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < e; ++i)
        if (std::isdigit(static_cast<unsigned char>(s[i]))) digits += s[i];
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent >= 15 || exponent < -5) {
        out += digits[0];
        if (digits.size() > 1) {
            out += decimalSeparator;
            out += digits.substr(1);
        }
        out += 'E';
        out += exponent < 0 ? "-" : "";
        out += std::to_string(std::abs(exponent));
        return out;
    }
    if (exponent < 0) {
        out += '0';
        out += decimalSeparator;
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
        return out;
    }
    const std::size_t intDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= intDigits) {
        out += digits;
        out.append(intDigits - digits.size(), '0');
    } else {
        out += digits.substr(0, intDigits);
        out += decimalSeparator;
        out += digits.substr(intDigits);
    }
    return out;
}

bool TryStrToFloat(std::string_view text, char decimalSeparator, double& out) {
    std::size_t b = 0, e = text.size();
    while (b < e && text[b] == ' ') ++b;
    while (e > b && text[e - 1] == ' ') --e;
    std::string s;
    s.reserve(e - b);
    std::size_t i = b;
    if (i < e && (text[i] == '+' || text[i] == '-')) s += text[i++];
    bool digits = false, separator = false;
    for (; i < e; ++i) {
        const char c = text[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            s += c;
            digits = true;
        } else if (c == decimalSeparator && !separator) {
            s += '.';
            separator = true;
        } else {
            break;
        }
    }
    if (!digits) return false;
    if (i < e && (text[i] == 'e' || text[i] == 'E')) {
        s += 'e';
        ++i;
        if (i < e && (text[i] == '+' || text[i] == '-')) s += text[i++];
        bool expDigits = false;
        for (; i < e && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
            s += text[i];
            expDigits = true;
        }
        if (!expDigits) return false;
    }
    if (i != e) return false;
    // from_chars ignores the C locale, which a toolkit may have changed.
    double v = 0;
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || ptr != s.data() + s.size() || !std::isfinite(v)) return false;
    out = v;
    return true;
}

} // namespace brevant
