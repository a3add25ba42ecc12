// Brevant Dira — whole-column operations of the formula evaluator.
#include "formula/series_ops.h"

#include <cmath>
#include <limits>

#include "ta/calc_kernels.h"

namespace brevant::series {
namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

// Calls window(first, t) for each bar from `start` whose n-bar window lies
// within the series; no value elsewhere.
template <class Window>
void ForEachWindow(std::size_t size, int n, std::size_t start, std::span<double> out,
                   Window window) {
    for (std::size_t t = start; t < size; ++t) {
        const long first = static_cast<long>(t) - n + 1;
        out[t] = first < 0 ? kNone : window(static_cast<int>(first), static_cast<int>(t));
    }
}

// The sum of x over the window, oldest first; NaN when a value is missing
// (a NaN term makes the whole sum NaN).
double WindowSum(std::span<const double> x, int first, int last) {
    return calc::SumOldestFirst(first, last, [&](int k) { return x[static_cast<std::size_t>(k)]; });
}

template <class Better>
double WindowBest(std::span<const double> x, int first, int last, Better better) {
    double best = x[static_cast<std::size_t>(last)];
    for (int k = first; k <= last; ++k) {
        const double v = x[static_cast<std::size_t>(k)];
        if (std::isnan(v)) return kNone;
        if (better(v, best)) best = v;
    }
    return best;
}

} // namespace

void Sum(std::span<const double> x, int n, std::size_t start, std::span<double> out) {
    ForEachWindow(x.size(), n, start, out,
                  [&](int first, int t) { return WindowSum(x, first, t); });
}

void Mean(std::span<const double> x, int n, std::size_t start, std::span<double> out) {
    ForEachWindow(x.size(), n, start, out,
                  [&](int first, int t) { return WindowSum(x, first, t) / n; });
}

void Highest(std::span<const double> x, int n, std::size_t start, std::span<double> out) {
    ForEachWindow(x.size(), n, start, out, [&](int first, int t) {
        return WindowBest(x, first, t, [](double v, double best) { return v > best; });
    });
}

void Lowest(std::span<const double> x, int n, std::size_t start, std::span<double> out) {
    ForEachWindow(x.size(), n, start, out, [&](int first, int t) {
        return WindowBest(x, first, t, [](double v, double best) { return v < best; });
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
            average = WindowSum(x, static_cast<int>(t) - n + 1, static_cast<int>(t)) / n;
        else
            average = calc::EmaStep(average, x[t], n);
        out[t] = average;
    }
}

void LookBack(std::span<const double> x, int n, std::size_t start, std::span<double> out) {
    const auto bars = static_cast<std::size_t>(n);
    for (std::size_t t = start; t < x.size(); ++t) out[t] = t >= bars ? x[t - bars] : kNone;
}

namespace {
template <class Crossed>
void Cross(std::span<const double> x, std::span<const double> y, std::size_t start,
           std::span<double> out, Crossed crossed) {
    for (std::size_t t = start; t < x.size(); ++t) {
        if (t == 0 || std::isnan(x[t]) || std::isnan(y[t]) || std::isnan(x[t - 1]) ||
            std::isnan(y[t - 1])) {
            out[t] = kNone;
            continue;
        }
        out[t] = crossed(x[t - 1], y[t - 1], x[t], y[t]) ? 1.0 : 0.0;
    }
}
} // namespace

void CrossAbove(std::span<const double> x, std::span<const double> y, std::size_t start,
                std::span<double> out) {
    Cross(x, y, start, out,
          [](double x0, double y0, double x1, double y1) { return x0 <= y0 && x1 > y1; });
}

void CrossBelow(std::span<const double> x, std::span<const double> y, std::size_t start,
                std::span<double> out) {
    Cross(x, y, start, out,
          [](double x0, double y0, double x1, double y1) { return x0 >= y0 && x1 < y1; });
}

} // namespace brevant::series
