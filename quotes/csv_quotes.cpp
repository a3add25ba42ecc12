// Brevant Dira — reading the rows of a CSV quote file.
#include "quotes/csv_quotes.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "quotes/csv_fields.h"
#include "ta/day_date.h"

namespace brevant {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The value of `count` digits at `text`; false when one is not a digit.
bool ReadDigits(const char* text, int count, int& value) {
    value = 0;
    for (int i = 0; i < count; ++i) {
        if (!IsDigit(text[i])) return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

bool Take(std::string_view& s, std::string_view prefix) {
    if (!s.starts_with(prefix)) return false;
    s.remove_prefix(prefix.size());
    return true;
}

bool TakeTwoDigits(std::string_view& s) {
    if (s.size() < 2 || !IsDigit(s[0]) || !IsDigit(s[1])) return false;
    s.remove_prefix(2);
    return true;
}

// What may follow a YYYY-MM-DD date: nothing, or midnight with an optional zone.
bool IsMidnight(std::string_view s) {
    if (s.empty()) return true;
    if (s[0] != ' ' && s[0] != 'T') return false;
    s.remove_prefix(1);
    if (!Take(s, "00:00")) return false;
    if (Take(s, ":00") && Take(s, ".")) {
        if (s.empty() || s[0] != '0') return false;
        while (!s.empty() && s[0] == '0') s.remove_prefix(1);
    }
    if (s.empty() || s == "Z") return true;
    if (s[0] != '+' && s[0] != '-') return false;
    s.remove_prefix(1);
    if (!TakeTwoDigits(s)) return false;
    Take(s, ":");
    return TakeTwoDigits(s) && s.empty();
}

bool IsDaily(std::string_view period) {
    return period == "D" || period == "d";
}

bool IsZeroTime(std::string_view time) {
    return std::all_of(time.begin(), time.end(), [](char c) { return c == '0' || c == ':'; });
}

bool IsEmptyRow(std::string_view line, char separator) {
    return std::all_of(line.begin(), line.end(), [separator](char c) {
        return c == separator || c == '"' || IsBlankOrControlByte(c);
    });
}

} // namespace

bool ReadCsvDate(std::string_view field, double& date) {
    int year = 0, month = 0, day = 0;
    if (field.size() >= 10 && field[4] == '-' && field[7] == '-') {
        return ReadDigits(field.data(), 4, year) && ReadDigits(field.data() + 5, 2, month) &&
               ReadDigits(field.data() + 8, 2, day) && IsMidnight(field.substr(10)) &&
               TryEncodeDate(year, month, day, date);
    }
    if (field.size() != 8) return false;
    if (!ReadDigits(field.data(), 4, year) || !ReadDigits(field.data() + 4, 2, month) ||
        !ReadDigits(field.data() + 6, 2, day))
        return false;
    if (TryEncodeDate(year, month, day, date)) return true;
    // DDMMYYYY, the import's own order.
    return TryEncodeDate(month * 100 + day, year % 100, year / 100, date);
}

bool ReadCsvNumber(std::string_view field, char separator, double& value) {
    field = TrimBlanks(field);
    // Room for any number a FLOAT column holds written out in full; longer text is refused.
    char text[128];
    std::size_t n = 0;
    std::size_t i = 0;
    if (i < field.size() && (field[i] == '-' || field[i] == '+')) {
        if (field[i] == '-') text[n++] = '-';
        ++i;
    }
    bool digits = false, point = false;
    for (; i < field.size(); ++i) {
        const char c = field[i];
        if (IsDigit(c)) {
            digits = true;
        } else if (!point && (c == '.' || (c == ',' && separator != ','))) {
            point = true;
        } else {
            break;
        }
        if (n == sizeof text - 8) return false;
        text[n++] = c == ',' ? '.' : c;
    }
    if (!digits) return false;
    if (i < field.size() && (field[i] == 'e' || field[i] == 'E')) {
        text[n++] = 'e';
        ++i;
        if (i < field.size() && (field[i] == '-' || field[i] == '+')) text[n++] = field[i++];
        const std::size_t first = i;
        for (; i < field.size() && IsDigit(field[i]) && i - first < 4; ++i) text[n++] = field[i];
        if (i == first) return false;
    }
    if (i != field.size()) return false;
    double v = 0;
    const auto [end, error] = std::from_chars(text, text + n, v);
    if (error != std::errc() || end != text + n) return false;
    if (!(std::fabs(v) <= std::numeric_limits<float>::max())) return false;
    value = v;
    return true;
}

TCsvQuoteReader::TCsvQuoteReader(CsvLayout layout) : layout_(std::move(layout)) {
    fields_.reserve(layout_.FieldsNeeded);
}

RowStatus TCsvQuoteReader::Read(std::string_view line, TQuoteLine& out) {
    const char separator = layout_.Separator;
    if (IsEmptyRow(line, separator)) return RowStatus::Empty;
    SplitFields(line, separator, fields_, scratch_, layout_.FieldsNeeded);
    if (fields_.size() < layout_.FieldsNeeded)
        return HoldsNoNumber(line) ? RowStatus::Header : RowStatus::MissingField;

    double date = 0;
    if (!ReadCsvDate(Field(QuoteColumn::Date), date))
        return HoldsNoNumber(line) ? RowStatus::Header : RowStatus::BadDate;
    if (layout_.Has(QuoteColumn::Period)
            ? !IsDaily(Field(QuoteColumn::Period))
            : layout_.Has(QuoteColumn::Time) && !IsZeroTime(Field(QuoteColumn::Time)))
        return RowStatus::NotDaily;
    const std::string_view symbol =
        layout_.ManySymbols() ? Field(QuoteColumn::Symbol) : std::string_view(layout_.FileSymbol);
    if (symbol.empty()) return RowStatus::MissingField;

    double open = 0, high = 0, low = 0, close = 0, volume = 0;
    if (!ReadCsvNumber(Field(QuoteColumn::Open), separator, open) ||
        !ReadCsvNumber(Field(QuoteColumn::High), separator, high) ||
        !ReadCsvNumber(Field(QuoteColumn::Low), separator, low) ||
        !ReadCsvNumber(Field(QuoteColumn::Close), separator, close))
        return RowStatus::BadNumber;
    if (layout_.Has(QuoteColumn::Volume)) {
        const std::string_view field = Field(QuoteColumn::Volume);
        if (!field.empty() && !ReadCsvNumber(field, separator, volume)) return RowStatus::BadNumber;
    }

    std::string_view name = layout_.Has(QuoteColumn::Name) ? Field(QuoteColumn::Name) : symbol;
    if (name.empty()) name = symbol;
    SetStoredTexts(symbol, name, out);
    out.Date = date;
    out.Open = open;
    out.High = high;
    out.Low = low;
    out.Close = close;
    out.Volume = volume;
    out.HasDividend = out.HasSplit = false;
    out.Dividend = out.SplitRatio = 0;
    return RowStatus::Read;
}

} // namespace brevant
