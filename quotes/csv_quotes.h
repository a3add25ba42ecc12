// Brevant Dira — reading the rows of a CSV quote file (layouts: csv_layout.h).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "quotes/csv_layout.h"
#include "quotes/quote_line.h"

namespace brevant {

// What became of one row. Every status but Read means the row is skipped.
enum class CsvRowStatus {
    Read,
    Empty,        // nothing but blanks, quotes and separators
    Header,       // no date and no number anywhere: a header repeated or a second header line
    MissingField, // fewer fields than the layout reads, or an empty symbol
    BadDate,      // the date is not a real date in a form below
    BadNumber,    // a price, or a volume that is not empty, is not a number a FLOAT column holds
    NotDaily,     // the period is not "D", or (without a period column) the time is not 0
};
inline constexpr std::size_t kCsvRowStatusCount =
    static_cast<std::size_t>(CsvRowStatus::NotDaily) + 1;

// "read", "empty line", "header line", "missing field", "bad date",
// "bad number", "not a daily row".
const char* CsvRowStatusText(CsvRowStatus status);

// Rules of a row:
//  - Fields are split at the layout's separator; blanks around a field are
//    dropped; a field may be quoted (csv_fields.h).
//  - Dates: YYYY-MM-DD, optionally followed after a blank or "T" by the time
//    midnight ("00:00", "00:00:00", fractions of zero, a zone such as "Z" or
//    "-05:00"); or eight digits, read as YYYYMMDD when that is a real date and
//    else as DDMMYYYY, the import's own order (a DDMMYYYY date after the year
//    1231 is never a real YYYYMMDD date, so the two cannot be confused).
//  - Numbers: an optional sign, digits with at most one decimal point and an
//    optional exponent. The point is "."; in files separated by semicolons or
//    tabs a "," is read as the point as well. Digit grouping ("1,234.5") is
//    not a number. The user's locale plays no part.
//  - Open, High, Low and Close must be numbers. The volume is 0 when the
//    layout has no Volume column or the field is empty.
//  - Adj Close is not read: the prices are stored as the file has them.
//  - Period "D" (any case) is a daily row, any other period is not. Without a
//    period column, a time made only of "0" and ":" (or empty) is daily.
// A row that is read fills `out` as ParseQuoteLine would: Symbol from the
// Symbol column or the layout's FileSymbol, cut to kSymbolWidth; StockName
// from the Name column, or the symbol when there is none or it is empty, with
// apostrophes turned into grave accents, cut to kStockNameWidth; DateValid
// true; Open to Volume as read (within single precision); no action.
class TCsvQuoteReader {
public:
    explicit TCsvQuoteReader(CsvLayout layout);

    // One row without its line end (a trailing carriage return is dropped as
    // a blank). `out` is changed only when the result is Read. Safe for any bytes.
    CsvRowStatus Read(std::string_view line, TQuoteLine& out);

    const CsvLayout& Layout() const { return layout_; }

private:
    std::string_view Field(QuoteColumn c) const {
        return fields_[static_cast<std::size_t>(layout_.Column(c))];
    }

    CsvLayout layout_;
    std::vector<std::string_view> fields_;
    std::string scratch_;
};

// The date rules above; false and `date` untouched for anything else.
bool ReadCsvDate(std::string_view field, double& date);
// The number rules above for a file with `separator`; false and `value`
// untouched for anything else, an empty field included.
bool ReadCsvNumber(std::string_view field, char separator, double& value);

} // namespace brevant
