// Brevant Dira — the crosshair readout texts.
#include "chart/readout.h"

#include <climits>
#include <cmath>

#include "chart/number_texts.h"
#include "ta/text_format.h"

namespace brevant {
namespace {

using Field = double TStockBar::*;

struct Slot {
    const char* caption = nullptr; // nullptr: an unused slot
    Field field = nullptr;
    Rgb colour = colours::kBlack;
};

struct ReadoutRow {
    Slot slots[3];
};

ReadoutRow RowFor(int indicator) {
    using B = TStockBar;
    const Rgb green = colours::kGreen, red = colours::kRed;
    switch (indicator) {
    case kMacdLine:
        return {{{"MACD Fast :", &B::MacdLine}, {"MACD Slow :", &B::MacdSignal}, {}}};
    case kMacdHistogram:
        return {{{"MACD Hist :", &B::MacdHist}, {}, {}}};
    case kMacdFull:
        return {{{"MACD Fast :", &B::MacdLine},
                 {"MACD Slow :", &B::MacdSignal},
                 {"MACD Hist :", &B::MacdHist}}};
    case kRsiView:
        return {{{"RSI  :", &B::RSI}, {}, {}}};
    case kCciView:
        return {{{"CCI  :", &B::CCI}, {}, {}}};
    case kMfiView:
        return {{{"MFI  :", &B::MFI}, {}, {}}};
    case kWrView:
        return {{{"William %R :", &B::WR}, {}, {}}};
    case kAdxView:
        return {{{"Wilder ADX :", &B::ADX},
                 {"Wilder +DI :", &B::PlusDI, green},
                 {"Wilder -DI :", &B::MinusDI, red}}};
    case kDiView:
        return {{{"Wilders +DI :", &B::PlusDI, green}, {"Wilders -DI :", &B::MinusDI, red}, {}}};
    case kFastStochastic:
        return {{{"%K FAST :", &B::FastK}, {"%D FAST :", &B::FastD, red}, {}}};
    case kSlowStochastic:
        return {{{"%K SLOW :", &B::SlowK}, {"%D SLOW :", &B::SlowD, red}, {}}};
    case kCmfView:
        return {{{"Chaikin MF :", &B::CMF}, {}, {}}};
    case kRocView:
        return {{{"ROC  :", &B::ROC}, {}, {}}};
    case kAtrView:
        return {{{"ATR  :", &B::ATR}, {}, {}}};
    default:
        return {}; // Accum/Distribution, On Balance Volume
    }
}

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

    const ReadoutRow row = RowFor(indicator);
    for (int k = 0; k < 3; ++k) {
        const Slot& slot = row.slots[k];
        r.valueColours[k] = slot.colour;
        if (!slot.caption) {
            r.captions[k] = "None :";
            r.values[k] = "0.0000";
            continue;
        }
        r.captions[k] = slot.caption;
        if (bar) r.values[k] = Rounded4Text(bar->*slot.field, sep);
    }
    return r;
}

} // namespace brevant
