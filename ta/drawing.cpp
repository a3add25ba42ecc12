// Brevant Dira — a drawing over the price panel.
#include "ta/drawing.h"

#include <cmath>

namespace brevant {

const char* DrawingKindName(DrawingKind kind) {
    return kind == DrawingKind::Trend ? "trend" : "level";
}

bool ParseDrawingKind(const std::string& text, DrawingKind& kind) {
    if (text == "trend")
        kind = DrawingKind::Trend;
    else if (text == "level")
        kind = DrawingKind::Level;
    else
        return false;
    return true;
}

bool DrawablePrice(double price) {
    return std::isfinite(price) && price > 0;
}

} // namespace brevant
