// Brevant Dira — the crosshair readout texts.
#include "chart/readout.h"

#include <climits>
#include <cmath>

#include "chart/indicator_views.h"
#include "chart/number_texts.h"
#include "ta/text_format.h"

namespace brevant {
namespace {

using Field = double TStockBar::*;

void SetOverlay(bool show, const TStockBar* bar, Field field, const std::string& name,
                const std::string& caption, char sep, std::string& value, std::string& label) {
    if (show && bar) {
        value = Rounded2Text(bar->*field, sep);
        label = caption;
    } else {
        value = name;
        label = name;
    }
}

} // namespace

bool ReadoutReadsX(int mouseX, int chartWidth) {
    return mouseX > kReadoutMargin && mouseX < chartWidth - kReadoutMargin;
}

int ReadoutBarIndex(double bottomAxisValue) {
    const double v = std::abs(bottomAxisValue);
    return v < double(INT_MAX) ? static_cast<int>(v) : INT_MAX;
}

ReadoutTexts Readout(const TBars& bars, int barIndex, int indicator,
                     const OverlaySettings& overlays, const LocaleSettings& locale) {
    ReadoutTexts r;
    const char sep = locale.DecimalSeparator;
    const bool inRange = barIndex >= 0 && barIndex < static_cast<int>(bars.size());
    const TStockBar* bar = inRange ? &bars[barIndex] : nullptr;
    if (bar) {
        r.Label6 = " " + Rounded2Text(bar->Close, sep);
        r.Label3 = " " + Rounded2Text(bar->Open, sep);
        r.Label4 = " " + Rounded2Text(bar->High, sep);
        r.Label5 = " " + Rounded2Text(bar->Low, sep);
        r.Label10 = " " + FormatDateTime("dd mmm yy", bar->Date, locale);
        r.Label7 = VolumeText(bar->Volume);
    }

    const TOverlayParams& p = overlays.params;
    auto period = [](const char* name, int n) {
        return std::string(name) + "  (" + std::to_string(n) + ")";
    };
    SetOverlay(overlays.PlotMA1, bar, &TStockBar::MA1, "MA 1", period("MA 1", p.MA1), sep, r.Label8,
               r.Label38);
    SetOverlay(overlays.PlotMA2, bar, &TStockBar::MA2, "MA 2", period("MA 2", p.MA2), sep, r.Label9,
               r.Label37);
    SetOverlay(overlays.PlotMA3, bar, &TStockBar::MA3, "MA 3", period("MA 3", p.MA3), sep,
               r.Label41, r.Label36);
    const std::string bands =
        "  (" + std::to_string(p.BBPeriod) + "," + std::to_string(p.BBWidth) + ")";
    SetOverlay(overlays.PlotBB, bar, &TStockBar::BBUpper, "BB Upp", "BB Upp" + bands, sep,
               r.Label43, r.Label40);
    SetOverlay(overlays.PlotBB, bar, &TStockBar::BBLower, "BB Lwr", "BB Lwr" + bands, sep,
               r.Label42, r.Label39);

    // An unknown view reads out like the volume views: three unused slots.
    const IndicatorViewInfo* view = FindIndicatorView(indicator);
    for (int k = 0; k < 3; ++k) {
        const ReadoutSlot slot = view ? view->readout[k] : ReadoutSlot{};
        r.valueColours[k] = slot.colour;
        if (!slot.field) {
            r.captions[k] = "None :";
            r.values[k] = "0.0000";
            continue;
        }
        r.captions[k] = std::string(slot.caption);
        if (bar) r.values[k] = Rounded4Text(bar->*slot.field, sep);
    }
    return r;
}

} // namespace brevant
