// Brevant Dira — the figures of a back-test.
#include "screen/backtest_figures.h"

#include <algorithm>
#include <limits>

namespace brevant {
namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

// The returns of one hold, with running sums per day for the curves.
struct HoldTally {
    std::vector<double> picks, market;
    std::vector<double> pickSum, marketSum;
    std::vector<long> pickCount, marketCount;

    explicit HoldTally(std::size_t days)
        : pickSum(days), marketSum(days), pickCount(days), marketCount(days) {}
};

std::vector<double> Curve(const std::vector<double>& sums, const std::vector<long>& counts,
                          std::size_t lastDay) {
    std::vector<double> curve(sums.size(), kNone);
    double sum = 0;
    long count = 0;
    for (std::size_t d = 0; d < sums.size() && d <= lastDay; ++d) {
        sum += sums[d];
        count += counts[d];
        if (count > 0) curve[d] = sum / static_cast<double>(count);
    }
    return curve;
}

} // namespace

ReturnFigures FiguresOf(std::vector<double>& returns) {
    ReturnFigures f{static_cast<long>(returns.size()), kNone, kNone, kNone};
    if (returns.empty()) return f;
    double sum = 0;
    long rose = 0;
    for (double r : returns) {
        sum += r;
        rose += r > 0;
    }
    const auto n = static_cast<double>(returns.size());
    f.mean = sum / n;
    f.roseShare = static_cast<double>(rose) / n;
    const std::size_t half = returns.size() / 2;
    std::nth_element(returns.begin(), returns.begin() + static_cast<std::ptrdiff_t>(half),
                     returns.end());
    f.median = returns[half];
    if (returns.size() % 2 == 0) {
        const double below =
            *std::max_element(returns.begin(), returns.begin() + static_cast<std::ptrdiff_t>(half));
        f.median = (below + f.median) / 2;
    }
    return f;
}

void BacktestTally::AddStock(int stock, std::span<const BacktestBar> bars) {
    const std::size_t keep = BarsKept(bars.size(), days_);
    stocks_.push_back({stock, bars_.size(), keep});
    bars_.insert(bars_.end(), bars.end() - static_cast<std::ptrdiff_t>(keep), bars.end());
    // Most stocks trade on the days the calendar holds already.
    dates_.clear();
    for (std::size_t i = bars.size() - keep; i < bars.size(); ++i) dates_.push_back(bars[i].date);
    const bool full = calendar_.size() == static_cast<std::size_t>(days_);
    const auto from =
        full ? std::lower_bound(dates_.begin(), dates_.end(), calendar_.front()) : dates_.begin();
    if (std::includes(calendar_.begin(), calendar_.end(), from, dates_.end())) return;
    merged_.clear();
    std::set_union(calendar_.begin(), calendar_.end(), from, dates_.end(),
                   std::back_inserter(merged_));
    if (merged_.size() > static_cast<std::size_t>(days_))
        merged_.erase(merged_.begin(), merged_.end() - days_);
    calendar_.swap(merged_);
}

BacktestFigures BacktestTally::Finish() const {
    BacktestFigures out;
    const std::vector<double>& dates = calendar_;
    out.days = dates;
    const std::size_t dayCount = dates.size();

    std::vector<HoldTally> tallies(holds_.size(), HoldTally(dayCount));
    for (HoldTally& t : tallies) t.market.reserve(bars_.size());
    std::vector<double> closeOn(dayCount);
    std::vector<signed char> answerOn(dayCount);
    for (const Kept& stock : stocks_) {
        std::fill(closeOn.begin(), closeOn.end(), kNone);
        std::fill(answerOn.begin(), answerOn.end(), -1);
        // Both oldest first: one walk finds each bar's day.
        std::size_t d = 0;
        for (std::size_t i = stock.first; i < stock.first + stock.count; ++i) {
            const BacktestBar& b = bars_[i];
            while (d < dayCount && dates[d] < b.date) ++d;
            if (d == dayCount) break;
            if (dates[d] != b.date) continue;
            closeOn[d] = b.close;
            answerOn[d] = static_cast<signed char>(b.answer);
            ++out.stockDays;
            out.shortOfData += b.answer == FormulaAnswer::ShortOfData;
        }
        for (std::size_t d = 0; d < dayCount; ++d) {
            if (answerOn[d] < 0) continue;
            const bool picked = answerOn[d] == static_cast<signed char>(FormulaAnswer::Pass);
            BacktestPick pick{static_cast<int>(d), stock.stock, closeOn[d], {}};
            for (std::size_t h = 0; h < holds_.size(); ++h) {
                const std::size_t later = d + static_cast<std::size_t>(holds_[h]);
                double r = kNone;
                if (later < dayCount && !std::isnan(closeOn[later]))
                    r = closeOn[later] / closeOn[d] - 1;
                if (picked) pick.returns.push_back(r);
                if (std::isnan(r)) continue;
                HoldTally& t = tallies[h];
                t.market.push_back(r);
                t.marketSum[d] += r;
                ++t.marketCount[d];
                if (!picked) continue;
                t.picks.push_back(r);
                t.pickSum[d] += r;
                ++t.pickCount[d];
            }
            if (picked) out.picks.push_back(std::move(pick));
        }
    }
    std::stable_sort(out.picks.begin(), out.picks.end(),
                     [](const BacktestPick& a, const BacktestPick& b) { return a.day < b.day; });
    for (std::size_t h = 0; h < holds_.size(); ++h) {
        HoldTally& t = tallies[h];
        const std::size_t hold = static_cast<std::size_t>(holds_[h]);
        // The curves end on the last day that has `hold` days after it.
        const std::size_t lastDay = dayCount > hold ? dayCount - hold - 1 : 0;
        const bool any = dayCount > hold;
        out.pickCurves.push_back(any ? Curve(t.pickSum, t.pickCount, lastDay)
                                     : std::vector<double>(dayCount, kNone));
        out.marketCurves.push_back(any ? Curve(t.marketSum, t.marketCount, lastDay)
                                       : std::vector<double>(dayCount, kNone));
        out.holds.push_back({holds_[h], FiguresOf(t.picks), FiguresOf(t.market)});
    }
    return out;
}

} // namespace brevant
