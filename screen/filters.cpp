// Brevant Dira — the four screening filters.
#include "screen/filters.h"

#include <algorithm>

namespace brevant {
namespace {

// Mean of Close over the `period` bars ending at `end`, summed oldest first.
double CloseAverage(const TBars& bars, int end, int period) {
    double sum = 0;
    for (int i = end - period + 1; i <= end; ++i) sum += bars[static_cast<std::size_t>(i)].Close;
    return sum / period;
}

int Last(const TBars& bars) {
    return static_cast<int>(bars.size()) - 1;
}

// CalMACD computes nothing with a period below 1.
bool HasMacd(const TIndicatorParams& p) {
    return p.MACD1 >= 1 && p.MACD2 >= 1 && p.MACD3 >= 1;
}

} // namespace

std::uint8_t InsufficientData::Reject() {
    ++count;
    if (changed) changed(std::to_string(count));
    if (processMessages) processMessages();
    return 1;
}

std::uint8_t MAFilter(const TBars& bars, int p1, int p2, int n, InsufficientData& counter) {
    const int last = Last(bars);
    const int compare = last - n;
    // A window reaching before the first bar (p1 above p2, or a look-back as
    // long as the series) is short of data like the plain length rule.
    if (last < p2 + n || n < 0 || compare - std::max(p1, p2) + 1 < 0) return counter.Reject();
    if (CloseAverage(bars, compare, p1) > CloseAverage(bars, compare, p2)) return 1;
    return CloseAverage(bars, last, p1) > CloseAverage(bars, last, p2) ? 0 : 1;
}

std::uint8_t MACDFilter(const TBars& bars, const TIndicatorParams& params, int n,
                        InsufficientData& counter) {
    const int last = Last(bars);
    const int k = last - n;
    const long long firstSignal = 0LL + params.MACD1 + params.MACD2 + params.MACD3;
    if (last < firstSignal + 2 || k < firstSignal || !HasMacd(params)) return counter.Reject();
    const TStockBar& then = bars[static_cast<std::size_t>(k)];
    if (then.MacdLine >= then.MacdSignal) return 1;
    const TStockBar& now = bars[static_cast<std::size_t>(last)];
    return now.MacdLine > now.MacdSignal ? 0 : 1;
}

std::uint8_t ProFilter26(const TBars& bars, const TIndicatorParams& params, int direction,
                         int level, int n, InsufficientData& counter) {
    const int last = Last(bars);
    if (last < n + 2 || n < 0) return counter.Reject();
    // The same 0.0-is-no-value rule that the length rule applies before the
    // first bar applies before the first RSI.
    const long long firstRsi = params.RSI + 1LL;
    if (params.RSI < 1 || last < params.RSI + 2LL || last - n < firstRsi) return counter.Reject();
    const double then = bars[static_cast<std::size_t>(last - n)].RSI;
    const double now = bars[static_cast<std::size_t>(last)].RSI;
    const double l = level;
    switch (direction) {
    case 0:
        return l > then && l < now ? 0 : 1;
    case 1:
        return l < then && l > now ? 0 : 1;
    default:
        return 1;
    }
}

std::uint8_t VOLFilter(const TBars& bars, int v, int w, InsufficientData& counter) {
    const int last = Last(bars);
    if (last < w || w < 1) return counter.Reject();
    double sum = 0;
    for (int i = last - w + 1; i <= last; ++i) sum += bars[static_cast<std::size_t>(i)].Volume;
    return sum / w > v ? 0 : 1;
}

std::uint8_t FormulaFilter(TBars& bars, FormulaEvaluator& formula, InsufficientData& counter) {
    if (bars.empty()) return counter.Reject();
    switch (AnswerAt(formula.Evaluate(bars, 1), bars.size() - 1)) {
    case FormulaAnswer::Pass:
        return 0;
    case FormulaAnswer::Fail:
        return 1;
    case FormulaAnswer::ShortOfData:
        break;
    }
    return counter.Reject();
}

} // namespace brevant
