// Brevant Dira — the stored drawings on a chart picture of the command line.
#include "cli/chart_drawings.h"

#include <exception>

#include "chart/render/chart_renderer.h"
#include "chart/render/drawings_layer.h"
#include "store/drawings_table.h"
#include "store/price_history.h"

namespace brevant::cli {

Drawings StoredDrawings(TDataStore& store, const std::string& listText) {
    try {
        return ReadDrawings(store, HistoryKey(listText));
    } catch (const std::exception&) {
        // The chart itself was read: a picture without the drawings is
        // still the chart the user asked for.
        return {};
    }
}

void DrawDrawings(ChartRenderer& renderer, const Drawings& drawings, const TBars& bars,
                  BarPeriod period) {
    if (drawings.empty()) return;
    AddDrawingsLayer(renderer, drawings, bars, period);
    renderer.plot().replot(QCustomPlot::rpQueuedReplot);
}

} // namespace brevant::cli
