// Brevant Dira — one line of an end-of-day quote file.
#include "quotes/quote_line.h"

#include <algorithm>
#include <optional>

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

// Nothing but blanks and control characters.
bool IsBlank(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
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

// A number the quote table's FLOAT columns hold, or nothing.
std::optional<double> ReadStoredNumber(std::string_view text, char decimalSeparator) {
    const std::optional<double> value = ReadQuoteNumber(text, decimalSeparator);
    if (!value || NarrowToFloat(*value) == NarrowToFloat(kNotANumber)) return std::nullopt;
    return value;
}

// False when a marked action's amount cannot be read; an incomplete tail is
// no action at all.
bool ReadActionTail(std::string_view tail, char decimalSeparator, TQuoteLine& out) {
    out.HasDividend = out.HasSplit = false;
    out.Dividend = out.SplitRatio = 0;
    std::string_view dividendMark, amount, splitMark, first, second;
    if (!TakeField(tail, ',', dividendMark) || !TakeField(tail, ',', amount) ||
        !TakeField(tail, ',', splitMark) || !TakeField(tail, ':', first) ||
        !TakeField(tail, ',', second))
        return true;
    if (dividendMark == "*Dividend") {
        const std::optional<double> dividend = ReadStoredNumber(amount, decimalSeparator);
        if (!dividend) return false;
        out.HasDividend = true;
        out.Dividend = *dividend;
    }
    if (splitMark == "*Split") {
        std::string text(first);
        text += '.';
        text += second;
        const std::optional<double> ratio = ReadStoredNumber(text, decimalSeparator);
        if (!ratio) return false;
        out.HasSplit = true;
        out.SplitRatio = *ratio;
    }
    return true;
}

} // namespace

void SetStoredTexts(std::string_view symbol, std::string_view name, TQuoteLine& out) {
    // Blanks beside a comma would let the symbol hold " , ", which ends the
    // name in a list text.
    out.Symbol.clear();
    for (const char c : symbol) {
        if (c == ' ' && !out.Symbol.empty() && out.Symbol.back() == ',') continue;
        if (c == ',')
            while (!out.Symbol.empty() && out.Symbol.back() == ' ') out.Symbol.pop_back();
        out.Symbol += c;
    }
    if (out.Symbol.size() > kSymbolWidth) out.Symbol.resize(kSymbolWidth);
    out.StockName.assign(name.substr(0, kStockNameWidth));
    std::replace(out.StockName.begin(), out.StockName.end(), '\'', '`');
}

RowStatus ParseQuoteLine(std::string_view line, char decimalSeparator, TQuoteLine& out) {
    if (line.empty()) return RowStatus::Empty;
    if (line.front() == '<') return RowStatus::Header;
    std::string_view rest = line;
    std::string_view symbol, name, date, open, high, low, close;
    if (!TakeField(rest, ',', symbol) || symbol.empty()) return RowStatus::MissingField;
    if (!TakeField(rest, ',', name) || IsBlank(name)) return RowStatus::MissingField;
    if (!TakeField(rest, ',', date) || !TakeField(rest, ',', open) || !TakeField(rest, ',', high) ||
        !TakeField(rest, ',', low) || !TakeField(rest, ',', close) || rest.empty())
        return RowStatus::MissingField;
    std::string_view volume = rest;
    const std::size_t comma = rest.find(',');
    std::string_view tail;
    if (comma != std::string_view::npos) {
        volume = rest.substr(0, comma);
        tail = rest.substr(comma + 1);
    }

    TQuoteLine q;
    if (!ReadDate(date, q.Date)) return RowStatus::BadDate;
    const std::optional<double> prices[] = {
        ReadStoredNumber(open, decimalSeparator), ReadStoredNumber(high, decimalSeparator),
        ReadStoredNumber(low, decimalSeparator), ReadStoredNumber(close, decimalSeparator)};
    for (const std::optional<double>& price : prices)
        if (!price) return RowStatus::BadNumber;
    // No volume is none traded, as in the CSV layouts.
    std::optional<double> traded = 0.0;
    if (!IsBlank(volume)) traded = ReadStoredNumber(volume, decimalSeparator);
    if (!traded) return RowStatus::BadNumber;
    if (!tail.empty() && !ReadActionTail(tail, decimalSeparator, q)) return RowStatus::BadNumber;
    q.Open = *prices[0];
    q.High = *prices[1];
    q.Low = *prices[2];
    q.Close = *prices[3];
    q.Volume = *traded;
    SetStoredTexts(symbol, name, q);
    out = std::move(q);
    return RowStatus::Read;
}

} // namespace brevant
