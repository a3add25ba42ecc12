// Brevant Dira — the names a formula knows.
#include "formula/formula_names.h"

#include <algorithm>
#include <array>

namespace brevant {
namespace {

using S = TStockBar;
using P = TIndicatorParams;
using O = TOverlayParams;
using First = std::int64_t (*)(const P&, const O&);

// The first bar holding a value, from each calculation's own rule.
constexpr First kFromBar0 = [](const P&, const O&) { return std::int64_t{0}; };
constexpr First kMacdLine = [](const P& p, const O&) {
    return std::int64_t{std::max(p.MACD1, p.MACD2)};
};
constexpr First kMacdSignal = [](const P& p, const O&) {
    return std::int64_t{p.MACD1} + p.MACD2 + p.MACD3;
};
constexpr First kBb = [](const P&, const O& o) { return std::int64_t{o.BBPeriod} - 1; };
constexpr First kRsi = [](const P& p, const O&) { return std::int64_t{p.RSI} + 1; };
constexpr First kCci = [](const P& p, const O&) { return std::int64_t{p.CCI} - 1; };
constexpr First kMfi = [](const P& p, const O&) { return std::int64_t{p.MFI}; };
constexpr First kWr = [](const P& p, const O&) { return std::int64_t{p.WR} - 1; };
constexpr First kRoc = [](const P& p, const O&) { return std::int64_t{p.ROC} - 1; };
constexpr First kFastK = [](const P& p, const O&) { return std::int64_t{p.FSTOC1} - 1; };
constexpr First kFastD = [](const P& p, const O&) { return std::int64_t{p.FSTOC1} + p.FSTOC2 - 2; };
constexpr First kSlowK = [](const P& p, const O&) { return std::int64_t{p.SSTOC1} + 1; };
constexpr First kSlowD = [](const P& p, const O&) { return std::int64_t{p.SSTOC1} + p.SSTOC2; };
constexpr First kDi = [](const P&, const O&) { return std::int64_t{2}; };
constexpr First kAdx = [](const P&, const O&) { return std::int64_t{3}; };
constexpr First kCmf = [](const P& p, const O&) { return std::int64_t{p.CMF} - 1; };
constexpr First kAtr = [](const P& p, const O&) { return std::int64_t{p.ATR} - 1; };

struct Entry {
    std::string_view name, calculation;
    double S::*field;
    First first;
};

constexpr Entry kEntries[] = {
    {"rsi", "CalRSI", &S::RSI, kRsi},
    {"macd_line", "CalMACD", &S::MacdLine, kMacdLine},
    {"macd_signal", "CalMACD", &S::MacdSignal, kMacdSignal},
    {"macd_hist", "CalMACD", &S::MacdHist, kMacdSignal},
    {"cci", "CalCCI", &S::CCI, kCci},
    {"mfi", "CalMFI", &S::MFI, kMfi},
    {"wr", "CalWR", &S::WR, kWr},
    {"adx", "CalADX", &S::ADX, kAdx},
    {"plus_di", "CalADX", &S::PlusDI, kDi},
    {"minus_di", "CalADX", &S::MinusDI, kDi},
    {"fast_k", "CalStoc", &S::FastK, kFastK},
    {"fast_d", "CalStoc", &S::FastD, kFastD},
    {"slow_k", "CalSStoc", &S::SlowK, kSlowK},
    {"slow_d", "CalSStoc", &S::SlowD, kSlowD},
    {"cmf", "CalCMF", &S::CMF, kCmf},
    {"roc", "CalROC", &S::ROC, kRoc},
    {"obv", "CalOBV", &S::OBV, kFromBar0},
    {"atr", "CalATR", &S::ATR, kAtr},
    {"acc_dist", "CalCMF", &S::AccDist, kFromBar0},
    {"bb_upper", "CalBB", &S::BBUpper, kBb},
    {"bb_middle", "CalBB", &S::BBMiddle, kBb},
    {"bb_lower", "CalBB", &S::BBLower, kBb},
};
constexpr std::size_t kIndicatorCount = std::size(kEntries);

const std::array<FormulaIndicator, kIndicatorCount>& Table() {
    static const std::array<FormulaIndicator, kIndicatorCount> table = [] {
        std::array<FormulaIndicator, kIndicatorCount> t{};
        for (std::size_t i = 0; i < kIndicatorCount; ++i) {
            const Entry& e = kEntries[i];
            t[i] = {e.name, FindCalculation(e.calculation), e.field, e.first};
        }
        return t;
    }();
    return table;
}

int* OverlayMember(std::string_view name, O& overlay) {
    if (name == "MA1") return &overlay.MA1;
    if (name == "MA2") return &overlay.MA2;
    if (name == "MA3") return &overlay.MA3;
    if (name == "BBPeriod") return &overlay.BBPeriod;
    if (name == "BBWidth") return &overlay.BBWidth;
    return nullptr;
}

constexpr FormulaHelpEntry kHelp[] = {
    {"open high low close volume", "the bar's prices and volume"},
    {"rsi, rsi(14)", "relative strength index (period)"},
    {"macd_line, macd_signal, macd_hist", "MACD; macd_line(12,26,9) sets fast, slow, signal"},
    {"cci(20), mfi(14), wr(14)", "commodity channel, money flow, Williams %R"},
    {"adx(14), plus_di, minus_di", "Wilder's ADX and directional indexes"},
    {"fast_k(14,3), fast_d", "fast stochastic %K and %D (look-back, %D period)"},
    {"slow_k(14,3), slow_d", "slow stochastic %K and %D"},
    {"cmf(20), acc_dist", "Chaikin money flow, accumulation/distribution"},
    {"roc(12), obv, atr(14)", "rate of change, on-balance volume, average true range"},
    {"bb_upper(20,2), bb_middle, bb_lower", "Bollinger bands (period, width)"},
    {"ma(x, n), ema(x, n)", "simple and exponential average of x over n bars"},
    {"highest(x, n), lowest(x, n), sum(x, n)", "over the last n bars"},
    {"abs(x), min(x, y), max(x, y)", "absolute value, smaller, larger"},
    {"x[n]", "x n bars ago"},
    {"+ - * /  < <= > >= = <>", "arithmetic and comparisons"},
    {"and or not ( )", "combine conditions"},
    {"x crosses above y, x crosses below y", "x passed y on the last bar"},
};

} // namespace

std::span<const FormulaIndicator> FormulaIndicators() {
    return Table();
}

const FormulaIndicator* FindFormulaIndicator(std::string_view name) {
    for (const FormulaIndicator& i : Table())
        if (i.name == name) return &i;
    return nullptr;
}

void ApplyFormulaPeriods(const CalculationInfo& calculation, std::span<const int> periods,
                         TIndicatorParams& params, TOverlayParams& overlay) {
    for (std::size_t i = 0; i < periods.size() && i < calculation.parameters.size(); ++i) {
        const std::string_view name = calculation.parameters[i];
        if (int* member = OverlayMember(name, overlay)) {
            *member = periods[i];
            continue;
        }
        for (const IndicatorParamKey& key : kIndicatorParamKeys)
            if (key.key == name) params.*key.member = periods[i];
    }
}

std::span<const FormulaHelpEntry> FormulaHelp() {
    return kHelp;
}

} // namespace brevant
