// Brevant Dira — reading option values.
#include "cli/option_values.h"

#include <charconv>

#include "ta/day_date.h"

namespace brevant::cli {

std::vector<std::string> SplitList(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = text.find(separator, from);
        parts.emplace_back(text.substr(from, at == std::string_view::npos ? at : at - from));
        if (at == std::string_view::npos) return parts;
        from = at + 1;
    }
}

bool ReadWholeNumber(std::string_view text, int lowest, int highest, int& out) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < lowest || value > highest)
        return false;
    out = static_cast<int>(value);
    return true;
}

bool ReadWholeNumbers(std::string_view text, char separator,
                      std::initializer_list<NumberField> fields) {
    const std::vector<std::string> parts = SplitList(text, separator);
    if (parts.size() != fields.size()) return false;
    std::vector<int> values(parts.size());
    std::size_t i = 0;
    for (const NumberField& field : fields) {
        if (!ReadWholeNumber(parts[i], field.lowest, field.highest, values[i])) return false;
        ++i;
    }
    i = 0;
    for (const NumberField& field : fields) field.out = values[i++];
    return true;
}

WordReader BarPeriodValue(std::string_view command, BarPeriod& period) {
    return [command, &period](const std::string& value) -> std::string {
        if (ParseBarPeriod(value, period)) return {};
        return std::string(command) + ": --period must be daily, weekly or monthly, not " + value;
    };
}

WordReader HistoryValue(std::string_view command, bool& whole) {
    return [command, &whole](const std::string& value) -> std::string {
        if (value != "all") return std::string(command) + ": --history takes all, not " + value;
        whole = true;
        return {};
    };
}

WordReader SwitchValue(bool& on) {
    return [&on](const std::string&) {
        on = true;
        return std::string();
    };
}

bool ReadIsoDate(std::string_view text, double& day) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    int year = 0, month = 0, dayOfMonth = 0;
    return ReadWholeNumber(text.substr(0, 4), 1, 9999, year) &&
           ReadWholeNumber(text.substr(5, 2), 1, 12, month) &&
           ReadWholeNumber(text.substr(8, 2), 1, 31, dayOfMonth) &&
           TryEncodeDate(year, month, dayOfMonth, day);
}

WordReader DateValue(std::string_view command, std::string_view option,
                     std::optional<double>& day) {
    return [command, option, &day](const std::string& value) -> std::string {
        double read = 0;
        if (!ReadIsoDate(value, read))
            return std::string(command) + ": " + std::string(option) +
                   " needs a date YYYY-MM-DD, not " + value;
        day = read;
        return {};
    };
}

WordReader QuoteFormatValue(std::string_view command, QuoteFormatChoice& choice) {
    return [command, &choice](const std::string& value) -> std::string {
        if (value == "auto")
            choice = QuoteFormatChoice::Auto;
        else if (value == "native")
            choice = QuoteFormatChoice::Native;
        else if (value == "csv")
            choice = QuoteFormatChoice::Csv;
        else
            return std::string(command) + ": --format must be auto, native or csv, not " + value;
        return {};
    };
}

} // namespace brevant::cli
