// Brevant Dira — the table of indicator views.
#include "chart/indicator_views.h"

#include "chart/view_names.h"

namespace brevant {
namespace {

using B = TStockBar;
using P = TIndicatorParams;
using enum ChartSeries;
using colours::kBlack, colours::kBlue, colours::kGreen, colours::kRed;

constexpr IndicatorPeriods kMacdPeriods = {&P::MACD1, &P::MACD2, &P::MACD3};
// The signal line and the histogram need all three MACD periods behind them.
constexpr FirstBar kMacdSignalFrom{kMacdPeriods, 0};

constexpr PenChange kBold{kBlack, 2, PenStyle::Solid};
constexpr PenChange Solid(Rgb colour, std::optional<int> width = std::nullopt) {
    return {colour, width, PenStyle::Solid};
}
constexpr PenChange Dotted(std::optional<int> width = std::nullopt) {
    return {colours::kMaroon, width, PenStyle::Dot};
}

// From a bar a fixed distance behind one or two periods.
constexpr FirstBar After(IndicatorPeriod period, int offset) {
    return {{period}, offset};
}
constexpr FirstBar After(IndicatorPeriod a, IndicatorPeriod b, int offset) {
    return {{a, b}, offset};
}
constexpr FirstBar FromBar(int bar) {
    return {{}, bar};
}

// RSI, CCI, MFI and Williams %R: one bold line after its warm-up.
constexpr PanelLine Oscillator(BarField field, IndicatorPeriod period) {
    return {Series3, field, After(period, 3), kBold};
}
constexpr PanelLevel DottedLevel(ChartSeries series, double value) {
    return {series, value, Dotted()};
}

} // namespace

// Referenced by kIndicatorViews' declaration, so defined with external linkage.
constexpr std::array<IndicatorViewInfo, kIndicatorViewCount> kIndicatorViews = {{
    {.view = kMacdLine,
     .name = "MACD Line",
     .menuCaption = "View MACD Line",
     .functionKey = 0,
     .calculation = "CalMACD",
     .title = {"MACD Line ", kMacdPeriods},
     .lines = {{Series3, &B::MacdLine, After(&P::MACD2, 0), kBold},
               {Series4, &B::MacdSignal, kMacdSignalFrom, Solid(kBlue)}},
     .levels = {{Series5, 0, Dotted(1)}},
     .readout = {{{"MACD Fast :", &B::MacdLine}, {"MACD Slow :", &B::MacdSignal}, {}}}},
    {.view = kMacdHistogram,
     .name = "MACD Histogram",
     .menuCaption = "View MACD Histogram",
     .functionKey = 0,
     .calculation = "CalMACD",
     .title = {"MACD Histogram ", kMacdPeriods},
     .histogram = kMacdSignalFrom,
     .levels = {{Series5, 0, Dotted(1)}},
     .readout = {{{"MACD Hist :", &B::MacdHist}, {}, {}}}},
    {.view = kMacdFull,
     .name = "MACD Full",
     .menuCaption = "View MACD Full",
     .functionKey = 5,
     .calculation = "CalMACD",
     .title = {"MACD Full ", kMacdPeriods},
     .lines = {{Series3, &B::MacdLine, After(&P::MACD2, 0), kBold},
               {Series4, &B::MacdSignal, kMacdSignalFrom, Solid(kBlue)}},
     .histogram = kMacdSignalFrom,
     .levels = {{Series5, 0, Solid(colours::kGridGreen, 1)}},
     .readout = {{{"MACD Fast :", &B::MacdLine},
                  {"MACD Slow :", &B::MacdSignal},
                  {"MACD Hist :", &B::MacdHist}}}},
    {.view = kRsiView,
     .name = "RSI Relative Strength",
     .menuCaption = "View Relative Strength Index",
     .functionKey = 6,
     .calculation = "CalRSI",
     .title = {"Relative Strength Index ", {&P::RSI}},
     .lines = {Oscillator(&B::RSI, &P::RSI)},
     .levels = {DottedLevel(Series4, 30), DottedLevel(Series5, 70)},
     .readout = {{{"RSI  :", &B::RSI}, {}, {}}}},
    {.view = kCciView,
     .name = "CCI Commodity Channel",
     .menuCaption = "View Commodity Channel Index",
     .functionKey = 7,
     .calculation = "CalCCI",
     .title = {"Commodity Channel Index ", {&P::CCI}},
     .lines = {Oscillator(&B::CCI, &P::CCI)},
     .levels = {DottedLevel(Series4, 200), DottedLevel(Series5, -200), DottedLevel(Series6, 0)},
     .readout = {{{"CCI  :", &B::CCI}, {}, {}}}},
    {.view = kMfiView,
     .name = "MFI Money Flow Index",
     .menuCaption = "View Money Flow Index",
     .functionKey = 8,
     .calculation = "CalMFI",
     .title = {"Money Flow Index ", {&P::MFI}},
     .lines = {Oscillator(&B::MFI, &P::MFI)},
     .levels = {DottedLevel(Series4, 80), DottedLevel(Series5, 20)},
     .readout = {{{"MFI  :", &B::MFI}, {}, {}}}},
    {.view = kWrView,
     .name = "Williams %R",
     .menuCaption = "View Williams %R",
     .functionKey = 0,
     .calculation = "CalWR",
     .title = {"Williams %R ", {&P::WR}},
     .lines = {Oscillator(&B::WR, &P::WR)},
     .levels = {DottedLevel(Series4, -20), DottedLevel(Series5, -80)},
     .readout = {{{"William %R :", &B::WR}, {}, {}}}},
    {.view = kAdxView,
     .name = "ADX Wilder's DMI",
     .menuCaption = "View Wilder's DMI",
     .functionKey = 0,
     .calculation = "CalADX",
     .title = {"Wilders ADX ", {&P::ADX}},
     .lines = {{Series5, &B::PlusDI, FromBar(3), Solid(kGreen, 1)},
               {Series4, &B::MinusDI, FromBar(3), Solid(kRed)},
               {Series3, &B::ADX, FromBar(3), kBold}},
     .readout = {{{"Wilder ADX :", &B::ADX},
                  {"Wilder +DI :", &B::PlusDI, kGreen},
                  {"Wilder -DI :", &B::MinusDI, kRed}}}},
    {.view = kDiView,
     .name = "+DI/-DI Wilder's DI",
     .menuCaption = "View +DI/-DI",
     .functionKey = 0,
     .calculation = "CalADX",
     .title = {"Wilders +DI/-DI ", {&P::ADX}},
     .lines = {{Series5, &B::PlusDI, FromBar(3), Solid(kGreen, 1)},
               {Series4, &B::MinusDI, FromBar(3), Solid(kRed)}},
     .readout =
         {{{"Wilders +DI :", &B::PlusDI, kGreen}, {"Wilders -DI :", &B::MinusDI, kRed}, {}}}},
    {.view = kFastStochastic,
     .name = "Fast Stochastic",
     .menuCaption = "View Fast Stochastic",
     .functionKey = 0,
     .calculation = "CalStoc",
     .title = {"Fast Stochastic ", {&P::FSTOC1, &P::FSTOC2}},
     .lines = {{Series5, &B::FastK, After(&P::FSTOC1, 2), Solid(kBlack, 2)},
               {Series4, &B::FastD, After(&P::FSTOC1, &P::FSTOC2, 2), Solid(kRed)}},
     .levels = {DottedLevel(Series3, 20), DottedLevel(Series6, 80)},
     .readout = {{{"%K FAST :", &B::FastK}, {"%D FAST :", &B::FastD, kRed}, {}}}},
    {.view = kSlowStochastic,
     .name = "Slow Stochastic",
     .menuCaption = "View Slow Stochastic",
     .functionKey = 0,
     .calculation = "CalSStoc",
     .title = {"Slow Stochastic ", {&P::SSTOC1, &P::SSTOC2}},
     .lines = {{Series5, &B::SlowK, After(&P::SSTOC1, 2), Solid(kBlack, 2)},
               {Series4, &B::SlowD, After(&P::SSTOC1, &P::SSTOC2, 2), Solid(kRed)}},
     .levels = {DottedLevel(Series3, 20), DottedLevel(Series6, 80)},
     .readout = {{{"%K SLOW :", &B::SlowK}, {"%D SLOW :", &B::SlowD, kRed}, {}}}},
    {.view = kCmfView,
     .name = "Chaikin Money Flow",
     .menuCaption = "View Chaikin Money Flow",
     .functionKey = 0,
     .calculation = "CalCMF",
     .title = {"Chaikin Money Flow ", {&P::CMF}},
     .lines = {{Series3, &B::CMF, After(&P::CMF, 0), kBold}},
     .levels = {DottedLevel(Series4, 0)},
     .readout = {{{"Chaikin MF :", &B::CMF}, {}, {}}}},
    {.view = kAccumDist,
     .name = "Accum/Distribution",
     .menuCaption = "View Accumulation/Distribution",
     .functionKey = 0,
     .calculation = "CalCMF",
     .title = {"Accumulation Distribution + MA(20)"},
     .lines = {{Series3, &B::AccDist, FromBar(0), kBold},
               {Series4, &B::AccDistMA, FromBar(19), Solid(kRed)}},
     .readout = {},
     .hidesAxisLabels = true},
    {.view = kRocView,
     .name = "Rate Of Change",
     .menuCaption = "View Rate Of Change",
     .functionKey = 0,
     .calculation = "CalROC",
     .title = {"Rate Of Change ", {&P::ROC}},
     .lines = {{Series3, &B::ROC, After(&P::ROC, 0), kBold}},
     .levels = {DottedLevel(Series4, 0)},
     .readout = {{{"ROC  :", &B::ROC}, {}, {}}}},
    {.view = kObvView,
     .name = "On Balance Volume",
     .menuCaption = "View On Balance Volume",
     .functionKey = 0,
     .calculation = "CalOBV",
     .title = {"On Balance Volume + MA(20)"},
     .lines = {{Series3, &B::OBV, FromBar(0), kBold},
               {Series4, &B::ObvMA, FromBar(19), Solid(kRed)}},
     .readout = {},
     .hidesAxisLabels = true},
    {.view = kAtrView,
     .name = "Average True Range",
     .menuCaption = "View Average True Range",
     .functionKey = 0,
     .calculation = "CalATR",
     .title = {"Average True Range ", {&P::ATR}},
     .lines = {{Series3, &B::ATR, After(&P::ATR, 1), kBold}},
     .readout = {{{"ATR  :", &B::ATR}, {}, {}}}},
}};

namespace {

constexpr bool InTableOrder() {
    for (std::size_t i = 0; i < kIndicatorViews.size(); ++i)
        if (kIndicatorViews[i].view != static_cast<int>(i)) return false;
    return true;
}
static_assert(InTableOrder());

} // namespace

std::int64_t FirstBar::Of(const TIndicatorParams& params) const {
    std::int64_t bar = offset;
    for (IndicatorPeriod period : periods)
        if (period) bar += params.*period;
    return bar;
}

const IndicatorViewInfo* FindIndicatorView(int indicator) {
    if (indicator < 0 || indicator >= kIndicatorViewCount) return nullptr;
    return &kIndicatorViews[indicator];
}

int IndicatorViewByName(std::string_view text) {
    return FindRowByName(kIndicatorViews, text);
}

std::string IndicatorTitle(int indicator, const TIndicatorParams& params) {
    const IndicatorViewInfo* view = FindIndicatorView(indicator);
    if (!view) return "";
    std::string title(view->title.text);
    std::string separator = "(";
    for (IndicatorPeriod period : view->title.periods) {
        if (!period) continue;
        title += separator + std::to_string(params.*period);
        separator = ",";
    }
    if (separator == ",") title += ")";
    return title;
}

} // namespace brevant
