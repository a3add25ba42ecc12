// Brevant Dira — one stock's bars in each period.
#include "screen/stock_series.h"

#include "ta/calculations.h"

namespace brevant {

void ExpandFormulaBars(std::span<const CompactBar> daily, BarPeriod period, TBars& bars) {
    if (period != BarPeriod::Daily) {
        ExpandBars(daily, bars);
        ConvertToPeriod(bars, period);
        return;
    }
    CopyPrices(daily, bars);
}

void StockSeries::Reset(std::span<const CompactBar> daily) {
    daily_ = daily;
    // The vectors keep their memory for the next stock.
    for (Series& s : series_) s.made = s.macd = s.rsi = false;
    formulaMade_ = {};
}

StockSeries::Series& StockSeries::Made(BarPeriod period) {
    Series& s = series_[static_cast<std::size_t>(period)];
    if (!s.made) {
        ExpandBars(daily_, s.bars);
        ConvertToPeriod(s.bars, period);
        s.made = true;
    }
    return s;
}

const TBars& StockSeries::Bars(BarPeriod period) {
    return Made(period).bars;
}

TBars& StockSeries::ForFormulas(BarPeriod period) {
    const auto p = static_cast<std::size_t>(period);
    if (!formulaMade_[p]) {
        ExpandFormulaBars(daily_, period, formulaBars_[p]);
        formulaMade_[p] = true;
    }
    return formulaBars_[p];
}

const TBars& StockSeries::WithMacd(BarPeriod period, const TIndicatorParams& params) {
    Series& s = Made(period);
    if (!s.macd) {
        CalMACD(s.bars, params);
        s.macd = true;
    }
    return s.bars;
}

const TBars& StockSeries::WithRsi(BarPeriod period, const TIndicatorParams& params) {
    Series& s = Made(period);
    if (!s.rsi) {
        CalRSI(s.bars, params);
        s.rsi = true;
    }
    return s.bars;
}

} // namespace brevant
