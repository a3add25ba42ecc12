// Brevant Dira — the stored drawings on a chart picture of the command line.
#pragma once

#include <string>

#include "ta/drawing.h"
#include "ta/period_bars.h"
#include "ta/stock_bar.h"

namespace brevant {
class ChartRenderer;
struct TDataStore;
} // namespace brevant

namespace brevant::cli {

// The stock's stored drawings; none when the database gives none to this
// login (a server login that may neither read nor create the table).
Drawings StoredDrawings(TDataStore& store, const std::string& listText);

// Puts the drawings over the renderer's chart of `bars` (kept alive by the
// caller until the picture is made). Adds nothing when there are none, so a
// chart without drawings is drawn exactly as before.
void DrawDrawings(ChartRenderer& renderer, const Drawings& drawings, const TBars& bars,
                  BarPeriod period);

} // namespace brevant::cli
