// Brevant Dira — the part of a loaded series the chart shows, and the zoom
// and scroll that move it.
#pragma once

#include "ta/stock_bar.h"

namespace brevant {

// The bottom axis runs from bar position `Lo()` to `Hi()` (whole positions
// in a series of `Count()` bars, 0 the oldest) and the bars on it are drawn.
// Right of the newest bar it may run on by kRoomRight empty positions, as the
// specified windows leave three; left of the oldest bar it never runs.
// Navigation keeps it inside those limits and at least kFewestPositions wide
// (or the whole series, when that is narrower).
class ChartViewport {
public:
    static constexpr int kRoomRight = 3;
    static constexpr int kFewestPositions = 12;

    ChartViewport() = default;

    // A specified window of `windowBars` bars (0: every bar) over `count`
    // bars, as the chart composes it: bars F .. N - 1 with F = N - W + 1
    // (0 when the series is no longer than the window), the axis to N + 2.
    static ChartViewport ForWindow(int count, int windowBars);
    // Bars first .. last of `count`, with the room right of them when `last`
    // is the newest bar.
    static ChartViewport ForBars(int count, int first, int last);

    int Count() const { return count_; }
    int Lo() const { return lo_; }
    int Hi() const { return hi_; }
    int Positions() const { return hi_ - lo_; }
    // The bars in view; LastBar() < FirstBar() when there are none.
    int FirstBar() const { return lo_ > 0 ? lo_ : 0; }
    int LastBar() const { return hi_ < count_ - 1 ? hi_ : count_ - 1; }
    bool Shows(int bar) const { return bar >= FirstBar() && bar <= LastBar(); }
    // Whether the view ends with the newest bar and the room after it.
    bool AtNewest() const { return hi_ >= count_ - 1 + kRoomRight; }

    // Each returns whether the view moved.
    // Later bars for a positive `bars`, earlier ones for a negative.
    bool ScrollBy(int bars);
    // The axis starting at position `lo`, as far as the limits allow.
    bool ScrollTo(int lo);
    // Whole views: the positions across less one, so a bar stays in view.
    bool PageBy(int pages);
    bool ToOldest();
    bool ToNewest();
    // `factor` times as many positions (below 1: zoom in), at least one more
    // or fewer; the position `anchor` keeps its place on the axis, as far as
    // the limits allow.
    bool ZoomBy(double factor, double anchor);

    // The same dates on `to`, another series of the same stock (its whole
    // history where this one was its newest days): the oldest bar in view
    // stays the oldest, the width stays, and a view at the newest bar stays
    // at the newest bar.
    ChartViewport Remapped(const TBars& from, const TBars& to) const;

    friend bool operator==(const ChartViewport&, const ChartViewport&) = default;

private:
    ChartViewport(int count, int lo, int hi) : count_(count), lo_(lo), hi_(hi) {}
    int MostPositions() const;
    // Puts lo_ inside the limits for the present width.
    void ClampLo();

    int count_ = 0;
    int lo_ = 0, hi_ = 0;
};

} // namespace brevant
