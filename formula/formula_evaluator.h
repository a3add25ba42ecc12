// Brevant Dira — evaluating a parsed formula over one stock's bars at a time.
#pragma once

#include <cmath>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "formula/formula.h"
#include "ta/calculation_table.h"
#include "ta/indicator_params.h"
#include "ta/stock_bar.h"

namespace brevant {

// What a formula says of a stock on one bar.
enum class FormulaAnswer { Pass, Fail, ShortOfData };

// Reads a condition column's bar: NaN is short of data.
inline FormulaAnswer AnswerAt(std::span<const double> condition, std::size_t bar) {
    if (bar >= condition.size() || std::isnan(condition[bar])) return FormulaAnswer::ShortOfData;
    return condition[bar] != 0 ? FormulaAnswer::Pass : FormulaAnswer::Fail;
}

// Parsed once, evaluated per stock: every distinct sub-expression becomes one
// column over all the stock's bars. Each calculation runs with the settings
// given here, periods written in the formula replacing their own, and its
// values are taken from the bar its own rule first fills, on a series at
// least as long as it needs; before that bar, or on a shorter series, they
// are missing. The last bar of the column is the screen's answer. Every
// calculation and function looks only backwards, so the formula on the
// series cut after bar t answers as AnswerAsOf(column, t) does: a back-test
// reads every day from one evaluation.
class FormulaEvaluator {
public:
    FormulaEvaluator(std::shared_ptr<const Formula> formula, const TIndicatorParams& params,
                     const TOverlayParams& overlay = {});

    // The condition on the last `wanted` bars of `bars` (oldest first, prices
    // set): 1 true, 0 false, NaN where a value it needs is missing; the bars
    // before them hold no meaning. Each part of the formula is worked out
    // only on the bars the condition reads of it. The calculations overwrite
    // their own fields of `bars`. The column lives until the next call.
    std::span<const double> Evaluate(TBars& bars, std::size_t wanted = SIZE_MAX);

    const Formula& Source() const { return *formula_; }

    // The most bars any of the formula's calculations needs (0 for none).
    std::int64_t MinimumBars() const { return minimumBars_; }

    // The answer of the formula on the series cut after bar t, from the
    // column of the whole series: as there, except that a calculation
    // refuses a cut series shorter than it needs.
    FormulaAnswer AnswerAsOf(std::span<const double> condition, std::size_t t) const {
        if (static_cast<std::int64_t>(t) + 1 < minimumBars_) return FormulaAnswer::ShortOfData;
        return AnswerAt(condition, t);
    }

private:
    struct Run {
        const CalculationInfo* calculation;
        TIndicatorParams params;
        TOverlayParams overlay;
        std::int64_t minimumBars;
    };
    struct Output {
        int node, run;
        std::int64_t firstBar;
    };
    void Prepare(const TIndicatorParams& params, const TOverlayParams& overlay);
    void EvaluateNode(const FormulaNode& n, std::size_t start, std::span<double> out);
    void FirstNeededBars(std::size_t size, std::size_t wanted);
    std::span<const double> Column(int node, std::size_t size) const {
        return {columns_[static_cast<std::size_t>(node)].data(), size};
    }

    std::shared_ptr<const Formula> formula_;
    std::vector<Run> runs_;
    std::vector<Output> outputs_;
    std::vector<std::vector<double>> columns_;
    std::vector<std::size_t> start_; // per node: the first bar worked out
    std::vector<std::int64_t> back_; // per node: bars before the last it is read on
    std::int64_t minimumBars_ = 0;
};

} // namespace brevant
