// Brevant Dira — the indicator panel's lines for one indicator view.
#include "chart/indicator_panel.h"

#include <optional>

#include "chart/chart_view.h"
#include "chart/check_indicator.h"

namespace brevant {
namespace {

using enum ChartSeries;
using Field = double TStockBar::*;

// Adds points over the shown bars. Indicator lines start at the first bar
// whose value means something; reference lines span the whole loop.
class Panel {
public:
    // Without `computed` the fields hold no values of the view's indicator
    // (its calculation had too few bars), so only the reference lines are drawn.
    Panel(ChartModel& chart, const TBars& bars, int first, int last, bool computed)
        : chart_(chart), bars_(bars), first_(first), last_(last), loopEnd_(last),
          computed_(computed) {}

    // The histogram views run one bar further, to close the histogram at zero.
    void RunToNextBar() { loopEnd_ = last_ + 1; }

    void Plot(ChartSeries s, Field field, int from) {
        if (!computed_) return;
        auto& points = chart_[s].points;
        for (int i = std::max(first_, from); i <= last_; ++i)
            points.push_back({double(i), bars_[i].*field});
    }
    void Histogram(int from) {
        if (!computed_) return;
        for (ChartSeries s : {Series7, Series12}) {
            Plot(s, &TStockBar::MacdHist, from);
            chart_[s].points.push_back({double(last_ + 1), 0.0});
        }
    }
    void Reference(ChartSeries s, double value) {
        auto& points = chart_[s].points;
        for (int i = first_; i <= loopEnd_; ++i) points.push_back({double(i), value});
    }
    // Unset pen properties keep what the series had.
    void Look(ChartSeries s, std::optional<Rgb> colour, std::optional<int> width,
              std::optional<PenStyle> style) {
        Pen& pen = chart_[s].pen;
        if (colour) pen.colour = *colour;
        if (width) pen.width = *width;
        if (style) pen.style = *style;
    }
    void Bold(ChartSeries s) { Look(s, colours::kBlack, 2, PenStyle::Solid); }
    void Dotted(ChartSeries s, std::optional<int> width = std::nullopt) {
        Look(s, colours::kMaroon, width, PenStyle::Dot);
    }
    void Solid(ChartSeries s, Rgb colour, std::optional<int> width = std::nullopt) {
        Look(s, colour, width, PenStyle::Solid);
    }

private:
    ChartModel& chart_;
    const TBars& bars_;
    int first_, last_, loopEnd_;
    bool computed_;
};

// RSI, CCI, MFI and Williams %R: one bold line after its warm-up and dotted levels.
void Oscillator(Panel& p, Field field, int period, std::initializer_list<double> levels) {
    p.Plot(Series3, field, period + 3);
    p.Bold(Series3);
    ChartSeries lines[] = {Series4, Series5, Series6};
    int n = 0;
    for (double level : levels) {
        p.Reference(lines[n], level);
        p.Dotted(lines[n++]);
    }
}

void Stochastic(Panel& p, Field k, Field d, int period, int smooth) {
    p.Plot(Series5, k, period + 2);
    p.Plot(Series4, d, period + smooth + 2);
    p.Reference(Series3, 20);
    p.Reference(Series6, 80);
    p.Solid(Series5, colours::kBlack, 2);
    p.Solid(Series4, colours::kRed);
    p.Dotted(Series3);
    p.Dotted(Series6);
}

// A volume-scaled line and its 20-bar average.
void LineWithAverage(Panel& p, Field line, Field average) {
    p.Plot(Series3, line, 0);
    p.Plot(Series4, average, 19);
    p.Bold(Series3);
    p.Solid(Series4, colours::kRed);
}

void Directional(Panel& p, bool withAdx) {
    p.Plot(Series5, &TStockBar::PlusDI, 3);
    p.Plot(Series4, &TStockBar::MinusDI, 3);
    if (withAdx) {
        p.Plot(Series3, &TStockBar::ADX, 3);
        p.Bold(Series3);
    }
    p.Solid(Series4, colours::kRed);
    p.Solid(Series5, colours::kGreen, 1);
}

} // namespace

void ComposeIndicatorPanel(ChartModel& chart, const TBars& bars, int indicator,
                           const TIndicatorParams& q, int first, int last) {
    Panel p(chart, bars, first, last, IndicatorComputable(indicator, bars.size(), q));
    const int signalFrom = q.MACD1 + q.MACD2 + q.MACD3;
    switch (indicator) {
    case kMacdLine:
        p.Plot(Series3, &TStockBar::MacdLine, q.MACD2);
        p.Plot(Series4, &TStockBar::MacdSignal, signalFrom);
        p.Reference(Series5, 0);
        p.Bold(Series3);
        p.Solid(Series4, colours::kBlue);
        p.Dotted(Series5, 1);
        break;
    case kMacdHistogram:
        p.RunToNextBar();
        p.Histogram(signalFrom);
        p.Reference(Series5, 0);
        p.Dotted(Series5, 1);
        break;
    case kMacdFull:
        p.RunToNextBar();
        p.Plot(Series3, &TStockBar::MacdLine, q.MACD2);
        p.Plot(Series4, &TStockBar::MacdSignal, signalFrom);
        p.Histogram(signalFrom);
        p.Reference(Series5, 0);
        p.Bold(Series3);
        p.Solid(Series4, colours::kBlue);
        p.Solid(Series5, colours::kGridGreen, 1);
        break;
    case kRsiView:
        Oscillator(p, &TStockBar::RSI, q.RSI, {30, 70});
        break;
    case kCciView:
        Oscillator(p, &TStockBar::CCI, q.CCI, {200, -200, 0});
        break;
    case kMfiView:
        Oscillator(p, &TStockBar::MFI, q.MFI, {80, 20});
        break;
    case kWrView:
        Oscillator(p, &TStockBar::WR, q.WR, {-20, -80});
        break;
    case kAdxView:
        Directional(p, true);
        break;
    case kDiView:
        Directional(p, false);
        break;
    case kFastStochastic:
        Stochastic(p, &TStockBar::FastK, &TStockBar::FastD, q.FSTOC1, q.FSTOC2);
        break;
    case kSlowStochastic:
        Stochastic(p, &TStockBar::SlowK, &TStockBar::SlowD, q.SSTOC1, q.SSTOC2);
        break;
    case kCmfView:
        p.Plot(Series3, &TStockBar::CMF, q.CMF);
        p.Reference(Series4, 0);
        p.Bold(Series3);
        p.Dotted(Series4);
        break;
    case kAccumDist:
        LineWithAverage(p, &TStockBar::AccDist, &TStockBar::AccDistMA);
        break;
    case kRocView:
        p.Plot(Series3, &TStockBar::ROC, q.ROC);
        p.Reference(Series4, 0);
        p.Bold(Series3);
        p.Dotted(Series4);
        break;
    case kObvView:
        LineWithAverage(p, &TStockBar::OBV, &TStockBar::ObvMA);
        break;
    case kAtrView:
        p.Plot(Series3, &TStockBar::ATR, q.ATR + 1);
        p.Bold(Series3);
        break;
    default:
        break;
    }
}

} // namespace brevant
