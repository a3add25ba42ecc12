// Brevant Dira — the table of indicator calculations.
#include "ta/calculation_table.h"

#include <algorithm>

namespace brevant {

namespace {
using S = TStockBar;
using P = TIndicatorParams;
using O = TOverlayParams;

constexpr BarField kMaFields[] = {&S::MA1, &S::MA2, &S::MA3};
constexpr BarField kMacdFields[] = {&S::MacdEma1, &S::MacdEma2, &S::MacdLine, &S::MacdSignal,
                                    &S::MacdHist};
constexpr BarField kBbFields[] = {&S::BBUpper, &S::BBMiddle, &S::BBLower};
constexpr BarField kRsiFields[] = {&S::RSI, &S::RsiAvgGain, &S::RsiAvgLoss};
constexpr BarField kCciFields[] = {&S::CCI};
constexpr BarField kMfiFields[] = {&S::MFI};
constexpr BarField kWrFields[] = {&S::WR};
constexpr BarField kRocFields[] = {&S::ROC};
constexpr BarField kStocFields[] = {&S::FastK, &S::FastD, &S::SlowK, &S::SlowD};
constexpr BarField kAdxFields[] = {&S::PlusDM,  &S::MinusDM, &S::TrueRange, &S::PlusDI,
                                   &S::MinusDI, &S::DX,      &S::ADX};
constexpr BarField kCmfFields[] = {&S::AccDist, &S::AccDistMA, &S::CMF};
constexpr BarField kObvFields[] = {&S::OBV, &S::ObvMA};
constexpr BarField kAtrFields[] = {&S::ATR};

constexpr std::string_view kMaParams[] = {"MA1", "MA2", "MA3"};
constexpr std::string_view kMacdParams[] = {"MACD1", "MACD2", "MACD3"};
constexpr std::string_view kBbParams[] = {"BBPeriod", "BBWidth"};
constexpr std::string_view kRsiParams[] = {"RSI"};
constexpr std::string_view kCciParams[] = {"CCI"};
constexpr std::string_view kMfiParams[] = {"MFI"};
constexpr std::string_view kWrParams[] = {"WR"};
constexpr std::string_view kRocParams[] = {"ROC"};
constexpr std::string_view kStocParams[] = {"FSTOC1", "FSTOC2"};
constexpr std::string_view kSStocParams[] = {"SSTOC1", "SSTOC2"};
constexpr std::string_view kAdxParams[] = {"ADX"};
constexpr std::string_view kCmfParams[] = {"CMF"};
constexpr std::string_view kAtrParams[] = {"ATR"};

// The periods are ints; the sums are taken in 64 bits so that no period can
// wrap them.
constexpr std::int64_t Plus(int period, std::int64_t extra) {
    return period + extra;
}
} // namespace

constinit const std::array<CalculationInfo, kCalculationCount> kCalculations = {{
    {"Calcma", kMaFields, kMaFields, kMaParams,
     [](TBars& b, const P&, const O& o) { Calcma(b, o.MA1, o.MA2, o.MA3); },
     [](const P&, const O& o) {
         return Plus(std::min({o.MA1, o.MA2, o.MA3}), 1);
     },
     true},
    {"CalMACD", kMacdFields, kMacdFields, kMacdParams,
     [](TBars& b, const P& p, const O&) { CalMACD(b, p); },
     [](const P& p, const O&) { return Plus(p.MACD1, Plus(p.MACD2, Plus(p.MACD3, 3))); }, false},
    {"CalBB", kBbFields, kBbFields, kBbParams,
     [](TBars& b, const P&, const O& o) { CalBB(b, o.BBPeriod, o.BBWidth); },
     [](const P&, const O& o) { return Plus(o.BBPeriod, 1); }, false},
    {"CalRSI", kRsiFields, std::span(kRsiFields, 1), kRsiParams,
     [](TBars& b, const P& p, const O&) { CalRSI(b, p); },
     [](const P& p, const O&) { return Plus(p.RSI, 3); }, false},
    {"CalCCI", kCciFields, kCciFields, kCciParams,
     [](TBars& b, const P& p, const O&) { CalCCI(b, p); },
     [](const P& p, const O&) { return Plus(p.CCI, 3); }, false},
    {"CalMFI", kMfiFields, kMfiFields, kMfiParams,
     [](TBars& b, const P& p, const O&) { CalMFI(b, p); },
     [](const P& p, const O&) { return Plus(p.MFI, 3); }, false},
    {"CalWR", kWrFields, kWrFields, kWrParams, [](TBars& b, const P& p, const O&) { CalWR(b, p); },
     [](const P& p, const O&) { return Plus(p.WR, 3); }, false},
    {"CalROC", kRocFields, kRocFields, kRocParams,
     [](TBars& b, const P& p, const O&) { CalROC(b, p); },
     [](const P& p, const O&) { return Plus(p.ROC, 2); }, false},
    {"CalStoc", kStocFields, kStocFields, kStocParams,
     [](TBars& b, const P& p, const O&) { CalStoc(b, p); },
     [](const P& p, const O&) { return Plus(p.FSTOC1, Plus(p.FSTOC2, 3)); }, false},
    {"CalSStoc", kStocFields, kStocFields, kSStocParams,
     [](TBars& b, const P& p, const O&) { CalSStoc(b, p); },
     [](const P& p, const O&) { return Plus(p.SSTOC1, Plus(p.SSTOC2, 3)); }, false},
    {"CalADX", kAdxFields, kAdxFields, kAdxParams,
     [](TBars& b, const P& p, const O&) { CalADX(b, p); },
     [](const P& p, const O&) { return Plus(p.ADX, 6); }, false},
    {"CalCMF", kCmfFields, kCmfFields, kCmfParams,
     [](TBars& b, const P& p, const O&) { CalCMF(b, p); },
     [](const P& p, const O&) { return Plus(p.CMF, 3); }, false},
    {"CalOBV",
     kObvFields,
     std::span(kObvFields, 1),
     {},
     [](TBars& b, const P&, const O&) { CalOBV(b); },
     [](const P&, const O&) { return std::int64_t{23}; },
     false},
    {"CalATR", kAtrFields, kAtrFields, kAtrParams,
     [](TBars& b, const P& p, const O&) { CalATR(b, p); },
     [](const P& p, const O&) { return Plus(p.ATR, 3); }, false},
}};

const CalculationInfo* FindCalculation(std::string_view name) {
    for (const CalculationInfo& c : kCalculations)
        if (c.name == name) return &c;
    return nullptr;
}

void RunAllCalculations(TBars& bars, const TIndicatorParams& p, const TOverlayParams& o) {
    for (const CalculationInfo& c : kCalculations) c.run(bars, p, o);
}

} // namespace brevant
