// Brevant Dira — the view choice each function key makes.
#include "chart/function_keys.h"

#include "chart/indicator_views.h"
#include "chart/price_styles.h"
#include "chart/time_windows.h"

namespace brevant {
namespace {

template <class Rows> std::optional<ViewChoice> FindKey(const Rows& rows, ViewGroup group, int n) {
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].functionKey == n) return ViewChoice{group, static_cast<int>(i)};
    return std::nullopt;
}

} // namespace

std::optional<ViewChoice> ViewForFunctionKey(int n) {
    if (n <= 0) return std::nullopt; // rows without a key carry 0
    if (auto choice = FindKey(kTimeWindows, ViewGroup::Window, n)) return choice;
    if (auto choice = FindKey(kIndicatorViews, ViewGroup::Indicator, n)) return choice;
    return FindKey(kPriceStyles, ViewGroup::Style, n);
}

} // namespace brevant
