// Brevant Dira — whole-column operations of the formula evaluator.
#include "formula/series_ops.h"

#include <cmath>
#include <limits>

#include "ta/calc_kernels.h"

namespace brevant::series {
namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

// Calls window(t) for each bar whose n-bar window holds n values; writes no
// value elsewhere.
template <class Window>
void ForEachFullWindow(std::span<const double> x, int n, std::span<double> out, Window window) {
    int run = 0; // values with a value ending at t
    for (std::size_t t = 0; t < x.size(); ++t) {
        run = std::isnan(x[t]) ? 0 : run + 1;
        out[t] = run >= n ? window(static_cast<int>(t)) : kNone;
    }
}

} // namespace

void Sum(std::span<const double> x, int n, std::span<double> out) {
    ForEachFullWindow(x, n, out, [&](int t) {
        return calc::SumOldestFirst(calc::WindowStart(t, n), t, [&](int k) { return x[k]; });
    });
}

void Mean(std::span<const double> x, int n, std::span<double> out) {
    ForEachFullWindow(x, n, out, [&](int t) {
        return calc::SumOldestFirst(calc::WindowStart(t, n), t, [&](int k) { return x[k]; }) / n;
    });
}

void Highest(std::span<const double> x, int n, std::span<double> out) {
    ForEachFullWindow(x, n, out, [&](int t) {
        double h = x[t];
        for (int k = calc::WindowStart(t, n); k < t; ++k) h = std::max(h, x[k]);
        return h;
    });
}

void Lowest(std::span<const double> x, int n, std::span<double> out) {
    ForEachFullWindow(x, n, out, [&](int t) {
        double l = x[t];
        for (int k = calc::WindowStart(t, n); k < t; ++k) l = std::min(l, x[k]);
        return l;
    });
}

void Ema(std::span<const double> x, int n, std::span<double> out) {
    int run = 0;
    double average = 0;
    for (std::size_t t = 0; t < x.size(); ++t) {
        if (std::isnan(x[t])) {
            run = 0;
            out[t] = kNone;
            continue;
        }
        ++run;
        if (run < n) {
            out[t] = kNone;
            continue;
        }
        if (run == n)
            average = calc::SumOldestFirst(static_cast<int>(t) - n + 1, static_cast<int>(t),
                                           [&](int k) { return x[k]; }) /
                      n;
        else
            average = calc::EmaStep(average, x[t], n);
        out[t] = average;
    }
}

void LookBack(std::span<const double> x, int n, std::span<double> out) {
    for (std::size_t t = 0; t < x.size(); ++t)
        out[t] = t >= static_cast<std::size_t>(n) ? x[t - static_cast<std::size_t>(n)] : kNone;
}

namespace {
template <class Crossed>
void Cross(std::span<const double> x, std::span<const double> y, std::span<double> out,
           Crossed crossed) {
    for (std::size_t t = 0; t < x.size(); ++t) {
        if (t == 0 || std::isnan(x[t]) || std::isnan(y[t]) || std::isnan(x[t - 1]) ||
            std::isnan(y[t - 1])) {
            out[t] = kNone;
            continue;
        }
        out[t] = crossed(x[t - 1], y[t - 1], x[t], y[t]) ? 1.0 : 0.0;
    }
}
} // namespace

void CrossAbove(std::span<const double> x, std::span<const double> y, std::span<double> out) {
    Cross(x, y, out,
          [](double x0, double y0, double x1, double y1) { return x0 <= y0 && x1 > y1; });
}

void CrossBelow(std::span<const double> x, std::span<const double> y, std::span<double> out) {
    Cross(x, y, out,
          [](double x0, double y0, double x1, double y1) { return x0 >= y0 && x1 < y1; });
}

} // namespace brevant::series
