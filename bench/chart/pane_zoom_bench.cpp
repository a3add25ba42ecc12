// Brevant Dira — the chart pane zoomed by the wheel over a whole history of
// ten years (2,520 bars) at 1600 × 900: each step is one wheel notch sent to
// the plot, in and out in turn, and the events it queued (the replot and the
// paint) handled, as the window's event loop would. PANE_ZOOM_PICTURE=FILE
// saves the plot as the last step left it (a PNG), to compare two builds.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWheelEvent>
#include <clocale>
#include <cmath>
#include <qcustomplot.h>

#include "chart/check_indicator.h"
#include "chart/ui/chart_pane.h"
#include "ta/day_date.h"
#include "ta/split_adjust.h"

namespace brevant {
namespace {

TBars Decade(int count) {
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

// The window's side: the newest 350 days shown, the decade behind them.
struct DecadeHost : TChartPaneHost {
    bool ReadoutWanted() const override { return true; }
    const TBars& CurrentBars() const override { return bars; }
    int CurrentIndicator() const override { return view.indicator; }
    OverlaySettings CurrentOverlays() const override { return overlays; }
    const LocaleSettings& CurrentLocale() const override { return locale; }
    bool WholeHistoryBars(bool, TBars& out) override {
        out = whole;
        return true;
    }

    TBars whole = Decade(2520);
    TBars bars{whole.end() - 350, whole.end()};
    ChartView view;
    TIndicatorParams params;
    OverlaySettings overlays{{20, 50, 200, 20, 2}, true, true, true, true};
    StockSelection selection{true, std::string("Acme Corp , ACM"), std::nullopt};
    LocaleSettings locale = WithProgramDates(LocaleSettings{});
};

void BM_PaneWheelStep2520Bars1600x900(benchmark::State& state) {
    DecadeHost host;
    host.view.history = HistoryChoice{};
    TChartPane pane(host);
    pane.show();
    // The plot, not the pane with its header, at 1600 × 900.
    pane.resize(1600, 900);
    QApplication::processEvents();
    pane.resize(pane.size() + (QSize(1600, 900) - pane.Chart1->size()));
    QApplication::processEvents();
    CheckIndicatorBars(host.bars, host.view, host.params, host.overlays);
    pane.PlotData({host.bars, host.view, host.params, host.overlays, host.selection, host.locale});
    QApplication::processEvents();
    const QPointF at(pane.Chart1->width() / 2.0, pane.Chart1->height() / 2.0);
    int notches = 1;
    for (auto _ : state) {
        QWheelEvent event(at, pane.Chart1->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(pane.Chart1, &event);
        QApplication::processEvents();
        notches = -notches;
    }
    // The picture after as many notches out as in (the whole history in
    // view), to compare the drawing of two builds pixel for pixel.
    if (const QString shot = qEnvironmentVariable("PANE_ZOOM_PICTURE"); !shot.isEmpty()) {
        if (notches < 0) {
            QWheelEvent event(at, pane.Chart1->mapToGlobal(at), QPoint(), QPoint(0, -120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(pane.Chart1, &event);
            QApplication::processEvents();
        }
        pane.Chart1->grab().save(shot);
    }
    state.counters["plot_width"] = pane.Chart1->width();
    state.counters["plot_height"] = pane.Chart1->height();
    state.counters["bars_in_view_max"] = double(host.whole.size());
}
BENCHMARK(BM_PaneWheelStep2520Bars1600x900)->Unit(benchmark::kMillisecond);

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
