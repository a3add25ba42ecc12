// Brevant Dira — fuzzing the quote-line parser and ToFloat.
// The first byte is the user's decimal separator (",", else "."); the rest is one line.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "store/quote_line.h"
#include "store/to_float.h"
#include "ta/day_date.h"

namespace {
void Require(bool condition) {
    if (!condition) std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brevant;
    if (size == 0) return 0;
    const char separator = data[0] == ',' ? ',' : '.';
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    const double value = ToFloat(text, separator);
    Require(std::isfinite(value));
    const float narrow = NarrowToFloat(value);
    Require(std::isfinite(narrow));

    TQuoteLine q;
    if (!ParseQuoteLine(text, separator, q)) return 0;
    Require(!q.Symbol.empty() && q.Symbol.size() <= kSymbolWidth);
    Require(!q.StockName.empty() && q.StockName.size() <= kStockNameWidth);
    Require(q.StockName.find('\'') == std::string::npos);
    if (q.DateValid) {
        const CivilDate d = DecodeDate(q.Date);
        Require(IsValidDate(d.year, d.month, d.day) &&
                EncodeDate(d.year, d.month, d.day) == q.Date);
    }
    for (double v : {q.Open, q.High, q.Low, q.Close, q.Volume, q.Dividend, q.SplitRatio})
        Require(std::isfinite(v) && std::isfinite(NarrowToFloat(v)));
    return 0;
}
