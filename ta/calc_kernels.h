// Brevant Dira — small arithmetic pieces shared by the indicator calculations.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "ta/stock_bar.h"

namespace brevant::calc {

// Each kernel keeps the order of operations of the indicator's definition:
// results are checked to the last bit, so none of them may be rewritten into a
// cheaper but differently rounded form (running sums, precomputed smoothing
// factors).

inline int LastIndex(const TBars& bars) {
    return static_cast<int>(bars.size()) - 1;
}

// Minimum lengths are compared in 64 bits so that a huge period cannot wrap.
inline bool HasBars(const TBars& bars, std::int64_t count) {
    return static_cast<std::int64_t>(bars.size()) >= count;
}

// Sum of value(k) for k = first .. last, oldest first.
template <class Value> double SumOldestFirst(int first, int last, Value value) {
    double sum = 0;
    for (int k = first; k <= last; ++k) sum += value(k);
    return sum;
}

// Sum of value(k) for k = last down to first, newest first.
template <class Value> double SumNewestFirst(int first, int last, Value value) {
    double sum = 0;
    for (int k = last; k >= first; --k) sum += value(k);
    return sum;
}

// value(bar) for every bar, gathered once so that the windows re-summed for
// each bar read a derived value instead of recomputing it.
template <class Value> std::vector<double> PerBar(const TBars& bars, Value value) {
    std::vector<double> out;
    out.reserve(bars.size());
    for (const TStockBar& bar : bars) out.push_back(value(bar));
    return out;
}

// For every n-value window of a contiguous series, oldest window first:
// store(t, sum of values[t - n + 1 .. t]) for t = n - 1 .. size - 1. Each
// window is summed afresh, oldest value first, exactly as SumOldestFirst
// would; four neighbouring windows are summed side by side only so that their
// additions overlap in the processor.
template <class Store>
void ForEachWindowSum(const std::vector<double>& values, int n, Store store) {
    const int last = static_cast<int>(values.size()) - 1;
    int t = n - 1;
    for (; t + 3 <= last; t += 4) {
        const double* w = values.data() + (t - n + 1);
        double s0 = 0, s1 = 0, s2 = 0, s3 = 0;
        for (int j = 0; j < n; ++j) {
            s0 += w[j];
            s1 += w[j + 1];
            s2 += w[j + 2];
            s3 += w[j + 3];
        }
        store(t, s0);
        store(t + 1, s1);
        store(t + 2, s2);
        store(t + 3, s3);
    }
    for (; t <= last; ++t) {
        const double* w = values.data() + (t - n + 1);
        double sum = 0;
        for (int j = 0; j < n; ++j) sum += w[j];
        store(t, sum);
    }
}

// The n-bar window ending at t is t - n + 1 .. t.
inline int WindowStart(int t, int n) {
    return t - n + 1;
}

// Highest High and lowest Low of bars first .. last, found in one scan.
struct HighLow {
    double highest, lowest;
};
inline HighLow WindowHighLow(const TBars& bars, int first, int last) {
    HighLow hl{bars[first].High, bars[first].Low};
    for (int k = first + 1; k <= last; ++k) {
        hl.highest = std::max(hl.highest, bars[k].High);
        hl.lowest = std::min(hl.lowest, bars[k].Low);
    }
    return hl;
}

inline double TypicalPrice(const TStockBar& bar) {
    return (bar.Close + bar.High + bar.Low) / 3;
}

// Exponential step: (new - previous) * 2 / (period + 1) + previous.
inline double EmaStep(double previous, double value, int period) {
    return (value - previous) * 2 / (static_cast<double>(period) + 1) + previous;
}

// Wilder smoothing of a running sum (+DM, -DM, true range).
inline double WilderSumStep(double previous, double current, int n) {
    return previous * (n - 1.0) / n + current;
}

// Wilder smoothing of an average (ADX, ATR, RSI averages).
inline double WilderAverageStep(double previous, double current, int n) {
    return ((n - 1.0) * previous + current) / n;
}

// True range of a bar against the previous close. The average true range
// takes the bar's own range as High - Low; the directional system takes its
// absolute value. They differ only on a bar whose High is below its Low.
inline double TrueRange(const TStockBar& bar, double previousClose) {
    return std::max({bar.High - bar.Low, std::fabs(bar.High - previousClose),
                     std::fabs(bar.Low - previousClose)});
}
inline double AbsTrueRange(const TStockBar& bar, double previousClose) {
    return std::max({std::fabs(bar.High - bar.Low), std::fabs(bar.High - previousClose),
                     std::fabs(bar.Low - previousClose)});
}

// Raw stochastic %K of the n-bar window ending at t; a flat window gives 0.
inline double RawPercentK(const TBars& bars, int t, int n) {
    const auto [hh, ll] = WindowHighLow(bars, WindowStart(t, n), t);
    if (hh - ll == 0) return 0;
    return (bars[t].Close - ll) / (hh - ll) * 100;
}

// RSI from the smoothed averages. A tiny average loss, or a ratio above 1000,
// pins the index at 100 instead of dividing by next to nothing.
inline double RsiFromAverages(double avgGain, double avgLoss) {
    if (avgLoss <= 0.001) return 100;
    const double rs = avgGain / avgLoss;
    if (rs > 1000) return 100;
    return 100 - 100 / (1 + rs);
}

// Money-flow volume; only defined for a bar with a range (see HasRange).
inline bool HasRange(const TStockBar& bar) {
    return bar.High - bar.Low != 0;
}
inline double MoneyFlowVolume(const TStockBar& bar) {
    return ((bar.Close - bar.Low) - (bar.High - bar.Close)) * bar.Volume / (bar.High - bar.Low);
}

// Sets field to 0.0 on every bar.
inline void ResetField(TBars& bars, double TStockBar::*field) {
    for (TStockBar& bar : bars) bar.*field = 0;
}

} // namespace brevant::calc
