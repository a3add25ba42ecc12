// Brevant Dira — whole-column operations of the formula evaluator. A column
// holds one value per bar, oldest first; NaN is a bar without a value, and a
// result that needs such a bar has none either. Each operation writes `out`
// from bar `start` to the end only (the bars its reader needs); it may read
// its operands anywhere before.
#pragma once

#include <cstddef>
#include <span>

namespace brevant::series {

// Mean, sum, highest and lowest of the n values ending at each bar; each
// window is summed afresh, oldest value first, as the filters' averages are.
// No value where the window reaches before the first bar or holds a bar
// without a value.
void Mean(std::span<const double> x, int n, std::size_t start, std::span<double> out);
void Sum(std::span<const double> x, int n, std::size_t start, std::span<double> out);
void Highest(std::span<const double> x, int n, std::size_t start, std::span<double> out);
void Lowest(std::span<const double> x, int n, std::size_t start, std::span<double> out);

// Exponential average of period n: the mean of the first n values on the
// n-th bar, then (value - previous) * 2 / (n + 1) + previous on every bar
// after it. A bar without a value starts it again. Runs from the first bar
// whatever `start` says: every value depends on all before it.
void Ema(std::span<const double> x, int n, std::span<double> out);

// The value n bars earlier; none for the first n bars.
void LookBack(std::span<const double> x, int n, std::size_t start, std::span<double> out);

// 1 where x was at or below y on the bar before and is above it now (below:
// at or above, now below); 0 where not; no value where any of the four
// values is missing (the first bar always).
void CrossAbove(std::span<const double> x, std::span<const double> y, std::size_t start,
                std::span<double> out);
void CrossBelow(std::span<const double> x, std::span<const double> y, std::size_t start,
                std::span<double> out);

} // namespace brevant::series
