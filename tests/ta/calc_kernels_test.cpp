// The side-by-side window sums against one window at a time.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "ta/calc_kernels.h"

using namespace brevant;

// Values of wildly different sizes, so that any change in the order of the
// additions changes the sums.
TEST(ForEachWindowSum, SameBitsAsSummingEachWindowOldestFirst) {
    std::mt19937 rng(5);
    std::uniform_real_distribution<double> mantissa(-1, 1);
    std::uniform_int_distribution<int> exponent(-20, 20);
    for (int size = 0; size <= 24; ++size)
        for (int n = 1; n <= std::max(size, 1) && n <= 11; ++n) {
            SCOPED_TRACE("size " + std::to_string(size) + ", window " + std::to_string(n));
            std::vector<double> values;
            for (int i = 0; i < size; ++i)
                values.push_back(std::ldexp(mantissa(rng), exponent(rng)));
            std::vector<int> seen;
            calc::ForEachWindowSum(values, n, [&](int t, double sum) {
                seen.push_back(t);
                const double expected = calc::SumOldestFirst(calc::WindowStart(t, n), t,
                                                             [&](int k) { return values[k]; });
                EXPECT_EQ(sum, expected) << "window ending at " << t;
            });
            std::vector<int> all;
            for (int t = n - 1; t < size; ++t) all.push_back(t);
            EXPECT_EQ(seen, all);
        }
}
