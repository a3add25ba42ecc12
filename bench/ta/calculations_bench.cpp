// Brevant Dira — cost of the indicator calculations on one stock's bars.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "ta/calculation_table.h"

using namespace brevant;

namespace {

// 350 daily bars (the most a stock loads), a random walk held at single
// precision like the database columns.
TBars DailySeries() {
    std::mt19937 rng(350);
    std::uniform_real_distribution<double> step(-1.0, 1.0), wick(0.0, 0.8), volume(1e4, 1e6);
    auto single = [](double v) { return static_cast<double>(static_cast<float>(v)); };
    TBars bars(350);
    double close = 50;
    for (std::size_t i = 0; i < bars.size(); ++i) {
        TStockBar& b = bars[i];
        b.Date = 40000 + static_cast<double>(i);
        b.Open = single(close);
        close = std::max(1.0, close + step(rng));
        b.Close = single(close);
        b.High = single(std::max(b.Open, b.Close) + wick(rng));
        b.Low = single(std::min(b.Open, b.Close) - wick(rng));
        b.Volume = single(std::round(volume(rng)));
    }
    return bars;
}

// The default indicator periods and the overlay periods 20/50/200 (Bollinger
// 20, width 2).
const TIndicatorParams kParams = DefaultIndicatorParams();
const TOverlayParams kOverlay{20, 50, 200, 20, 2};

void BM_Calculation(benchmark::State& state, const CalculationInfo* calc) {
    TBars bars = DailySeries();
    for (auto _ : state) {
        calc->run(bars, kParams, kOverlay);
        benchmark::DoNotOptimize(bars.data());
        benchmark::ClobberMemory();
    }
}

// A screening run pays this once per stock, after loading its bars.
void BM_AllFourteen(benchmark::State& state) {
    TBars bars = DailySeries();
    for (auto _ : state) {
        RunAllCalculations(bars, kParams, kOverlay);
        benchmark::DoNotOptimize(bars.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_AllFourteen)->Unit(benchmark::kMicrosecond);

const bool kRegistered = [] {
    for (const CalculationInfo& c : kCalculations)
        benchmark::RegisterBenchmark(("BM_" + std::string(c.name)).c_str(), BM_Calculation, &c)
            ->Unit(benchmark::kMicrosecond);
    return true;
}();

} // namespace

BENCHMARK_MAIN();
