// Brevant Dira — the view choice each function key makes, from the keys in
// the time window, indicator view and price style tables.
#pragma once

#include <optional>

namespace brevant {

enum class ViewGroup { Window, Indicator, Style };

// A row of one of the view tables: kTimeWindows, kIndicatorViews or kPriceStyles.
struct ViewChoice {
    ViewGroup group;
    int index;
    friend bool operator==(const ViewChoice&, const ViewChoice&) = default;
};

// The view choice of the key Fn, or none when no row carries that key.
std::optional<ViewChoice> ViewForFunctionKey(int n);

} // namespace brevant
