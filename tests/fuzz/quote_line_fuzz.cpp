// Brevant Dira — fuzzing the quote-line parser, ToFloat, the CSV reader and
// the list text's round trip.
// The first byte is the user's decimal separator (",", else "."); the rest is
// one line for the native parser, and a whole file (header, then rows split
// at line feeds) for the CSV layout detection and reader.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "quotes/csv_fields.h"
#include "quotes/csv_layout.h"
#include "quotes/csv_quotes.h"
#include "quotes/list_text.h"
#include "quotes/quote_line.h"
#include "quotes/to_float.h"
#include "ta/day_date.h"

namespace {
using namespace brevant;

void Require(bool condition) {
    if (!condition) std::abort();
}

bool IsRealDate(double date) {
    const CivilDate d = DecodeDate(date);
    return IsValidDate(d.year, d.month, d.day) && EncodeDate(d.year, d.month, d.day) == date;
}

bool FitsAFloatColumn(double v) {
    return std::isfinite(v) && std::fabs(v) <= std::numeric_limits<float>::max();
}

// What every reader stores: texts within their columns, and a symbol the
// list text gives back whole, whatever the name.
void CheckStoredTexts(const TQuoteLine& q) {
    Require(!q.Symbol.empty() && q.Symbol.size() <= kSymbolWidth);
    Require(!q.StockName.empty() && q.StockName.size() <= kStockNameWidth);
    Require(q.StockName.find('\'') == std::string::npos);
    Require(SymbolFromListText(ListText(q.StockName, q.Symbol)) == q.Symbol);
}

// The list text's round trip for any name and any symbol the readers store.
void CheckListText(std::string_view text) {
    const std::size_t half = text.size() / 2;
    TQuoteLine q;
    SetStoredTexts(text.substr(0, half), text.substr(half), q);
    if (q.Symbol.empty()) return;
    Require(SymbolFromListText(ListText(q.StockName, q.Symbol)) == q.Symbol);
}

void CheckNativeLine(std::string_view text, char separator) {
    const double value = ToFloat(text, separator);
    Require(std::isfinite(value));
    const float narrow = NarrowToFloat(value);
    Require(std::isfinite(narrow));

    TQuoteLine q;
    q.Symbol = "\x01";
    const RowStatus status = ParseQuoteLine(text, separator, q);
    Require(RowStatusText(status) != nullptr);
    if (status != RowStatus::Read) {
        Require(q.Symbol == "\x01"); // a skipped line leaves the result alone
        return;
    }
    CheckStoredTexts(q);
    Require(IsRealDate(q.Date));
    // Nothing unreadable is ever stored: no stand-in value either.
    for (double v : {q.Open, q.High, q.Low, q.Close, q.Volume, q.Dividend, q.SplitRatio})
        Require(FitsAFloatColumn(v) && NarrowToFloat(v) != NarrowToFloat(kNotANumber));
    // A line read whole has a date: never taken for a header.
    if (!text.starts_with("\xFF\xFE") && !text.starts_with("\xFE\xFF"))
        Require(DetectQuoteLayout(text, "F.csv").Format == QuoteFormat::Native);
}

void CheckLayout(const QuoteFileLayout& layout) {
    if (layout.Format == QuoteFormat::Unrecognised)
        Require(layout.Message.starts_with("->ERROR: UNRECOGNISED FILE LAYOUT "));
    if (layout.Format != QuoteFormat::Csv) return;
    const CsvLayout& c = layout.Csv;
    Require(c.Separator == ',' || c.Separator == ';' || c.Separator == '\t');
    for (QuoteColumn needed : {QuoteColumn::Date, QuoteColumn::Open, QuoteColumn::High,
                               QuoteColumn::Low, QuoteColumn::Close})
        Require(c.Has(needed) && static_cast<std::size_t>(c.Column(needed)) < c.FieldsNeeded);
    Require(c.ManySymbols() ? c.FileSymbol.empty()
                            : !c.FileSymbol.empty() && c.FileSymbol.size() <= kSymbolWidth);
}

void CheckCsvFile(std::string_view text, std::string_view path, QuoteFormatChoice choice) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    const QuoteFileLayout layout = DetectQuoteLayout(lines[0], path, choice);
    CheckLayout(layout);
    if (layout.Format != QuoteFormat::Csv) return;
    TCsvQuoteReader reader(layout.Csv);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        TQuoteLine q;
        q.Symbol = "\x01";
        const RowStatus status = reader.Read(lines[i], q);
        Require(RowStatusText(status) != nullptr);
        if (status != RowStatus::Read) {
            Require(q.Symbol == "\x01");
            continue;
        }
        CheckStoredTexts(q);
        if (!layout.Csv.ManySymbols()) Require(q.Symbol == layout.Csv.FileSymbol);
        Require(IsRealDate(q.Date));
        for (double v : {q.Open, q.High, q.Low, q.Close, q.Volume}) Require(FitsAFloatColumn(v));
        Require(!q.HasDividend && !q.HasSplit);
    }
}

void CheckCsvPieces(std::string_view text) {
    for (char separator : {',', ';', '\t'}) {
        std::vector<std::string_view> fields;
        std::string scratch;
        SplitFields(text, separator, fields, scratch);
        Require(!fields.empty());
        for (std::string_view f : fields)
            Require(f.empty() ||
                    (!IsBlankOrControlByte(f.front()) && !IsBlankOrControlByte(f.back())));
        double value = 0;
        if (ReadCsvNumber(text, separator, value)) Require(FitsAFloatColumn(value));
    }
    double date = 0;
    if (ReadCsvDate(text, date)) Require(IsRealDate(date));
    Require(SymbolFromFileName(text).size() <= kSymbolWidth);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brevant;
    if (size == 0) return 0;
    const char separator = data[0] == ',' ? ',' : '.';
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    CheckNativeLine(text, separator);
    CheckListText(text);
    CheckCsvPieces(text);
    CheckCsvFile(text, "fz.us.csv", QuoteFormatChoice::Auto);
    CheckCsvFile(text, "", QuoteFormatChoice::Csv);
    return 0;
}
