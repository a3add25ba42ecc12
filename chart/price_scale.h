// Brevant Dira — the price axis as a mapping between prices and heights,
// linear or logarithmic, and the round prices a logarithmic axis labels.
#pragma once

#include <vector>

namespace brevant {

// The price axis from `low` (the bottom of the panel) to `high` (its top).
// On a logarithmic scale equal ratios take equal heights; it needs a range
// above zero and maps prices of 0 and below to no height at all.
class PriceScale {
public:
    PriceScale() = default;
    PriceScale(double low, double high, bool logarithmic);

    double Low() const { return low_; }
    double High() const { return high_; }
    bool Logarithmic() const { return log_; }

    // 0 at the bottom, 1 at the top (beyond them outside the range); NaN for
    // a price a logarithmic scale cannot show, or on an empty range.
    double Fraction(double price) const;
    // The price at a fraction of the height.
    double PriceAt(double fraction) const;

private:
    double low_ = 0, high_ = 1;
    bool log_ = false;
};

// Round prices to label a logarithmic axis from `low` to `high` (both above
// 0) with at most `maxTicks` labels, ascending: whole decades when the range
// spans many, else 1-2-5 steps and finer series of each decade (1, 1.5, 2, 3,
// 4, 5, 6, 8), and, on a range too narrow for any of those to give three
// labels, evenly spaced round prices as a linear axis has them (1, 2, 2.5 or
// 5 times a power of ten). Empty for a range that is not above 0.
std::vector<double> LogScaleTicks(double low, double high, int maxTicks);

} // namespace brevant
