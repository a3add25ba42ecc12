// Brevant Dira — small bar series for the chart tests.
#pragma once

#include <cmath>

#include "chart/chart_view.h"
#include "ta/day_date.h"
#include "ta/stock_bar.h"

namespace brevant::test {

// `n` daily bars from 2 January 2025 on, with a gentle wave in the prices and
// volumes that differ from bar to bar.
inline TBars WaveBars(int n) {
    TBars bars(n);
    const int start = EncodeDate(2025, 1, 2);
    for (int i = 0; i < n; ++i) {
        TStockBar& b = bars[i];
        const double mid = 50 + 5 * std::sin(i / 7.0) + i * 0.02;
        b.Open = mid - 0.4;
        b.Close = mid + 0.3 * std::cos(i / 3.0);
        b.High = mid + 1.1;
        b.Low = mid - 1.2;
        b.Volume = 100000 + 1000 * (i % 17);
        b.Date = start + i;
    }
    return bars;
}

// A view of the specified chart: an indicator, a price style, a time window
// and a period, nothing beyond them.
inline ChartView ViewOf(int indicator, int priceStyle, const std::string& window,
                        BarPeriod period = BarPeriod::Daily) {
    ChartView view;
    view.indicator = indicator;
    view.priceStyle = priceStyle;
    view.window = window;
    view.period = period;
    return view;
}

} // namespace brevant::test
