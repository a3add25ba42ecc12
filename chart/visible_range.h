// Brevant Dira — what the chart shows at a moment, for what is drawn over
// it or beside it: the bars in view, their dates and the price axis.
#pragma once

#include "chart/price_scale.h"

namespace brevant {

struct VisibleRange {
    // Positions in the loaded series (0 its oldest bar): the bars in view,
    // none when last < first, and the bottom axis, which may run past the
    // newest bar.
    int first = 0, last = -1;
    double axisMin = 0, axisMax = 0;
    // Day numbers of the first and the last bar in view (0 when none).
    double firstDate = 0, lastDate = 0;
    // The price axis as drawn: price to height and back, linear or log.
    PriceScale price;
    // The loaded series is the stock's whole history; otherwise it is the
    // newest days the specified windows show.
    bool wholeHistory = false;
};

} // namespace brevant
