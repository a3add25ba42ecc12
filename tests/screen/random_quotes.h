// Random stocks for the screening tests: random walks written as quote
// lines, and random values inside the limits.
#pragma once

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "ta/day_date.h"
#include "ta/period_bars.h"

namespace brevant::testing {

// Random walks of 3 to 420 weekdays ending Friday 4 December 2026, some
// stocks trading more than others; every stock has a line per day.
inline std::string RandomQuotes(std::mt19937& random, int stocks) {
    std::string text;
    for (int s = 0; s < stocks; ++s) {
        const int days = s % 7 == 0 ? 3 + static_cast<int>(random() % 40)
                                    : 60 + static_cast<int>(random() % 361);
        std::vector<double> dates;
        for (double d = EncodeDate(2026, 12, 4); static_cast<int>(dates.size()) < days; --d)
            if (DayOfTheWeek(d) <= 5) dates.insert(dates.begin(), d);
        double close = 20 + random() % 80;
        const double drift = (static_cast<int>(random() % 21) - 10) / 1000.0;
        const long volume = 500 + static_cast<long>(random() % 20000);
        for (double date : dates) {
            close *= 1 + drift + (static_cast<int>(random() % 2001) - 1000) / 40000.0;
            const CivilDate c = DecodeDate(date);
            char line[160];
            std::snprintf(line, sizeof line,
                          "S%02d,Stock %02d,%02d%02d%04d,%.2f,%.2f,%.2f,%.2f,%ld\n", s, s, c.day,
                          c.month, c.year, close * 0.99, close * 1.02, close * 0.97, close,
                          volume + static_cast<long>(random() % 5000));
            text += line;
        }
    }
    return text;
}

inline BarPeriod RandomPeriod(std::mt19937& random) {
    const unsigned r = random() % 6; // mostly daily: the long filters need days
    return r < 4 ? BarPeriod::Daily : r == 4 ? BarPeriod::Weekly : BarPeriod::Monthly;
}

inline int Between(std::mt19937& random, int low, int high) {
    return low + static_cast<int>(random() % static_cast<unsigned>(high - low + 1));
}

} // namespace brevant::testing
