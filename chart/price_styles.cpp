// Brevant Dira — the price styles.
#include "chart/price_styles.h"

#include "chart/view_names.h"

namespace brevant {
namespace {

constexpr bool InTableOrder() {
    for (std::size_t i = 0; i < kPriceStyles.size(); ++i)
        if (kPriceStyles[i].style != static_cast<int>(i)) return false;
    return true;
}
static_assert(InTableOrder());

} // namespace

const PriceStyleInfo* FindPriceStyle(int style) {
    if (style < 0 || style >= static_cast<int>(kPriceStyles.size())) return nullptr;
    return &kPriceStyles[style];
}

int PriceStyleByName(std::string_view text) {
    return FindRowByName(kPriceStyles, text);
}

} // namespace brevant
