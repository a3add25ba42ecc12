// libFuzzer target for the formula language: any text either parses or is
// refused with a position inside it (or just after it); a parsed formula
// evaluates over a short series without fault.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "formula/formula_error.h"
#include "formula/formula_evaluator.h"

using namespace brevant;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::shared_ptr<const Formula> formula;
    try {
        formula = ParseFormula(text);
    } catch (const FormulaError& e) {
        if (e.Position() < 1 || e.Position() > static_cast<int>(text.size()) + 1) std::abort();
        return 0;
    }
    TBars bars(40);
    for (std::size_t i = 0; i < bars.size(); ++i) {
        TStockBar& b = bars[i];
        b.Date = 40000 + static_cast<double>(i);
        b.Close = 10 + static_cast<double>(i % 7);
        b.Open = b.Close - 0.5;
        b.High = b.Close + 1;
        b.Low = b.Close - 1;
        b.Volume = 1000 + static_cast<double>(i * 13 % 50);
    }
    FormulaEvaluator evaluator(formula, TIndicatorParams{});
    const std::span<const double> all = evaluator.Evaluate(bars);
    TBars again = bars;
    const std::span<const double> last = evaluator.Evaluate(again, 1);
    (void)all;
    (void)last;
    return 0;
}
