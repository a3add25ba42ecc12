// Brevant Dira — the main window's chart tools beyond the specified window.
#pragma once

#include "app/indicator_panels.h"
#include "app/view_memory.h"

namespace brevant {

class TChartDrawings;
class TForm1;
class TIndicatorPeriodsWindow;

// What a trader adds to the specified chart: more indicator panels, a view
// kept for the next start, trend lines and levels, periods of their own.
// Each part acts on the window it is given; a fresh start with none of them
// used shows the specified window.
struct TChartTools {
    explicit TChartTools(TForm1& form) : Panels(form), Memory(form) {}

    TIndicatorPanels Panels; // the indicator panels and the active one
    TViewMemory Memory;      // "Remember my view"
    // The chart's drawings (made with the chart), and the dialog that edits
    // the stored indicator periods (made when first opened).
    TChartDrawings* Drawings = nullptr;
    TIndicatorPeriodsWindow* PeriodsWindow = nullptr;
};

} // namespace brevant
