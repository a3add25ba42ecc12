// Brevant Dira — one line of an end-of-day quote file.
#include "quotes/quote_line.h"

#include <algorithm>

#include "quotes/to_float.h"
#include "ta/day_date.h"

namespace brevant {
namespace {

// Takes the text up to the next `separator` off the front of `rest`; false
// when the separator is missing.
bool TakeField(std::string_view& rest, char separator, std::string_view& field) {
    const std::size_t p = rest.find(separator);
    if (p == std::string_view::npos) return false;
    field = rest.substr(0, p);
    rest.remove_prefix(p + 1);
    return true;
}

bool IsBlankName(std::string_view name) {
    return std::all_of(name.begin(), name.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

// A decimal integer of digits, optionally after blanks; false for anything else.
bool ReadDatePart(std::string_view s, int& value) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    if (s.empty()) return false;
    value = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

// DDMMYYYY; anything after the eighth character is ignored.
bool ReadDate(std::string_view field, double& date) {
    int day = 0, month = 0, year = 0;
    const auto part = [&](std::size_t pos, std::size_t len) {
        return pos < field.size() ? field.substr(pos, len) : std::string_view{};
    };
    return ReadDatePart(part(0, 2), day) && ReadDatePart(part(2, 2), month) &&
           ReadDatePart(part(4, 4), year) && TryEncodeDate(year, month, day, date);
}

void ReadActionTail(std::string_view tail, char decimalSeparator, TQuoteLine& out) {
    std::string_view dividendMark, amount, splitMark, first, second;
    if (!TakeField(tail, ',', dividendMark) || !TakeField(tail, ',', amount) ||
        !TakeField(tail, ',', splitMark) || !TakeField(tail, ':', first) ||
        !TakeField(tail, ',', second))
        return;
    if (dividendMark == "*Dividend") {
        out.HasDividend = true;
        out.Dividend = ToFloat(amount, decimalSeparator);
    }
    if (splitMark == "*Split") {
        std::string ratio(first);
        ratio += '.';
        ratio += second;
        out.HasSplit = true;
        out.SplitRatio = ToFloat(ratio, decimalSeparator);
    }
}

} // namespace

void SetStoredTexts(std::string_view symbol, std::string_view name, TQuoteLine& out) {
    out.Symbol.assign(symbol.substr(0, kSymbolWidth));
    out.StockName.assign(name.substr(0, kStockNameWidth));
    std::replace(out.StockName.begin(), out.StockName.end(), '\'', '`');
}

bool ParseQuoteLine(std::string_view line, char decimalSeparator, TQuoteLine& out) {
    if (line.empty() || line.front() == '<') return false;
    std::string_view rest = line;
    std::string_view symbol, name, date, open, high, low, close;
    if (!TakeField(rest, ',', symbol) || symbol.empty()) return false;
    if (!TakeField(rest, ',', name) || IsBlankName(name)) return false;
    if (!TakeField(rest, ',', date) || !TakeField(rest, ',', open) || !TakeField(rest, ',', high) ||
        !TakeField(rest, ',', low) || !TakeField(rest, ',', close) || rest.empty())
        return false;
    std::string_view volume = rest;
    const std::size_t comma = rest.find(',');
    std::string_view tail;
    if (comma != std::string_view::npos) {
        volume = rest.substr(0, comma);
        tail = rest.substr(comma + 1);
    }

    SetStoredTexts(symbol, name, out);
    out.DateValid = ReadDate(date, out.Date);
    out.Open = ToFloat(open, decimalSeparator);
    out.High = ToFloat(high, decimalSeparator);
    out.Low = ToFloat(low, decimalSeparator);
    out.Close = ToFloat(close, decimalSeparator);
    out.Volume = ToFloat(volume, decimalSeparator);
    out.HasDividend = out.HasSplit = false;
    out.Dividend = out.SplitRatio = 0;
    if (!tail.empty()) ReadActionTail(tail, decimalSeparator, out);
    return true;
}

} // namespace brevant
