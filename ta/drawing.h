// Brevant Dira — a drawing over the price panel: a trend line between two
// dated prices, or a level across the whole chart. Kept in dates and prices,
// never in bar positions, so that it stays where it was drawn under any
// zoom, scroll, scale or period.
#pragma once

#include <string>
#include <vector>

namespace brevant {

enum class DrawingKind { Trend, Level };

struct Drawing {
    int id = 0; // given by the store; 0 before it is stored
    DrawingKind kind = DrawingKind::Level;
    // Day numbers; both 0 on a level, which has only price1.
    double day1 = 0, day2 = 0;
    double price1 = 0, price2 = 0;
    friend bool operator==(const Drawing&, const Drawing&) = default;
};

using Drawings = std::vector<Drawing>;

// "trend" or "level", as the table and the command line write the kinds.
const char* DrawingKindName(DrawingKind kind);
bool ParseDrawingKind(const std::string& text, DrawingKind& kind);

// A price a drawing may stand at: finite and above zero (a logarithmic scale
// shows no other).
bool DrawablePrice(double price);

} // namespace brevant
