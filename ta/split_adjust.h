// Brevant Dira — prices and volumes adjusted for recorded stock splits.
#pragma once

#include <span>

#include "ta/stock_bar.h"

namespace brevant {

// A split as prices are adjusted for it: its ex date (a day number) and the
// number of new shares per old one (a 3:2 split is 1.5; 1:4 is 0.25).
struct SplitEvent {
    double exDate = 0;
    double ratio = 1;
    friend bool operator==(const SplitEvent&, const SplitEvent&) = default;
};

// The ratio of a split stored as "a.b" for a:b (2:1 as 2.1, 3:2 as 3.2),
// read to one decimal as the action list shows it; 0 when the number is no
// usable ratio (a or b zero, negative, unreadable).
double SplitRatioFromItem(float item);

// Makes a series comparable across its splits: every bar dated before a
// split's ex date gets its Open, High, Low and Close divided by the split's
// ratio and its Volume multiplied by it; bars on or after the ex date stay.
// A bar before several splits is divided by the product of their ratios.
// Splits may come in any order; a ratio that is not above 0 or not finite is
// passed over. Indicator fields are left alone: compute them afterwards.
// Meant for daily bars, before they are made weekly or monthly.
void AdjustForSplits(TBars& bars, std::span<const SplitEvent> splits);

} // namespace brevant
