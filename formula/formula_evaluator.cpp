// Brevant Dira — evaluating a parsed formula over one stock's bars at a time.
#include "formula/formula_evaluator.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "formula/formula_names.h"
#include "formula/series_ops.h"

namespace brevant {
namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

bool SameSettings(const TIndicatorParams& a, const TIndicatorParams& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}
bool SameSettings(const TOverlayParams& a, const TOverlayParams& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

double Truth(bool b) {
    return b ? 1.0 : 0.0;
}

// out[t] = f(a[t], b[t]); f sees NaN operands itself.
template <class F>
void Each(std::span<const double> a, std::span<const double> b, std::span<double> out, F f) {
    for (std::size_t t = 0; t < out.size(); ++t) out[t] = f(a[t], b[t]);
}

// A comparison has no value where either side has none.
template <class F>
void Compare(std::span<const double> a, std::span<const double> b, std::span<double> out, F f) {
    Each(a, b, out, [f](double x, double y) {
        return std::isnan(x) || std::isnan(y) ? kNone : Truth(f(x, y));
    });
}

} // namespace

FormulaEvaluator::FormulaEvaluator(std::shared_ptr<const Formula> formula,
                                   const TIndicatorParams& params, const TOverlayParams& overlay)
    : formula_(std::move(formula)) {
    Prepare(params, overlay);
    columns_.resize(formula_->nodes.size());
}

// One run per distinct calculation and settings, however many of its values
// the formula reads.
void FormulaEvaluator::Prepare(const TIndicatorParams& params, const TOverlayParams& overlay) {
    for (std::size_t i = 0; i < formula_->nodes.size(); ++i) {
        const FormulaNode& n = formula_->nodes[i];
        if (n.op != FormulaOp::Indicator) continue;
        const FormulaIndicator& indicator =
            FormulaIndicators()[static_cast<std::size_t>(n.indicator)];
        Run run{indicator.calculation, params, overlay, 0};
        ApplyFormulaPeriods(*run.calculation,
                            std::span(n.periods.data(), static_cast<std::size_t>(n.periodCount)),
                            run.params, run.overlay);
        run.minimumBars = run.calculation->minimumBars(run.params, run.overlay);
        auto same = std::find_if(runs_.begin(), runs_.end(), [&](const Run& r) {
            return r.calculation == run.calculation && SameSettings(r.params, run.params) &&
                   SameSettings(r.overlay, run.overlay);
        });
        if (same == runs_.end()) same = runs_.insert(runs_.end(), run);
        minimumBars_ = std::max(minimumBars_, run.minimumBars);
        // A value counts from the calculation's first filled bar, and only on
        // a series as long as the calculation needs (checked per stock).
        outputs_.push_back({static_cast<int>(i), static_cast<int>(same - runs_.begin()),
                            indicator.firstBar(run.params, run.overlay)});
    }
}

// How many bars before the last each node must be worked out on, from what
// its readers take of it: a look-back n bars further, a window n - 1 bars
// further, a cross one bar further, an average that is carried forward all
// of them.
void FormulaEvaluator::FirstNeededBars(std::size_t size, std::size_t wanted) {
    constexpr std::int64_t kAll = INT64_MAX / 4;
    const std::vector<FormulaNode>& nodes = formula_->nodes;
    std::vector<std::int64_t>& back = back_;
    back.assign(nodes.size(), -1);
    back[static_cast<std::size_t>(formula_->root)] =
        wanted >= size ? kAll : static_cast<std::int64_t>(wanted) - 1;
    for (std::size_t i = nodes.size(); i-- > 0;) {
        const FormulaNode& n = nodes[i];
        if (back[i] < 0) continue;
        std::int64_t further = 0;
        switch (n.op) {
        case FormulaOp::LookBack:
            further = n.n;
            break;
        case FormulaOp::Ma:
        case FormulaOp::Sum:
        case FormulaOp::Highest:
        case FormulaOp::Lowest:
            further = n.n - 1;
            break;
        case FormulaOp::Ema:
            further = kAll;
            break;
        case FormulaOp::CrossAbove:
        case FormulaOp::CrossBelow:
            further = 1;
            break;
        default:
            break;
        }
        const std::int64_t need = std::min(kAll, back[i] + further);
        for (int operand : {n.a, n.b})
            if (operand >= 0)
                back[static_cast<std::size_t>(operand)] =
                    std::max(back[static_cast<std::size_t>(operand)], need);
    }
    start_.resize(nodes.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const std::int64_t first = static_cast<std::int64_t>(size) - 1 - back[i];
        // A node nobody reads is not worked out at all.
        start_[i] = back[i] < 0 ? size : first < 0 ? 0 : static_cast<std::size_t>(first);
    }
}

std::span<const double> FormulaEvaluator::Evaluate(TBars& bars, std::size_t wanted) {
    const std::size_t size = bars.size();
    for (std::vector<double>& c : columns_)
        if (c.size() < size) c.resize(size);
    FirstNeededBars(size, wanted);
    for (std::size_t r = 0; r < runs_.size(); ++r) {
        const Run& run = runs_[r];
        const bool computed = static_cast<std::int64_t>(size) >= run.minimumBars;
        if (computed) run.calculation->run(bars, run.params, run.overlay);
        for (const Output& o : outputs_) {
            if (o.run != static_cast<int>(r)) continue;
            const auto node = static_cast<std::size_t>(o.node);
            double* out = columns_[node].data();
            const double TStockBar::*field = formula_->nodes[node].field;
            for (std::size_t t = start_[node]; t < size; ++t)
                out[t] =
                    computed && static_cast<std::int64_t>(t) >= o.firstBar ? bars[t].*field : kNone;
        }
    }
    for (std::size_t i = 0; i < formula_->nodes.size(); ++i) {
        const FormulaNode& n = formula_->nodes[i];
        if (n.op == FormulaOp::Indicator || start_[i] >= size) continue;
        if (n.op == FormulaOp::Price) {
            double* out = columns_[i].data();
            for (std::size_t t = start_[i]; t < size; ++t) out[t] = bars[t].*n.field;
            continue;
        }
        EvaluateNode(n, start_[i], std::span(columns_[i].data(), size));
    }
    return Column(formula_->root, size);
}

void FormulaEvaluator::EvaluateNode(const FormulaNode& n, std::size_t start,
                                    std::span<double> column) {
    const std::size_t size = column.size();
    const std::span<const double> a = n.a >= 0 ? Column(n.a, size) : std::span<const double>();
    const std::span<const double> b = n.b >= 0 ? Column(n.b, size) : std::span<const double>();
    // The elementwise operations see only the bars from `start` on.
    const std::size_t from = std::min(start, size);
    const std::span<double> out = column.subspan(from);
    const std::span<const double> a1 = a.empty() ? a : a.subspan(from);
    const std::span<const double> b1 = b.empty() ? b : b.subspan(from);
    switch (n.op) {
    case FormulaOp::Number:
        std::fill(out.begin(), out.end(), n.value);
        return;
    case FormulaOp::Negate:
        for (std::size_t t = 0; t < out.size(); ++t) out[t] = -a1[t];
        return;
    case FormulaOp::Abs:
        for (std::size_t t = 0; t < out.size(); ++t) out[t] = std::fabs(a1[t]);
        return;
    case FormulaOp::Not:
        for (std::size_t t = 0; t < out.size(); ++t)
            out[t] = std::isnan(a1[t]) ? kNone : Truth(a1[t] == 0);
        return;
    case FormulaOp::Add:
        return Each(a1, b1, out, [](double x, double y) { return x + y; });
    case FormulaOp::Subtract:
        return Each(a1, b1, out, [](double x, double y) { return x - y; });
    case FormulaOp::Multiply:
        return Each(a1, b1, out, [](double x, double y) { return x * y; });
    case FormulaOp::Divide:
        // A division by zero has no value rather than an infinity.
        return Each(a1, b1, out, [](double x, double y) { return y == 0 ? kNone : x / y; });
    case FormulaOp::Min:
        return Each(a1, b1, out, [](double x, double y) {
            return std::isnan(x) || std::isnan(y) ? kNone : std::min(x, y);
        });
    case FormulaOp::Max:
        return Each(a1, b1, out, [](double x, double y) {
            return std::isnan(x) || std::isnan(y) ? kNone : std::max(x, y);
        });
    case FormulaOp::Less:
        return Compare(a1, b1, out, [](double x, double y) { return x < y; });
    case FormulaOp::LessEqual:
        return Compare(a1, b1, out, [](double x, double y) { return x <= y; });
    case FormulaOp::Greater:
        return Compare(a1, b1, out, [](double x, double y) { return x > y; });
    case FormulaOp::GreaterEqual:
        return Compare(a1, b1, out, [](double x, double y) { return x >= y; });
    case FormulaOp::Equal:
        return Compare(a1, b1, out, [](double x, double y) { return x == y; });
    case FormulaOp::NotEqual:
        return Compare(a1, b1, out, [](double x, double y) { return x != y; });
    // Every part of a condition must have a value, whatever the other part
    // says: as a filter checks all its lengths before comparing anything.
    case FormulaOp::And:
        return Compare(a1, b1, out, [](double x, double y) { return x != 0 && y != 0; });
    case FormulaOp::Or:
        return Compare(a1, b1, out, [](double x, double y) { return x != 0 || y != 0; });
    case FormulaOp::CrossAbove:
        return series::CrossAbove(a, b, start, column);
    case FormulaOp::CrossBelow:
        return series::CrossBelow(a, b, start, column);
    case FormulaOp::LookBack:
        return series::LookBack(a, n.n, start, column);
    case FormulaOp::Ma:
        return series::Mean(a, n.n, start, column);
    case FormulaOp::Ema:
        return series::Ema(a, n.n, column);
    case FormulaOp::Highest:
        return series::Highest(a, n.n, start, column);
    case FormulaOp::Lowest:
        return series::Lowest(a, n.n, start, column);
    case FormulaOp::Sum:
        return series::Sum(a, n.n, start, column);
    case FormulaOp::Price:
    case FormulaOp::Indicator:
        return; // filled before
    }
}

} // namespace brevant
