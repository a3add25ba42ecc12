// Brevant Dira — the part of a loaded series the chart shows.
#include "chart/chart_viewport.h"

#include <algorithm>
#include <cmath>

namespace brevant {

ChartViewport ChartViewport::ForWindow(int count, int windowBars) {
    if (count <= 0) return {};
    int window = windowBars <= 0 ? count : windowBars;
    if (count < window) window = count;
    const int first = count == window ? 0 : count - window + 1;
    return {count, first, count - 1 + kRoomRight};
}

ChartViewport ChartViewport::ForBars(int count, int first, int last) {
    if (count <= 0) return {};
    first = std::clamp(first, 0, count - 1);
    last = std::clamp(last, first, count - 1);
    return {count, first, last == count - 1 ? last + kRoomRight : last};
}

int ChartViewport::MostPositions() const {
    return std::max(count_ - 1 + kRoomRight, 0);
}

void ChartViewport::ClampLo() {
    const int positions = Positions();
    lo_ = std::clamp(lo_, 0, std::max(MostPositions() - positions, 0));
    hi_ = lo_ + positions;
}

bool ChartViewport::ScrollTo(int lo) {
    const ChartViewport before = *this;
    const int positions = Positions();
    lo_ = lo;
    hi_ = lo + positions;
    ClampLo();
    return *this != before;
}

bool ChartViewport::ScrollBy(int bars) {
    return ScrollTo(lo_ + bars);
}

bool ChartViewport::PageBy(int pages) {
    return ScrollBy(pages * std::max(Positions() - 1, 1));
}

bool ChartViewport::ToOldest() {
    return ScrollTo(0);
}

bool ChartViewport::ToNewest() {
    return ScrollTo(MostPositions());
}

bool ChartViewport::ZoomBy(double factor, double anchor) {
    if (count_ <= 0 || !(factor > 0) || factor == 1 || !std::isfinite(anchor)) return false;
    const ChartViewport before = *this;
    const int now = Positions();
    const double wanted = std::max(now, 1) * factor;
    int positions = static_cast<int>(std::lround(wanted));
    // Each step moves, however small the view or the factor.
    if (factor > 1 && positions <= now) positions = now + 1;
    if (factor < 1 && positions >= now) positions = now - 1;
    const int most = MostPositions();
    positions = std::clamp(positions, std::min(kFewestPositions, most), most);
    // The anchor keeps its share of the axis, so the bar under the pointer
    // stays under it.
    const double share = now > 0 ? std::clamp((anchor - lo_) / now, 0.0, 1.0) : 0.5;
    lo_ = static_cast<int>(std::lround(anchor - share * positions));
    hi_ = lo_ + positions;
    ClampLo();
    return *this != before;
}

ChartViewport ChartViewport::Remapped(const TBars& from, const TBars& to) const {
    const int count = static_cast<int>(to.size());
    if (count == 0) return {};
    ChartViewport mapped{count, 0, Positions()};
    if (AtNewest()) {
        mapped.ToNewest();
        return mapped;
    }
    if (FirstBar() < static_cast<int>(from.size())) {
        const double date = from[FirstBar()].Date;
        const auto at = std::lower_bound(to.begin(), to.end(), date,
                                         [](const TStockBar& b, double d) { return b.Date < d; });
        mapped.lo_ = static_cast<int>(at - to.begin());
        mapped.hi_ = mapped.lo_ + Positions();
    }
    mapped.ClampLo();
    return mapped;
}

} // namespace brevant
