// Brevant Dira — which layout a quote file has, told from its first line.
#include "quotes/csv_layout.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "quotes/csv_fields.h"
#include "quotes/quote_line.h"

namespace brevant {
namespace {

// A known column name that no row is read from.
constexpr int kOtherColumn = -2;

constexpr std::size_t Index(QuoteColumn c) {
    return static_cast<std::size_t>(c);
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The kind of column a header field names (as an int of QuoteColumn),
// kOtherColumn for a known column that is not read, or nothing.
std::optional<int> ColumnNamed(std::string_view field) {
    std::string key;
    for (char c : field) {
        if (IsLetter(c) || IsDigit(c)) key += Lower(c);
        if (key.size() > 16) return std::nullopt;
    }
    struct Name {
        const char* text;
        int column;
    };
    static constexpr Name kNames[] = {
        {"ticker", int(QuoteColumn::Symbol)},
        {"symbol", int(QuoteColumn::Symbol)},
        {"name", int(QuoteColumn::Name)},
        {"per", int(QuoteColumn::Period)},
        {"period", int(QuoteColumn::Period)},
        {"date", int(QuoteColumn::Date)},
        {"time", int(QuoteColumn::Time)},
        {"open", int(QuoteColumn::Open)},
        {"high", int(QuoteColumn::High)},
        {"low", int(QuoteColumn::Low)},
        {"close", int(QuoteColumn::Close)},
        {"adjclose", int(QuoteColumn::AdjClose)},
        {"adjustedclose", int(QuoteColumn::AdjClose)},
        {"vol", int(QuoteColumn::Volume)},
        {"volume", int(QuoteColumn::Volume)},
        {"openint", kOtherColumn},
        {"openinterest", kOtherColumn},
    };
    for (const Name& n : kNames)
        if (key == n.text) return n.column;
    return std::nullopt;
}

std::vector<std::string_view> Split(std::string_view line, char separator, std::string& scratch) {
    std::vector<std::string_view> fields;
    SplitFields(line, separator, fields, scratch);
    return fields;
}

bool PartHoldsNumber(std::string_view part) {
    for (char c : part) {
        if (IsDigit(c)) return true;
        if (!IsBlankOrControlByte(c) && c != '"' && c != '+' && c != '-' && c != '.' && c != ',')
            return false;
    }
    return false;
}

bool IsUtf16(std::string_view line) {
    return line.starts_with("\xFF\xFE") || line.starts_with("\xFE\xFF");
}

// The first eight columns of the import's own header, in its order.
bool IsNativeHeader(std::string_view line) {
    static constexpr QuoteColumn kOrder[] = {
        QuoteColumn::Symbol, QuoteColumn::Name, QuoteColumn::Date,  QuoteColumn::Open,
        QuoteColumn::High,   QuoteColumn::Low,  QuoteColumn::Close, QuoteColumn::Volume,
    };
    std::string scratch;
    const std::vector<std::string_view> fields = Split(line, ',', scratch);
    if (fields.size() < std::size(kOrder)) return false;
    for (std::size_t i = 0; i < std::size(kOrder); ++i) {
        if (ColumnNamed(fields[i]) != int(kOrder[i])) return false;
    }
    return true;
}

std::string ShownLine(std::string_view line) {
    constexpr std::size_t kShown = 120;
    std::string shown;
    for (char c : line.substr(0, kShown)) {
        if (c == '\0') continue; // UTF-16 text reads as letters between NULs
        shown += static_cast<unsigned char>(c) < ' ' || c == '\x7f' ? '?' : c;
    }
    if (line.size() > kShown) shown += "...";
    return shown;
}

QuoteFileLayout Refused(std::string_view path, std::string_view firstLine,
                        std::string_view reason) {
    QuoteFileLayout layout;
    layout.Format = QuoteFormat::Unrecognised;
    layout.Message = "->ERROR: UNRECOGNISED FILE LAYOUT ";
    layout.Message += path;
    layout.Message += " (";
    layout.Message += reason;
    layout.Message += "): ";
    layout.Message += ShownLine(firstLine);
    return layout;
}

// Fills `layout` from a header; on failure returns what is missing.
std::optional<std::string> ReadHeader(std::string_view line, char separator, std::string_view path,
                                      CsvLayout& layout) {
    std::string scratch;
    const std::vector<std::string_view> fields = Split(line, separator, scratch);
    layout = CsvLayout{};
    layout.Separator = separator;
    layout.Columns.fill(kNoColumn);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::optional<int> column = ColumnNamed(fields[i]);
        if (!column || *column == kOtherColumn) continue;
        int& slot = layout.Columns[static_cast<std::size_t>(*column)];
        if (slot == kNoColumn) slot = static_cast<int>(i);
    }
    // A data-frame export names its date column after something else.
    if (!layout.Has(QuoteColumn::Date) && !ColumnNamed(fields[0]))
        layout.Columns[Index(QuoteColumn::Date)] = 0;

    std::string missing;
    static constexpr std::pair<QuoteColumn, const char*> kNeeded[] = {
        {QuoteColumn::Date, "Date"}, {QuoteColumn::Open, "Open"},   {QuoteColumn::High, "High"},
        {QuoteColumn::Low, "Low"},   {QuoteColumn::Close, "Close"},
    };
    for (const auto& [column, name] : kNeeded) {
        if (layout.Has(column)) continue;
        if (!missing.empty()) missing += ", ";
        missing += name;
    }
    if (!missing.empty()) return "no " + missing + " column";
    if (!layout.ManySymbols()) {
        layout.FileSymbol = SymbolFromFileName(path);
        if (layout.FileSymbol.empty())
            return std::string("no Ticker column, no symbol in the file name");
    }

    // The time only matters when no period column tells a daily row.
    std::vector<QuoteColumn> read = {QuoteColumn::Symbol, QuoteColumn::Name,  QuoteColumn::Period,
                                     QuoteColumn::Date,   QuoteColumn::Open,  QuoteColumn::High,
                                     QuoteColumn::Low,    QuoteColumn::Close, QuoteColumn::Volume};
    if (!layout.Has(QuoteColumn::Period))
        read.push_back(QuoteColumn::Time);
    else
        layout.Columns[Index(QuoteColumn::Time)] = kNoColumn;
    for (QuoteColumn c : read) {
        if (layout.Has(c))
            layout.FieldsNeeded =
                std::max(layout.FieldsNeeded, static_cast<std::size_t>(layout.Column(c)) + 1);
    }
    return std::nullopt;
}

} // namespace

std::string_view StripByteOrderMark(std::string_view line) {
    if (line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
    return line;
}

bool HoldsNoNumber(std::string_view line) {
    std::size_t start = 0;
    while (start <= line.size()) {
        std::size_t end = line.find_first_of(",;\t", start);
        if (end == std::string_view::npos) end = line.size();
        if (PartHoldsNumber(line.substr(start, end - start))) return false;
        start = end + 1;
    }
    return true;
}

bool LooksLikeHeader(std::string_view line, char& separator) {
    if (!HoldsNoNumber(line)) return false;
    for (char candidate : {',', ';', '\t'}) {
        if (line.find(candidate) == std::string_view::npos) continue;
        std::string scratch;
        int known = 0;
        for (std::string_view field : Split(line, candidate, scratch)) {
            if (ColumnNamed(field)) ++known;
        }
        if (known >= 2) {
            separator = candidate;
            return true;
        }
    }
    return false;
}

std::string SymbolFromFileName(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string_view::npos) name = name.substr(0, dot);
    name = TrimBlanks(name);
    // "ACME (1)": the copy number a browser gives a second download.
    if (name.ends_with(')')) {
        const std::size_t open = name.rfind(" (");
        if (open != std::string_view::npos && open + 3 < name.size()) {
            const std::string_view number = name.substr(open + 2, name.size() - open - 3);
            bool digits = true;
            for (char c : number) digits = digits && IsDigit(c);
            if (digits) name = TrimBlanks(name.substr(0, open));
        }
    }
    // "acme_us_d": a download of daily bars, named with the market.
    if (name.size() > 2 && (name.ends_with("_d") || name.ends_with("_D"))) name.remove_suffix(2);
    // "acme.us": a market suffix of two letters.
    const std::size_t n = name.size();
    if (n > 3 && (name[n - 3] == '.' || name[n - 3] == '_') && IsLetter(name[n - 2]) &&
        IsLetter(name[n - 1]))
        name.remove_suffix(3);
    std::string symbol;
    for (char c : name.substr(0, kSymbolWidth)) symbol += Upper(c);
    return std::string(TrimBlanks(symbol));
}

QuoteFileLayout DetectFileLayout(std::string_view head, std::string_view firstLine,
                                 std::string_view path, QuoteFormatChoice choice) {
    if (head.find('\0') != std::string_view::npos)
        // UTF-16 behind its byte-order mark is named as such.
        return Refused(path, firstLine,
                       IsUtf16(firstLine) ? "UTF-16 text"
                                          : "NUL bytes: binary data or UTF-16 text");
    return DetectQuoteLayout(firstLine, path, choice);
}

QuoteFileLayout DetectQuoteLayout(std::string_view firstLine, std::string_view path,
                                  QuoteFormatChoice choice) {
    if (choice == QuoteFormatChoice::Native) return {};
    if (IsUtf16(firstLine)) return Refused(path, firstLine, "UTF-16 text");
    const std::string_view line = StripByteOrderMark(firstLine);
    const bool auto_ = choice == QuoteFormatChoice::Auto;
    const bool bracketed = line.starts_with('<');
    if (auto_ && bracketed && IsNativeHeader(line)) return {};
    char separator = ',';
    if (!LooksLikeHeader(line, separator)) {
        if (auto_) return {};
        return Refused(path, line, "no column header");
    }
    QuoteFileLayout layout;
    if (std::optional<std::string> missing = ReadHeader(line, separator, path, layout.Csv)) {
        if (auto_ && bracketed) return {};
        return Refused(path, line, *missing);
    }
    layout.Format = QuoteFormat::Csv;
    return layout;
}

std::string DescribeLayout(const QuoteFileLayout& layout) {
    switch (layout.Format) {
    case QuoteFormat::Native:
        return "native";
    case QuoteFormat::Csv:
        return layout.Csv.ManySymbols() ? "CSV (many symbols)"
                                        : "CSV (" + layout.Csv.FileSymbol + ")";
    case QuoteFormat::Unrecognised:
        break;
    }
    return "unrecognised";
}

} // namespace brevant
