// Brevant Dira — turning a bar series and the view into the chart model.
#include "chart/compose_chart.h"

#include <algorithm>

#include "chart/added_panels.h"
#include "chart/indicator_panel.h"
#include "chart/number_texts.h"
#include "ta/text_format.h"

namespace brevant {
namespace {

using enum ChartSeries;

// Above this many bar steps the volume becomes a stepped area and candles
// get a fixed width; below it bars and candles share one width.
constexpr int kWideLayoutSteps = 150;

void ClearPoints(ChartModel& chart) {
    for (SeriesModel& s : chart.series) {
        s.points.clear();
        s.ohlc.clear();
    }
}

void ComposeEmpty(ChartModel& chart) {
    chart[Series1].ohlc.push_back({});
    for (ChartSeries s : {Series2, Series3, Series4, Series5, Series6, Series7, Series8, Series9})
        chart[s].points.push_back({});
    chart.header = HeaderTexts{};
    chart.bottomRange = {0, 0};
    chart.statusText.clear();
    chart.Label35.clear();
    chart.panelNotice.clear();
}

void SetLayout(ChartModel& chart, bool wide) {
    chart[Series11].visible = !wide;
    chart[Series2].visible = wide;
    chart[Series7].visible = wide;
    chart[Series12].visible = !wide;
    if (wide) chart.price.candleWidth = 4;
}

void AddPrices(ChartModel& chart, const TBars& bars, int first, int last) {
    auto& volume = chart[chart.narrowLayout() ? Series11 : Series2].points;
    chart[Series10].ohlc.push_back({double(first), 0, 100, 0, 100});
    for (int i = first; i <= last; ++i) {
        const TStockBar& b = bars[i];
        chart[Series1].ohlc.push_back({double(i), b.Open, b.High, b.Low, b.Close});
        chart[Series17].points.push_back({double(i), b.Close});
        volume.push_back({double(i), b.Volume});
    }
    volume.push_back({double(last + 1), 0.0});
}

void SetPriceStyle(ChartModel& chart, int style) {
    const PriceStyleInfo* row = FindPriceStyle(style);
    if (!row) return;
    SeriesModel& price = chart[Series1];
    const bool line = row->look == OhlcStyle::Line;
    price.visible = !line;
    chart[Series17].visible = line;
    chart.price.style = row->look;
    chart.price.down = row->down;
    chart.price.up = row->up;
    price.fill = row->colour;
    price.pen.width = row->outline;
}

// A ticked overlay is shown when its period fits the series; its lines start
// where the average has a full period behind it.
void ComposeOverlays(ChartModel& chart, const TBars& bars, const OverlaySettings& o, int first,
                     int last) {
    struct Overlay {
        bool ticked;
        int period;
        bool fits;
        std::initializer_list<std::pair<ChartSeries, double TStockBar::*>> lines;
    };
    const int n = static_cast<int>(bars.size());
    const Overlay overlays[] = {
        {o.PlotMA1, o.params.MA1, o.params.MA1 < n, {{Series8, &TStockBar::MA1}}},
        {o.PlotMA2, o.params.MA2, o.params.MA2 <= n, {{Series9, &TStockBar::MA2}}},
        {o.PlotMA3, o.params.MA3, o.params.MA3 <= n, {{Series13, &TStockBar::MA3}}},
        {o.PlotBB,
         o.params.BBPeriod,
         o.params.BBPeriod <= n,
         {{Series14, &TStockBar::BBUpper},
          {Series15, &TStockBar::BBMiddle},
          {Series16, &TStockBar::BBLower}}},
    };
    for (const Overlay& overlay : overlays) {
        if (!overlay.ticked) continue;
        for (const auto& [series, field] : overlay.lines) {
            chart[series].visible = overlay.fits;
            if (!overlay.fits) continue;
            // A period equal to the bar count leaves nothing computed; 0.0
            // would pull the price axis down to zero.
            for (int i = std::max(first, overlay.period - 1); i <= last; ++i)
                if (bars[i].*field != 0.0)
                    chart[series].points.push_back({double(i), bars[i].*field});
        }
    }
}

// The header shows the last bar in view; a split-adjusted chart says so.
void ComposeHeader(ChartModel& chart, const ChartInputs& in, int last) {
    const std::optional<std::string>& entry = in.selection.HeaderEntry();
    if (!entry) return;
    const TStockBar& b = in.bars[last];
    const char sep = in.locale.DecimalSeparator;
    HeaderTexts& h = chart.header;
    h.Label22 = in.view.adjusted ? *entry + " (adjusted)" : *entry;
    h.Label24 = Rounded2Text(b.Open, sep);
    h.Label26 = Rounded2Text(b.High, sep);
    h.Label30 = Rounded2Text(b.Low, sep);
    h.Label32 = Rounded2Text(b.Close, sep);
    h.Label34 = FormatDateTime("dd mmmm yyyy", b.Date, in.locale);
    h.Label28 = VolumeText(b.Volume);
}

void Widen(std::optional<AxisRange>& range, double low, double high) {
    if (!range) range = AxisRange{low, high};
    range->min = std::min(range->min, low);
    range->max = std::max(range->max, high);
}

// The extent of the shown points on each vertical axis, as an automatic
// axis would take it.
// An empty indicator panel says why: the short-history text when there is
// one, else that the bars are too few for this indicator.
std::string PanelNotice(const ChartModel& chart) {
    if (!chart.statusText.empty()) return chart.statusText;
    return "Too few bars for " + chart.Label35;
}

// A logarithmic price axis has no place for prices of 0 and below: their
// points go (a moving average of a series with unreadable prices, a lower
// band below zero).
void DropPointsBelowLogScale(ChartModel& chart) {
    for (SeriesModel& s : chart.series) {
        if (!s.visible || !chart.axis(s.axis).logScale) continue;
        std::erase_if(s.points, [](const XYPoint& p) { return !(p.y > 0); });
        std::erase_if(s.ohlc, [](const OhlcPoint& p) {
            return !(std::min({p.open, p.high, p.low, p.close}) > 0);
        });
    }
}

void ComputeDataRanges(ChartModel& chart) {
    for (ChartAxis a : {ChartAxis::Indicator, ChartAxis::Right, ChartAxis::Left})
        chart.axis(a).dataRange.reset();
    for (const SeriesModel& s : chart.series) {
        if (!s.visible || s.axis == ChartAxis::Hidden) continue;
        std::optional<AxisRange>& range = chart.axis(s.axis).dataRange;
        for (const XYPoint& p : s.points) Widen(range, p.y, p.y);
        for (const OhlcPoint& p : s.ohlc) {
            Widen(range, std::min({p.low, p.open, p.close}), std::max({p.high, p.open, p.close}));
        }
    }
}

// An empty series: one zero point on the first series, the captions in the
// header, every axis at zero.
void ComposeNothing(ChartModel& chart) {
    ComposeEmpty(chart);
    ComputeDataRanges(chart);
    // An axis whose shown series got no zero point (the volume bars of a
    // narrow layout) must not keep the previous stock's range.
    for (ChartAxis a : {ChartAxis::Indicator, ChartAxis::Right, ChartAxis::Left})
        if (!chart.axis(a).dataRange) chart.axis(a).dataRange = AxisRange{0, 0};
}

void ComposeBars(ChartModel& chart, const ChartInputs& in, int first, int last) {
    chart.axis(ChartAxis::Right).maxOffset = 5;
    chart.axis(ChartAxis::Right).minOffset = 55;
    chart.axis(ChartAxis::Indicator).minOffset = 5;
    chart.axis(ChartAxis::Indicator).maxOffset = 3;

    SetLayout(chart, last - first > kWideLayoutSteps);
    AddPrices(chart, in.bars, first, last);
    SetPriceStyle(chart, in.view.priceStyle);
    const bool panelValues =
        ComposeIndicatorPanel(chart, in.bars, in.view.indicator, in.params, first, last);
    ComposeOverlays(chart, in.bars, in.overlays, first, last);
    ComposeAddedPanels(chart, in, first, last);
    ComposeHeader(chart, in, last);
    chart.Label35 = IndicatorTitle(in.view.indicator, in.params);
    const IndicatorViewInfo* view = FindIndicatorView(in.view.indicator);
    if (view && !panelValues) chart.panelNotice = PanelNotice(chart);
    chart.axis(ChartAxis::Indicator).labelsVisible = !(view && view->hidesAxisLabels);
    if (chart.axis(ChartAxis::Right).logScale) DropPointsBelowLogScale(chart);
    ComputeDataRanges(chart);
}

// What every composition starts from: no points, no texts of the last one.
void StartComposition(ChartModel& chart, const ChartInputs& in, bool span) {
    chart.statusText.clear();
    chart.panelNotice.clear();
    chart.addedPanels.clear();
    ClearPoints(chart);
    chart.indicator = in.view.indicator;
    chart.axis(ChartAxis::Right).logScale = in.view.logScale;
    chart.price.candlesWithinBars = span;
}

} // namespace

std::string ShortHistoryText(const std::string& entry, const std::string& window) {
    return entry + " has less than " + window + " data";
}

void ComposeChart(ChartModel& chart, const ChartInputs& in) {
    StartComposition(chart, in, false);
    const int n = static_cast<int>(in.bars.size());
    int window = WindowBars(in.view.window, n);
    if (n == 0) {
        ComposeNothing(chart);
        return ComposeEmptyAddedPanels(chart, in.view);
    }
    if (n < window) {
        chart.statusText =
            ShortHistoryText(in.selection.VisibleListEntry().value_or(""), in.view.window);
        window = n;
    }
    const int first = n == window ? 0 : n - window + 1;
    const int last = n - 1;
    chart.bottomRange = {double(first), double(last + 3)};
    ComposeBars(chart, in, first, last);
}

void ComposeChart(ChartModel& chart, const ChartInputs& in, const ChartSpan& span) {
    StartComposition(chart, in, true);
    const int n = static_cast<int>(in.bars.size());
    if (n == 0 || span.last < span.first || span.first < 0 || span.last >= n) {
        ComposeNothing(chart);
        ComposeEmptyAddedPanels(chart, in.view);
        chart.statusText = span.statusText;
        return;
    }
    chart.statusText = span.statusText;
    chart.bottomRange = {span.axisMin, span.axisMax};
    ComposeBars(chart, in, span.first, span.last);
}

ChartModel ComposeChart(const ChartInputs& in, const ChartSpan& span) {
    ChartModel chart = InitialChartModel();
    ComposeChart(chart, in, span);
    return chart;
}

ChartModel ComposeChart(const ChartInputs& in) {
    ChartModel chart = InitialChartModel();
    ComposeChart(chart, in);
    return chart;
}

} // namespace brevant
