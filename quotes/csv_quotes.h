// Brevant Dira — reading the rows of a CSV quote file (layouts: csv_layout.h).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "quotes/csv_layout.h"
#include "quotes/quote_line.h"
#include "quotes/row_status.h"

namespace brevant {

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
// Symbol column or the layout's FileSymbol and StockName from the Name
// column, or the symbol when there is none or it is empty, both set by
// SetStoredTexts; Open to Volume as read (within single precision); no action.
class TCsvQuoteReader {
public:
    explicit TCsvQuoteReader(CsvLayout layout);

    // One row without its line end (a trailing carriage return is dropped as
    // a blank). `out` is changed only when the result is Read. Safe for any bytes.
    RowStatus Read(std::string_view line, TQuoteLine& out);

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
