// Brevant Dira — which layout a quote file has, told from its first line.
//
// The import's own layout (quote_line.h) has no header, or a header line that
// starts with "<" and is skipped. Beside it, the common end-of-day CSV layouts
// are read through their column header:
//   one symbol per file:   Date,Open,High,Low,Close[,Adj Close],Volume
//                          (the symbol comes from the file name)
//   many symbols per file: <TICKER>,<PER>,<DATE>,<TIME>,<OPEN>,<HIGH>,<LOW>,<CLOSE>,<VOL>,<OPENINT>
//                          Ticker,Date,Open,High,Low,Close,Volume
// separated by commas, semicolons or tabs, the names in any case, the columns
// in any order, other columns ignored. Row rules: csv_quotes.h.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace brevant {

// What a column of a CSV header holds. A header names it with one of these
// words, compared without case and with everything but letters and digits
// dropped ("<TICKER>", "Adj Close", "adj_close" and "Vol." all count):
//   Symbol "ticker" "symbol"      Name "name"        Period "per" "period"
//   Date "date"                   Time "time"        Open "open"
//   High "high"   Low "low"       Close "close"      AdjClose "adjclose" "adjustedclose"
//   Volume "vol" "volume"         Other "openint" "openinterest" (known, not read)
// When a header names a column twice, its first column is read.
enum class QuoteColumn {
    Symbol,
    Name,
    Period,
    Date,
    Time,
    Open,
    High,
    Low,
    Close,
    AdjClose,
    Volume
};
inline constexpr std::size_t kQuoteColumnCount = 11;
inline constexpr int kNoColumn = -1;

struct CsvLayout {
    char Separator = ',';
    // Index of each kind of column within a row (0 = first), or kNoColumn.
    std::array<int, kQuoteColumnCount> Columns{};
    // The symbol of every row when the layout has no Symbol column: taken
    // from the file name (SymbolFromFileName), never empty then.
    std::string FileSymbol;
    // Fields a row must have: the last column the reader uses, plus one.
    std::size_t FieldsNeeded = 0;

    int Column(QuoteColumn c) const { return Columns[static_cast<std::size_t>(c)]; }
    bool Has(QuoteColumn c) const { return Column(c) != kNoColumn; }
    bool ManySymbols() const { return Has(QuoteColumn::Symbol); }
};

enum class QuoteFormat {
    Native,       // read every line with ParseQuoteLine
    Csv,          // the first line is the header; read the others with TCsvQuoteReader
    Unrecognised, // refused: nothing of the file is read
};

// `brevant-cli import --format`: what a file is taken for.
enum class QuoteFormatChoice {
    Auto,   // told from the first line, as DetectQuoteLayout says
    Native, // always the import's own layout
    Csv,    // a recognised CSV header, else refused
};

struct QuoteFileLayout {
    QuoteFormat Format = QuoteFormat::Native;
    CsvLayout Csv;       // when Format is Csv
    std::string Message; // when Format is Unrecognised: the refusal to show
};

// Tells the layout of a file from its first line (without its line end; a
// byte-order mark is allowed) and its path. With QuoteFormatChoice::Auto:
//  - a first line that does not look like a column header (LooksLikeHeader),
//    an empty file among them, is the import's own layout: Native;
//  - a "<" header whose first eight comma-separated columns are, in this
//    order, symbol, name, date, open, high, low, close and volume (such as
//    "<ticker>,<name>,<date>,<open>,<high>,<low>,<close>,<vol>") is the
//    import's own header: Native;
//  - a header with a Date, Open, High, Low and Close column and either a
//    Symbol column or a symbol in the file name is Csv. When no column is
//    named Date, the first column is taken for it if its own name is not a
//    known one (a data-frame export names its date column anything, e.g.
//    "Price,Adj Close,Close,High,Low,Open,Volume");
//  - any other header is Unrecognised, except that one starting with "<"
//    stays Native, as the import has always skipped such headers;
//  - a file that starts with a UTF-16 byte-order mark is Unrecognised.
// QuoteFormatChoice::Native gives Native; ::Csv refuses whatever is not Csv
// by the rules above (the import's own "<" header is then read as a CSV header).
// The Message of a refusal reads
//   "->ERROR: UNRECOGNISED FILE LAYOUT " + path + " (" + reason + "): " + first line
// where the reason is "no Open, High column" (the needed columns missing),
// "no Ticker column, no symbol in the file name", "UTF-16 text", or (with
// ::Csv) "no column header"; the first line is cut to 120 bytes, its NUL bytes
// dropped and other control bytes shown as "?".
QuoteFileLayout DetectQuoteLayout(std::string_view firstLine, std::string_view path,
                                  QuoteFormatChoice choice = QuoteFormatChoice::Auto);

// DetectQuoteLayout for a file whose first bytes are `head` (see
// TQuoteFile::Head): whatever the choice, a file with a NUL byte among them
// is Unrecognised, with the reason "UTF-16 text" behind a byte-order mark
// and "NUL bytes: binary data or UTF-16 text" otherwise.
// No layout reads such a file (UTF-16 text, with or without its byte-order
// mark, has a NUL beside every ASCII letter), and its lines would be garbage.
QuoteFileLayout DetectFileLayout(std::string_view head, std::string_view firstLine,
                                 std::string_view path, QuoteFormatChoice choice);

// A line "looks like a column header" when
//   (a) no part of it, split at every comma, semicolon and tab, holds a
//       number: after leading blanks, control characters, quotes, signs and
//       decimal marks, no part begins with a digit; and
//   (b) split at `separator`, at least two of its fields carry known column
//       names (QuoteColumn), trying the comma, then the semicolon, then the tab.
// (a) means that a line of the import's own layout with any readable price,
// volume or date is never taken for a header. On true, `separator` is the one
// that gave (b). The line must be without its byte-order mark.
bool LooksLikeHeader(std::string_view line, char& separator);

// True when no part of `line`, split at every comma, semicolon and tab, holds
// a number in the sense of LooksLikeHeader (a).
bool HoldsNoNumber(std::string_view line);

// The line without a leading UTF-8 byte-order mark (EF BB BF). The import
// strips it from a file's first line before reading that line in any layout.
std::string_view StripByteOrderMark(std::string_view line);

// The symbol of a one-symbol file: its name without folders and extension,
// without a copy number a browser adds (" (1)"), a daily-period mark "_d"
// and a final two-letter market part after "." or "_"; blanks trimmed, in
// capitals, cut to the symbol width. "ACME.csv", "acme.us.txt" and
// "acme_us_d.csv" give "ACME"; "BRK.B.csv" gives "BRK.B". Empty when nothing
// is left.
std::string SymbolFromFileName(std::string_view path);

// A short name of the layout for progress texts: "native", "CSV (ACME)" for a
// one-symbol file, "CSV (many symbols)", or "unrecognised".
std::string DescribeLayout(const QuoteFileLayout& layout);

} // namespace brevant
