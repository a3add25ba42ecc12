// Brevant Dira — chart figures in the real main window: one crosshair readout
// tick into the detail panel, and a view command (CheckIndicator, PlotData and
// the replot) at 1600 × 900, on the sample quotes in a temporary database.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <qcustomplot.h>
#include <stdlib.h>

#include "app/app_windows.h"
#include "app/application.h"
#include "app/main_window.h"
#include "chart/ui/overlay_window.h"
#include "store/bootstrap.h"
#include "store/quote_import.h"

namespace brevant {
namespace {

TForm1* gMain = nullptr;

void BM_WindowReadoutTick(benchmark::State& state) {
    TForm1& m = *gMain;
    int x = 40;
    for (auto _ : state) {
        x = x >= m.ChartPane->Chart1->width() - 40 ? 40 : x + 7;
        m.Chart1MouseMove(x);
        m.Timer1Timer();
    }
}
BENCHMARK(BM_WindowReadoutTick)->Unit(benchmark::kMicrosecond);

// The same, with the repaint of the detail panel's labels that it queues.
void BM_WindowReadoutTickAndRepaint(benchmark::State& state) {
    TForm1& m = *gMain;
    int x = 40;
    for (auto _ : state) {
        x = x >= m.ChartPane->Chart1->width() - 40 ? 40 : x + 7;
        m.Chart1MouseMove(x);
        m.Timer1Timer();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_WindowReadoutTickAndRepaint)->Unit(benchmark::kMicrosecond);

// What a "&Graph" item or a function key costs on the bars held.
void BM_WindowViewCommand(benchmark::State& state) {
    TForm1& m = *gMain;
    for (auto _ : state) {
        m.CheckIndicator();
        m.ChartPane->Chart1->replot(QCustomPlot::rpImmediateRefresh);
    }
}
BENCHMARK(BM_WindowViewCommand)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace brevant

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    brevant::TApplication app(argc, argv);
    // The toolkit took the user's numeric locale; the figures print with ".".
    std::setlocale(LC_NUMERIC, "C");
    benchmark::Initialize(&argc, argv);

    std::string pattern = (std::filesystem::temp_directory_path() / "brevant-XXXXXX").string();
    const std::filesystem::path dir = mkdtemp(pattern.data());
    const std::string database = (dir / "BREVDATA.BVD").string();
    {
        brevant::TDataStore store;
        if (!brevant::CheckFirebird(store, database, {})) return 1;
        brevant::TQuoteImport(store, '.').Run({SAMPLE_QUOTES});
        store.DB1.Disconnect();
    }
    int rc = 0;
    {
        brevant::TStartOptions options;
        options.DatabasePath = QString::fromStdString(database);
        options.ProgramDir = QString::fromStdString(dir.string() + "/");
        brevant::TApplicationWindows windows(options);
        brevant::TForm1& main = *windows.Windows().Form1;
        QElapsedTimer waited;
        waited.start();
        while (!main.isVisible() && waited.elapsed() < 20000) QApplication::processEvents();
        if (!main.isVisible()) {
            std::fprintf(stderr, "the main window did not come up\n");
            rc = 1;
        } else {
            // A maximized window on a 1600 × 900 screen, every bar in view, all overlays.
            main.showNormal();
            main.resize(1600, 900);
            brevant::TForm13& overlays = *windows.Windows().Form13;
            for (QCheckBox* box :
                 {overlays.CheckBox1, overlays.CheckBox2, overlays.CheckBox3, overlays.CheckBox4})
                box->setChecked(true);
            main.Graph.ViewAllDataClick();
            QApplication::processEvents();
            brevant::gMain = &main;
            benchmark::RunSpecifiedBenchmarks();
        }
        main.Menu.Exit2Click();
    }
    benchmark::Shutdown();
    std::filesystem::remove_all(dir);
    return rc;
}
