// Brevant Dira — the price styles: how the price series is drawn, with the
// style combo box's names, the "&Graph" menu's captions and the keys.
#pragma once

#include <array>
#include <string_view>

#include "chart/chart_model.h"

namespace brevant {

enum PriceStyle : int { kBarStyle, kCandleStyle, kLineStyle };

struct PriceStyleInfo {
    PriceStyle style;             // its position in the table
    std::string_view name;        // the combo box item
    std::string_view menuCaption; // the "&Graph" menu item
    int functionKey;              // n for the key Fn; 0: none
    // The look: a line of closes (Series17) instead of the OHLC series
    // (Series1) for OhlcStyle::Line; the OHLC series' down, up and own
    // colours and its outline width in pixels.
    OhlcStyle look;
    Rgb down, up, colour;
    int outline;
};

// In the order of the style combo box.
inline constexpr std::array<PriceStyleInfo, 3> kPriceStyles = {{
    {kBarStyle, "Bar(OHLC)", "View Bar(High,Low,Close)", 9, OhlcStyle::Bar, colours::kRed,
     colours::kBlack, colours::kBlack, 1},
    {kCandleStyle, "CandleStick", "View Candlestick", 10, OhlcStyle::Candle, colours::kRed,
     colours::kWhite, colours::kRed, 1},
    {kLineStyle, "Line", "View Line", 11, OhlcStyle::Line, colours::kBlack, colours::kBlack,
     colours::kBlack, 2},
}};

// The row of a style index, or nullptr when there is none.
const PriceStyleInfo* FindPriceStyle(int style);

// The style `text` names in any case, or by its position from 0; -1 for none.
int PriceStyleByName(std::string_view text);

} // namespace brevant
