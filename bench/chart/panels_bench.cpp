// Brevant Dira — the chart pane with three indicator panels (MACD Full,
// RSI and Slow Stochastic) and every overlay, 350 bars in view ("View All"),
// the plot at 1600 × 900: one view command (the indicators and overlays
// computed again, composed, drawn and replotted, the queued paint handled)
// and one readout tick (the bar under the mouse into the detail panel's
// labels, the added panels' rows with them). Beside them the same command
// with one panel, the chart as it was before the panels.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <clocale>
#include <cmath>
#include <qcustomplot.h>

#include "chart/check_indicator.h"
#include "chart/ui/chart_pane.h"
#include "ta/day_date.h"

namespace brevant {
namespace {

TBars Days(int count) {
    TBars bars(count);
    const int start = EncodeDate(2016, 1, 4);
    for (int i = 0; i < count; ++i) {
        const double mid = 50 + 5 * std::sin(i / 7.0) + i * 0.02;
        TStockBar& b = bars[i];
        b.Open = mid - 0.4;
        b.Close = mid + 0.3 * std::cos(i / 3.0);
        b.High = mid + 1.1;
        b.Low = mid - 1.2;
        b.Volume = 100000 + 1000 * (i % 17);
        b.Date = start + i;
    }
    return bars;
}

struct PanelsHost : TChartPaneHost {
    bool ReadoutWanted() const override { return true; }
    const TBars& CurrentBars() const override { return bars; }
    int CurrentIndicator() const override { return view.indicator; }
    OverlaySettings CurrentOverlays() const override { return overlays; }
    const LocaleSettings& CurrentLocale() const override { return locale; }
    bool WholeHistoryBars(bool, TBars& out) override {
        out = days;
        return true;
    }
    std::vector<int> CurrentAddedPanels() const override { return view.addedPanels; }

    TBars days = Days(350);
    TBars bars = days;
    ChartView view;
    TIndicatorParams params;
    OverlaySettings overlays{{20, 50, 200, 20, 2}, true, true, true, true};
    StockSelection selection{true, std::string("Acme Corp , ACM"), std::nullopt};
    LocaleSettings locale = WithProgramDates(LocaleSettings{});
};

// The pane shown with its plot at 1600 × 900 and the panels asked for.
struct Scene {
    explicit Scene(std::vector<int> added) {
        host.view.window = "View All";
        host.view.addedPanels = std::move(added);
        pane.show();
        // The window lays the detail panel out; here it stands on its own.
        pane.Panel3->show();
        pane.resize(1600, 900);
        QApplication::processEvents();
        pane.resize(pane.size() + (QSize(1600, 900) - pane.Chart1->size()));
        QApplication::processEvents();
        Command();
    }
    // What a view command does in the window: CheckIndicator, PlotData.
    void Command() {
        host.bars = host.days;
        CheckIndicatorBars(host.bars, host.view, host.params, host.overlays);
        pane.PlotData(
            {host.bars, host.view, host.params, host.overlays, host.selection, host.locale});
        QApplication::processEvents();
    }
    PanelsHost host;
    TChartPane pane{host};
};

void ViewCommand(benchmark::State& state, std::vector<int> added) {
    Scene scene(std::move(added));
    const int styles[] = {kCandleStyle, kBarStyle};
    int k = 0;
    for (auto _ : state) {
        // Another price style each time, so that every command draws anew.
        scene.host.view.priceStyle = styles[k++ % 2];
        scene.Command();
    }
    state.counters["panels"] = 1 + double(scene.host.view.addedPanels.size());
    state.counters["plot_height"] = scene.pane.Chart1->height();
}

void BM_ViewCommandThreePanels1600x900(benchmark::State& state) {
    ViewCommand(state, {kRsiView, kSlowStochastic});
}
BENCHMARK(BM_ViewCommandThreePanels1600x900)->Unit(benchmark::kMillisecond);

void BM_ViewCommandOnePanel1600x900(benchmark::State& state) {
    ViewCommand(state, {});
}
BENCHMARK(BM_ViewCommandOnePanel1600x900)->Unit(benchmark::kMillisecond);

void BM_ReadoutTickThreePanels(benchmark::State& state) {
    Scene scene({kRsiView, kSlowStochastic});
    const int width = scene.pane.Chart1->width();
    int x = 100;
    for (auto _ : state) {
        scene.pane.Chart1MouseMove(x);
        scene.pane.Timer1Timer();
        x = x + 37 < width - 100 ? x + 37 : 100;
    }
    state.counters["added_labels"] = double(scene.pane.AddedPanelLabels().size());
}
BENCHMARK(BM_ReadoutTickThreePanels)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace brevant

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
