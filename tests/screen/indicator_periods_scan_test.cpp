// A stored RSI period changed as the periods dialog and `settings set` change
// it: the screening run then finds exactly the stocks a textbook RSI of the
// new period says cross the level.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "screen/scan_run.h"
#include "store/indicator_settings.h"
#include "support/db_fixture.h"

using namespace brevant;
using brevant::testing::DatabaseTest;

namespace {

// Wilder's RSI of `closes` with period n: 0 up to bar n, as the screen sees it.
std::vector<double> ReferenceRsi(const std::vector<double>& closes, int n) {
    std::vector<double> rsi(closes.size(), 0.0);
    const int last = int(closes.size()) - 1;
    if (last < n + 2) return rsi;
    double gain = 0, loss = 0;
    for (int c = 1; c <= n; ++c) {
        const double d = closes[c] - closes[c - 1];
        (d >= 0 ? gain : loss) += d >= 0 ? d : -d;
    }
    gain /= n;
    loss /= n;
    for (int c = n + 1; c <= last; ++c) {
        const double d = closes[c] - closes[c - 1];
        gain = ((n - 1) * gain + (d > 0 ? d : 0)) / n;
        loss = ((n - 1) * loss + (d <= 0 ? -d : 0)) / n;
        if (loss <= 0.001) {
            rsi[c] = 100;
            continue;
        }
        const double rs = gain / loss;
        rsi[c] = rs > 1000 ? 100 : 100 - 100 / (1 + rs);
    }
    return rsi;
}

// A random walk; the database keeps single-precision closes, and so does
// the reference.
std::vector<double> Walk(std::uint32_t seed, int n) {
    std::vector<double> closes;
    double price = 50;
    for (int i = 0; i < n; ++i) {
        seed = seed * 1664525u + 1013904223u;
        price *= 1 + (double(seed >> 8) / double(1u << 24) - 0.5) * 0.08;
        closes.push_back(double(float(price)));
    }
    return closes;
}

constexpr int kLevel = 50, kDays = 2;

} // namespace

class IndicatorPeriodsScan : public DatabaseTest {};

TEST_F(IndicatorPeriodsScan, AStoredRsiPeriodChangesTheScreenAsTheReferenceSays) {
    std::vector<std::string> list;
    std::vector<std::vector<double>> closes;
    for (int s = 0; s < 24; ++s) {
        const std::string symbol = "S" + std::to_string(s);
        closes.push_back(Walk(std::uint32_t(7919 * (s + 1)), 70));
        InsertCloses(symbol, "Stock " + symbol, closes.back());
        list.push_back("Stock " + symbol + " , " + symbol);
    }
    ScanFilters filters;
    filters.rsi = true;
    filters.rsiLevel = kLevel;
    filters.rsiDays = kDays;
    std::vector<std::vector<std::string>> found;
    for (const int period : {14, 5}) {
        SCOPED_TRACE("RSI " + std::to_string(period));
        TIndicatorParams edited;
        edited.RSI = period;
        SaveIndicatorParams(store, edited);
        TIndicatorParams params;
        LoadIndicatorParams(store, params);
        ASSERT_EQ(params.RSI, period);
        std::vector<std::string> expected;
        for (std::size_t s = 0; s < list.size(); ++s) {
            const std::vector<double> rsi = ReferenceRsi(closes[s], period);
            const std::size_t last = rsi.size() - 1;
            if (kLevel > rsi[last - kDays] && kLevel < rsi[last]) expected.push_back(list[s]);
        }
        ScanCallbacks callbacks;
        callbacks.processMessages = [] {};
        callbacks.stopRequested = [] { return false; };
        const ScanResult result = RunScan(store, list, params, filters, callbacks);
        EXPECT_EQ(result.passed, expected);
        found.push_back(result.passed);
    }
    // The fixture must show the change: the two periods pick other stocks.
    EXPECT_NE(found[0], found[1]);
}
