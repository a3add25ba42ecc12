// Brevant Dira — one line of an end-of-day quote file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "quotes/row_status.h"

namespace brevant {

// Widths of the symbol and name columns of the quote and action tables
// (store/schema.h declares the columns with them); longer text is cut.
inline constexpr std::size_t kSymbolWidth = 10;
inline constexpr std::size_t kStockNameWidth = 55;

// A line the import accepts:
//   SYMBOL,NAME,DDMMYYYY,OPEN,HIGH,LOW,CLOSE,VOLUME[,DIVMARK,AMOUNT,SPLITMARK,A:B,...]
struct TQuoteLine {
    std::string Symbol;    // as stored: see SetStoredTexts
    std::string StockName; // apostrophes turned into grave accents, untrimmed, cut to 55
    double Date = 0;       // day number
    // Each one a number a FLOAT column holds.
    double Open = 0, High = 0, Low = 0, Close = 0, Volume = 0;
    bool HasDividend = false;
    double Dividend = 0; // the amount
    bool HasSplit = false;
    double SplitRatio = 0; // a:b read as the number "a.b" (2:1 is 2.1)
};

// Sets the texts of `out` as the row is stored: the symbol without blanks
// beside a comma (so that it never holds the list text's " , " and the list
// text gives it back whole), cut to kSymbolWidth bytes; the name cut to
// kStockNameWidth, its apostrophes turned into grave accents. Every reader of
// quote files sets a row's texts through it.
void SetStoredTexts(std::string_view symbol, std::string_view name, TQuoteLine& out);

// Reads one line (without its line end) into `out` and returns Read, or the
// reason the import skips it, counted as such: Empty; Header for a "<" line;
// MissingField for an empty symbol, a name of only blanks, fewer than seven
// comma-ended fields, or nothing after the comma that ends the close;
// BadDate for a date field that is not a real DDMMYYYY date; BadNumber for a
// price, or a volume that is not empty, that ToFloat cannot read or a FLOAT
// column cannot hold, and for a dividend or split whose amount cannot be
// read. An empty volume is 0. An incomplete action tail is ignored. `out` is
// changed only when the result is Read. Safe for any bytes.
RowStatus ParseQuoteLine(std::string_view line, char decimalSeparator, TQuoteLine& out);

} // namespace brevant
