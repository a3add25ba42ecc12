// Brevant Dira — the figures of a back-test: forward returns of a screen's
// picks against every stock on the same days.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "formula/formula_evaluator.h"

namespace brevant {

// Count, mean, median and the share above zero of a set of returns (fractions:
// 0.05 is 5 %); NaN figures for an empty set.
struct ReturnFigures {
    long count = 0;
    double mean, median, roseShare;
};

struct HoldFigures {
    int hold = 0;         // bars held
    ReturnFigures picks;  // the screen's picks
    ReturnFigures market; // every stock with a close on both days
};

// One stock that passed on one day, with its forward return for each hold
// (NaN where the stock has no close `hold` days later in the back-test).
struct BacktestPick {
    int day = 0;   // index into BacktestFigures::days
    int stock = 0; // index into the stock list
    double close = 0;
    std::vector<double> returns;
};

struct BacktestFigures {
    std::vector<double> days; // the back-test's days (day numbers), oldest first
    std::vector<HoldFigures> holds;
    std::vector<BacktestPick> picks; // by day, then in stock-list order
    // Per hold and day: the mean of every forward return from the first day
    // up to that day, of the picks and of the market; NaN before the first
    // return and on the days without `hold` days after them.
    std::vector<std::vector<double>> pickCurves, marketCurves;
    long stockDays = 0;   // stocks with a bar on a back-test day, added up
    long shortOfData = 0; // of those, where the formula lacked a value
};

// One bar of a stock as the back-test sees it.
struct BacktestBar {
    double date, close;
    FormulaAnswer answer;
};

// Gathers the stocks' bars, then works out the figures. A forward return for
// hold h from day d is close(d + h) / close(d) - 1, d + h being the h-th
// back-test day after d; the stock must have a bar on both days. Days with
// fewer than h days after them are left out of that hold's figures.
class BacktestTally {
public:
    BacktestTally(int days, std::vector<int> holds) : days_(days), holds_(std::move(holds)) {}

    // The stock's newest bars, oldest first; only the last `days` are kept
    // (no bar older than them can fall on a back-test day).
    void AddStock(int stock, std::span<const BacktestBar> bars);

    // The back-test days are the newest `days` dates any stock has a bar on.
    BacktestFigures Finish() const;

    static std::size_t BarsKept(std::size_t bars, int days) {
        return std::min(bars, static_cast<std::size_t>(days));
    }

private:
    struct Kept {
        int stock;
        std::size_t first, count;
    };
    int days_;
    std::vector<int> holds_;
    std::vector<BacktestBar> bars_;
    std::vector<Kept> stocks_;
    // The newest `days_` dates seen so far, oldest first: older ones can
    // never be among the newest of all.
    std::vector<double> calendar_, dates_, merged_;
};

ReturnFigures FiguresOf(std::vector<double>& returns);

} // namespace brevant
