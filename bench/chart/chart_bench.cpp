// Brevant Dira — chart figures: composing a 350-bar chart, composing and
// drawing it offscreen at 1600 × 900, and one crosshair readout tick.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <clocale>
#include <cmath>
#include <qcustomplot.h>

#include "chart/chart_viewport.h"
#include "chart/check_indicator.h"
#include "chart/compose_chart.h"
#include "chart/history_view.h"
#include "chart/readout.h"
#include "chart/render/chart_renderer.h"
#include "ta/day_date.h"

namespace brevant {
namespace {

ChartView MacdViewAll() {
    ChartView view;
    view.indicator = kMacdFull;
    view.window = "View All";
    return view;
}

struct Scene {
    TBars bars;
    ChartView view = MacdViewAll();
    TIndicatorParams params;
    OverlaySettings overlays{{20, 50, 200, 20, 2}, true, true, true, true};
    StockSelection selection{true, std::string("Acme Corp , ACM"), std::nullopt};
    LocaleSettings locale = WithProgramDates(LocaleSettings{});

    explicit Scene(int count = 350) {
        bars.resize(count);
        const int start = EncodeDate(2016, 1, 4);
        for (int i = 0; i < count; ++i) {
            const double mid = 50 + 5 * std::sin(i / 7.0) + i * 0.02;
            bars[i] = {};
            bars[i].Open = mid - 0.4;
            bars[i].Close = mid + 0.3 * std::cos(i / 3.0);
            bars[i].High = mid + 1.1;
            bars[i].Low = mid - 1.2;
            bars[i].Volume = 100000 + 1000 * (i % 17);
            bars[i].Date = start + i;
        }
        CheckIndicatorBars(bars, view, params, overlays);
    }
    ChartInputs inputs() const { return {bars, view, params, overlays, selection, locale}; }
};

void BM_Compose350Bars(benchmark::State& state) {
    const Scene scene;
    ChartModel chart = InitialChartModel();
    for (auto _ : state) {
        ComposeChart(chart, scene.inputs());
        benchmark::DoNotOptimize(chart);
    }
}
BENCHMARK(BM_Compose350Bars)->Unit(benchmark::kMicrosecond);

void BM_ComposeAndReplot1600x900(benchmark::State& state) {
    const Scene scene;
    ChartModel chart = InitialChartModel();
    QCustomPlot plot;
    plot.resize(1600, 900);
    plot.show();
    ChartRenderer renderer(plot);
    for (auto _ : state) {
        ComposeChart(chart, scene.inputs());
        renderer.Render(chart, scene.bars, true, scene.locale);
        plot.replot(QCustomPlot::rpImmediateRefresh);
    }
}
BENCHMARK(BM_ComposeAndReplot1600x900)->Unit(benchmark::kMillisecond);

// A zoom or scroll step over a whole history of ten years (2,520 bars), all
// in view: the indicator and overlays computed again over the series (as
// after a change of view), the part in view composed, drawn and replotted.
void BM_ZoomStep2520Bars1600x900(benchmark::State& state) {
    Scene scene(2520);
    ChartModel chart = InitialChartModel();
    QCustomPlot plot;
    plot.resize(1600, 900);
    plot.show();
    ChartRenderer renderer(plot);
    ChartViewport viewport = ChartViewport::ForWindow(2520, 0);
    bool in = true;
    for (auto _ : state) {
        // In and out again around the middle: every other step shows all 2,520.
        viewport.ZoomBy(in ? 0.95 : 1 / 0.95, (viewport.Lo() + viewport.Hi()) / 2.0);
        in = !in;
        CheckIndicatorBars(scene.bars, scene.view, scene.params, scene.overlays);
        ComposeChart(chart, scene.inputs(), SpanOfViewport(viewport));
        renderer.Render(chart, scene.bars, true, scene.locale);
        plot.replot(QCustomPlot::rpImmediateRefresh);
    }
    // What a whole history costs as chart bars, beside the 24-byte rows the
    // loader keeps.
    state.counters["bar_bytes_2520"] = double(sizeof(TStockBar) * 2520);
}
BENCHMARK(BM_ZoomStep2520Bars1600x900)->Unit(benchmark::kMillisecond);

// The same step as the window takes it: the history's indicator values are
// kept while the view, period, parameters and overlays stay, so a zoom or
// scroll composes the span, draws and replots.
void BM_WindowZoomStep2520Bars1600x900(benchmark::State& state) {
    const Scene scene(2520);
    ChartModel chart = InitialChartModel();
    QCustomPlot plot;
    plot.resize(1600, 900);
    plot.show();
    ChartRenderer renderer(plot);
    ChartViewport viewport = ChartViewport::ForWindow(2520, 0);
    bool in = true;
    for (auto _ : state) {
        viewport.ZoomBy(in ? 0.95 : 1 / 0.95, (viewport.Lo() + viewport.Hi()) / 2.0);
        in = !in;
        ComposeChart(chart, scene.inputs(), SpanOfViewport(viewport));
        renderer.Render(chart, scene.bars, true, scene.locale);
        plot.replot(QCustomPlot::rpImmediateRefresh);
    }
}
BENCHMARK(BM_WindowZoomStep2520Bars1600x900)->Unit(benchmark::kMillisecond);

// What the window's timer tick does: pixel to bar, then the label texts.
void BM_ReadoutTick(benchmark::State& state) {
    const Scene scene;
    const ChartModel chart = ComposeChart(scene.inputs());
    QCustomPlot plot;
    plot.resize(1600, 900);
    plot.show();
    ChartRenderer renderer(plot);
    renderer.Render(chart, scene.bars, true, scene.locale);
    plot.replot();
    int x = 40;
    for (auto _ : state) {
        x = x >= 1500 ? 40 : x + 7;
        if (!ReadoutReadsX(x, plot.width())) continue;
        const int bar = ReadoutBarIndex(renderer.BottomAxisValueAt(x));
        ReadoutTexts texts =
            Readout(scene.bars, bar, scene.view.indicator, scene.overlays, scene.locale);
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK(BM_ReadoutTick)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace brevant

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The toolkit took the user's numeric locale; the figures print with ".".
    std::setlocale(LC_NUMERIC, "C");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
