// Brevant Dira — a stock's daily rows as the quote columns hold them.
#include "store/compact_bars.h"

#include <cstring>

namespace brevant {

static_assert(sizeof(CompactBar) == 24, "a compact bar is a day and five floats");

void CopyPrices(std::span<const CompactBar> rows, TBars& bars) {
    bars.resize(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const CompactBar& r = rows[i];
        TStockBar& b = bars[i];
        b.Date = r.day;
        b.Open = r.open;
        b.High = r.high;
        b.Low = r.low;
        b.Close = r.close;
        b.Volume = r.volume;
    }
}

void ExpandBars(std::span<const CompactBar> rows, TBars& bars) {
    bars.assign(rows.size(), TStockBar{});
    CopyPrices(rows, bars);
}

bool SameRow(const CompactBar& a, const CompactBar& b) {
    // Bits, not values: two rows that differ only in a NaN payload or the
    // sign of a zero are different rows.
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace brevant
