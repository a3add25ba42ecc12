// Brevant Dira — prices and volumes adjusted for recorded stock splits.
#include "ta/split_adjust.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace brevant {

double SplitRatioFromItem(float item) {
    // Tenths, as the list shows the ratio: 2.0999999 is 2:1.
    const double tenths = std::round(double(item) * 10);
    if (!(tenths > 0) || !(tenths < 1e9)) return 0;
    const int whole = int(tenths);
    const int shares = whole / 10, per = whole % 10;
    return shares > 0 && per > 0 ? double(shares) / per : 0;
}

void AdjustForSplits(TBars& bars, std::span<const SplitEvent> splits) {
    std::vector<SplitEvent> usable;
    for (const SplitEvent& s : splits)
        if (s.ratio > 0 && std::isfinite(s.ratio) && std::isfinite(s.exDate)) usable.push_back(s);
    if (usable.empty() || bars.empty()) return;
    // Newest split first: walking the bars back in time, each split passed
    // joins the factor of every earlier bar.
    std::sort(usable.begin(), usable.end(),
              [](const SplitEvent& a, const SplitEvent& b) { return a.exDate > b.exDate; });
    double factor = 1;
    std::size_t next = 0;
    for (std::size_t i = bars.size(); i-- > 0;) {
        TStockBar& bar = bars[i];
        while (next < usable.size() && bar.Date < usable[next].exDate)
            factor *= usable[next++].ratio;
        if (factor == 1) continue;
        bar.Open /= factor;
        bar.High /= factor;
        bar.Low /= factor;
        bar.Close /= factor;
        bar.Volume *= factor;
    }
}

} // namespace brevant
