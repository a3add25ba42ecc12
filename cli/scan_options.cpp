// Brevant Dira — the filter options of `scan`.
#include "cli/scan_options.h"

#include <fstream>

#include "cli/option_values.h"
#include "formula/formula_error.h"
#include "screen/scan_run.h"

namespace brevant::cli {
namespace {

// A whole number inside the filter dialog's limits for that value.
bool ReadValue(const std::string& text, const FilterValueRange& range, int& out) {
    return ReadWholeNumber(text, range.min, range.max, out);
}

std::string RangeText(const FilterValueRange& r) {
    return std::to_string(r.min) + " to " + std::to_string(r.max);
}

// `required` values, then an optional period, which is read into `period`.
bool HasValues(const std::vector<std::string>& parts, std::size_t required, BarPeriod& period) {
    if (parts.size() == required) return true;
    return parts.size() == required + 1 && ParseBarPeriod(parts.back(), period);
}

std::string ReadMacd(const std::string& value, ScanFilters& f) {
    f.macd = true;
    const std::vector<std::string> p = SplitList(value);
    if (!HasValues(p, 1, f.macdPeriod) || !ReadValue(p[0], kMacdDaysRange, f.macdDays))
        return "--macd N[,P]: N from " + RangeText(kMacdDaysRange) + ", P daily, weekly or monthly";
    return {};
}

std::string ReadMovingAverage(const std::string& value, ScanFilters& f) {
    f.movingAverage = true;
    const std::vector<std::string> p = SplitList(value);
    if (!HasValues(p, 3, f.maPeriod) || !ReadValue(p[0], kMaPeriod1Range, f.maPeriod1) ||
        !ReadValue(p[1], kMaPeriod2Range, f.maPeriod2) || !ReadValue(p[2], kMaDaysRange, f.maDays))
        return "--ma P1,P2,N[,P]: P1 from " + RangeText(kMaPeriod1Range) + ", P2 from " +
               RangeText(kMaPeriod2Range) + ", N from " + RangeText(kMaDaysRange);
    return {};
}

std::string ReadRsi(const std::string& value, ScanFilters& f) {
    f.rsi = true;
    const std::vector<std::string> p = SplitList(value);
    if (!HasValues(p, 3, f.rsiPeriod) || (p[0] != "above" && p[0] != "below") ||
        !ReadValue(p[1], kRsiLevelRange, f.rsiLevel) || !ReadValue(p[2], kRsiDaysRange, f.rsiDays))
        return "--rsi above|below,L,N[,P]: L from " + RangeText(kRsiLevelRange) + ", N from " +
               RangeText(kRsiDaysRange);
    f.rsiDirection = p[0] == "above" ? 0 : 1;
    return {};
}

std::string ReadVolume(const std::string& value, ScanFilters& f) {
    f.volume = true;
    const std::vector<std::string> p = SplitList(value);
    if (!HasValues(p, 1, f.volumePeriod) || !ReadValue(p[0], kVolumeRange, f.volumeThreshold))
        return "--volume V[,P]: V from " + RangeText(kVolumeRange);
    return {};
}

std::string ReadWhere(const std::string& value, ScanFilters& f) {
    try {
        f.formula = ParseFormula(value);
    } catch (const FormulaError& e) {
        return std::string("--where: ") + e.what();
    }
    return {};
}

std::string Trimmed(const std::string& text) {
    const char* blanks = " \t\r";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// The words of a line, split at blanks; a part in double quotes keeps its
// blanks (a formula). Returns false when a quote is left open.
bool Words(const std::string& text, std::vector<std::string>& words) {
    std::string word;
    bool inWord = false, quoted = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && (c == ' ' || c == '\t' || c == '\r')) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return !quoted;
}

// One line's screen; the error text without the line's place.
std::string ReadScreen(const std::string& text, ScanFilters& filters) {
    bool periodGiven = false;
    const CommandSyntax syntax{"screen", OptionWords::Every, FilterOptions(filters, periodGiven),
                               nullptr};
    std::vector<std::string> words;
    if (!Words(text, words)) return "a double quote is not closed";
    std::string error = ReadCommandLine(syntax, words);
    // The place is named by the caller.
    if (error.starts_with("screen: ")) error.erase(0, 8);
    if (!error.empty()) return error;
    if (!filters.Any()) return kScanNoFilterMessage;
    return CheckFormulaPeriod(filters, periodGiven);
}

} // namespace

std::vector<CommandOption> FilterOptions(ScanFilters& f, bool& periodGiven) {
    const WordReader period = BarPeriodValue("scan", f.formulaPeriod);
    return {
        {"--macd", [&f](const std::string& v) { return ReadMacd(v, f); }},
        {"--ma", [&f](const std::string& v) { return ReadMovingAverage(v, f); }},
        {"--rsi", [&f](const std::string& v) { return ReadRsi(v, f); }},
        {"--volume", [&f](const std::string& v) { return ReadVolume(v, f); }},
        {"--where", [&f](const std::string& v) { return ReadWhere(v, f); }},
        {"--period",
         [period, &periodGiven](const std::string& v) {
             periodGiven = true;
             return period(v);
         }},
    };
}

std::string CheckFormulaPeriod(const ScanFilters& filters, bool periodGiven) {
    if (periodGiven && !filters.formula)
        return "--period is the --where formula's; each filter takes its period after its "
               "values";
    return {};
}

std::string ReadScreensFile(const std::string& path, std::vector<ScreenLine>& screens) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "scan: cannot read the screens file " + path;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        ScreenLine screen;
        screen.number = number;
        screen.text = Trimmed(line.substr(0, line.find('#')));
        if (screen.text.empty()) continue;
        if (const std::string error = ReadScreen(screen.text, screen.filters); !error.empty())
            return "scan: " + path + " line " + std::to_string(number) + ": " + error;
        screens.push_back(std::move(screen));
    }
    if (in.bad()) return "scan: cannot read the screens file " + path;
    if (screens.empty()) return "scan: no screen in " + path;
    return {};
}

} // namespace brevant::cli
