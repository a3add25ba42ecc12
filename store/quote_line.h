// Brevant Dira — one line of an end-of-day quote file.
#pragma once

#include <string>
#include <string_view>

namespace brevant {

// Column widths of the quote and action tables; longer text is cut.
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

// Fills `out` from one line (without its line end) and returns true, or
// returns false for a line the import skips: empty, a "<" header, an empty
// symbol, a name of only blanks, fewer than seven comma-ended fields, or
// nothing after the comma that ends the close. Numbers that cannot be read
// become kNotANumber; an incomplete action tail is ignored. Safe for any bytes.
bool ParseQuoteLine(std::string_view line, char decimalSeparator, TQuoteLine& out);

} // namespace brevant
