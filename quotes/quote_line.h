// Brevant Dira — one line of an end-of-day quote file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace brevant {

// Widths of the symbol and name columns of the quote and action tables
// (store/schema.h declares the columns with them); longer text is cut.
inline constexpr std::size_t kSymbolWidth = 10;
inline constexpr std::size_t kStockNameWidth = 55;

// A line the import accepts:
//   SYMBOL,NAME,DDMMYYYY,OPEN,HIGH,LOW,CLOSE,VOLUME[,DIVMARK,AMOUNT,SPLITMARK,A:B,...]
struct TQuoteLine {
    std::string Symbol;    // unchanged, cut to kSymbolWidth bytes
    std::string StockName; // apostrophes turned into grave accents, untrimmed, cut to 55
    // False when the date field is not a real DDMMYYYY date; the import then
    // uses the date of the last line that had one.
    bool DateValid = false;
    double Date = 0; // day number, meaningful only when DateValid
    double Open = 0, High = 0, Low = 0, Close = 0, Volume = 0; // ToFloat results
    bool HasDividend = false;
    double Dividend = 0; // ToFloat of the amount
    bool HasSplit = false;
    double SplitRatio = 0; // a:b read as the number "a.b" (2:1 is 2.1)
};

// Sets the texts of `out` as the row is stored: the symbol cut to kSymbolWidth
// bytes; the name cut to kStockNameWidth, its apostrophes turned into grave
// accents. Every reader of quote files sets a row's texts through it.
void SetStoredTexts(std::string_view symbol, std::string_view name, TQuoteLine& out);

// Fills `out` from one line (without its line end) and returns true, or
// returns false for a line the import skips: empty, a "<" header, an empty
// symbol, a name of only blanks, fewer than seven comma-ended fields, or
// nothing after the comma that ends the close. Numbers that cannot be read
// become kNotANumber; an incomplete action tail is ignored. Safe for any bytes.
bool ParseQuoteLine(std::string_view line, char decimalSeparator, TQuoteLine& out);

} // namespace brevant
