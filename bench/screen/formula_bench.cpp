// Brevant Dira — formula screens and their back-test in one process, on a
// warm bar cache: the four filters' repeated run and a formula screen with
// two calculations and a cross, run alternately (paired); a back-test of the
// last DAYS days with three holds; and how long a bad formula takes to be
// told.
//
// usage: formula_bench [--repeat N] [--days DAYS] DB
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "formula/formula_error.h"
#include "screen/backtest.h"
#include "screen/scan_run.h"
#include "store/bar_cache.h"
#include "store/bootstrap.h"
#include "store/stock_list.h"

using namespace brevant;
using Clock = std::chrono::steady_clock;

namespace {

constexpr const char* kFormula = "macd_line crosses above macd_signal and rsi < 70";
constexpr const char* kBadFormula = "macd_line crosses above macd_signal and rsi(14 < 70";

double Since(Clock::time_point t) {
    return std::chrono::duration<double>(Clock::now() - t).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

ScanFilters AllFour() {
    ScanFilters f;
    f.macd = f.movingAverage = f.rsi = f.volume = true;
    f.rsiLevel = 30;
    return f;
}

template <class Run> double Timed(Run run) {
    const Clock::time_point t = Clock::now();
    run();
    return Since(t);
}

} // namespace

int main(int argc, char** argv) {
    int repeat = 9, days = 250;
    int i = 1;
    for (; i < argc - 1; ++i) {
        if (std::strcmp(argv[i], "--repeat") == 0 && i + 1 < argc - 1)
            repeat = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--days") == 0 && i + 1 < argc - 1)
            days = std::atoi(argv[++i]);
        else
            break;
    }
    if (i != argc - 1) {
        std::fprintf(stderr, "usage: %s [--repeat N] [--days DAYS] DB\n", argv[0]);
        return 2;
    }
    TDataStore store;
    if (const OpenResult opened = CheckFirebird(store, argv[i], {}); !opened) {
        std::fprintf(stderr, "%s: %s\n", argv[i], opened.Message.c_str());
        return 1;
    }
    TStockList list;
    TIndicatorParams params;
    LoadStockList(store, list, params, {});
    TBarCache cache;
    const ScanFilters four = AllFour();
    ScanFilters formula;
    formula.formula = ParseFormula(kFormula);
    // The first run fills the cache; every timed run reads it.
    const double fill = Timed([&] { RunScan(store, list.Items, params, four, {}, &cache); });
    std::printf("stocks=%zu first_scan_seconds=%.3f\n", list.Items.size(), fill);

    std::vector<double> filters, formulas, ratios;
    int passed = 0;
    for (int r = 0; r < repeat; ++r) {
        const double a = Timed([&] { RunScan(store, list.Items, params, four, {}, &cache); });
        const double b = Timed([&] {
            passed = RunScan(store, list.Items, params, formula, {}, &cache).counters.successful;
        });
        filters.push_back(a);
        formulas.push_back(b);
        ratios.push_back(b / a);
    }
    std::printf("four_filters_seconds=%.4f formula_seconds=%.4f formula_over_filters=%.2f "
                "(median of %d pairs) formula_passed=%d\n",
                Median(filters), Median(formulas), Median(ratios), repeat, passed);

    BacktestSettings settings;
    settings.formula = formula.formula;
    settings.days = days;
    settings.holds = {1, 5, 20};
    std::vector<double> backtests;
    BacktestResult last;
    for (int r = 0; r < std::max(3, repeat / 3); ++r)
        backtests.push_back(
            Timed([&] { last = RunBacktest(store, list.Items, params, settings, {}, cache); }));
    std::printf("backtest_seconds=%.3f (median of %zu) days=%zu picks=%zu stock_days=%ld\n",
                Median(backtests), backtests.size(), last.figures.days.size(),
                last.figures.picks.size(), last.figures.stockDays);

    constexpr int kParses = 10000;
    std::string message;
    const double parses = Timed([&] {
        for (int p = 0; p < kParses; ++p) {
            try {
                ParseFormula(kBadFormula);
            } catch (const FormulaError& e) {
                message = e.what();
            }
        }
    });
    std::printf("parse_error_ms=%.4f (%s)\n", parses / kParses * 1000, message.c_str());
    store.DB1.Disconnect();
    return 0;
}
