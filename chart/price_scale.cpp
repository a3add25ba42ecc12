// Brevant Dira — the price axis mapping and logarithmic ticks.
#include "chart/price_scale.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

namespace brevant {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The prices of one series of mantissas in every decade from `low` to `high`.
std::vector<double> DecadeTicks(double low, double high, std::initializer_list<double> mantissas,
                                int everyNthDecade) {
    std::vector<double> ticks;
    const int first = static_cast<int>(std::floor(std::log10(low)));
    const int last = static_cast<int>(std::ceil(std::log10(high)));
    for (int e = first; e <= last; ++e) {
        if ((e % everyNthDecade + everyNthDecade) % everyNthDecade != 0) continue;
        // Divided below 1, so that 1.5 / 100 is the double nearest 0.015.
        const double power = std::pow(10.0, std::abs(e));
        for (double m : mantissas) {
            const double tick = e >= 0 ? m * power : m / power;
            if (tick >= low * (1 - 1e-12) && tick <= high * (1 + 1e-12)) ticks.push_back(tick);
        }
    }
    return ticks;
}

// Evenly spaced round prices, as a linear axis would label the range.
std::vector<double> LinearTicks(double low, double high, int maxTicks) {
    const double rough = (high - low) / std::max(maxTicks - 1, 1);
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10 * magnitude;
    for (double m : {1.0, 2.0, 2.5, 5.0})
        if (m * magnitude >= rough) {
            step = m * magnitude;
            break;
        }
    std::vector<double> ticks;
    for (double k = std::ceil(low / step); k * step <= high * (1 + 1e-12); ++k)
        ticks.push_back(k * step);
    return ticks;
}

} // namespace

PriceScale::PriceScale(double low, double high, bool logarithmic)
    : low_(low), high_(high), log_(logarithmic) {}

double PriceScale::Fraction(double price) const {
    if (log_) {
        if (!(price > 0) || !(low_ > 0) || !(high_ > low_)) return kNaN;
        return std::log(price / low_) / std::log(high_ / low_);
    }
    if (!(high_ > low_)) return kNaN;
    return (price - low_) / (high_ - low_);
}

double PriceScale::PriceAt(double fraction) const {
    if (log_) return low_ * std::pow(high_ / low_, fraction);
    return low_ + fraction * (high_ - low_);
}

std::vector<double> LogScaleTicks(double low, double high, int maxTicks) {
    if (!(low > 0) || !(high > low) || !std::isfinite(high)) return {};
    maxTicks = std::max(maxTicks, 2);
    // The densest series that fits, from whole decades to eight a decade.
    const std::initializer_list<double> series[] = {
        {1, 1.5, 2, 3, 4, 5, 6, 8}, {1, 2, 3, 5}, {1, 2, 5}, {1}};
    for (const auto& mantissas : series) {
        std::vector<double> ticks = DecadeTicks(low, high, mantissas, 1);
        if (int(ticks.size()) > maxTicks) continue;
        if (ticks.size() >= 3) return ticks;
        // Too narrow a range for the series of a decade.
        return LinearTicks(low, high, maxTicks);
    }
    // More decades than labels: every second, fifth, tenth... decade.
    for (int every : {2, 5, 10, 20, 50, 100}) {
        std::vector<double> ticks = DecadeTicks(low, high, {1}, every);
        if (int(ticks.size()) <= maxTicks) return ticks;
    }
    return {};
}

} // namespace brevant
