// Brevant Dira — back-testing a formula screen.
#include "screen/backtest.h"

#include "screen/stock_series.h"
#include "store/bar_cache.h"
#include "store/price_history.h"
#include "store/transaction_guard.h"

namespace brevant {

BacktestResult RunBacktest(TDataStore& store, const std::vector<std::string>& stockList,
                           const TIndicatorParams& params, const BacktestSettings& settings,
                           const ScanCallbacks& cb, TBarCache& cache) {
    BacktestResult result;
    if (stockList.empty()) {
        result.outcome = ScanOutcome::EmptyDatabase;
        return result;
    }
    FormulaEvaluator evaluator(settings.formula, params);
    BacktestTally tally(settings.days, settings.holds);
    const int total = static_cast<int>(stockList.size());
    try {
        store.TR1.StartTransaction();
        TransactionGuard run(store.TR1);
        FillBarCache(store, cache, cb);
        CompactBars scratch;
        TBars bars;
        std::vector<BacktestBar> kept;
        for (int i = 0; i < total; ++i) {
            if (cb.processMessages) cb.processMessages();
            ExpandFormulaBars(
                DailyRowsForName(store, stockList[static_cast<std::size_t>(i)], &cache, scratch),
                settings.period, bars);
            // Only the bars that can fall on a back-test day.
            const std::size_t wanted = BacktestTally::BarsKept(bars.size(), settings.days);
            const std::span<const double> condition = evaluator.Evaluate(bars, wanted);
            kept.clear();
            const std::size_t first = bars.size() - wanted;
            for (std::size_t t = first; t < bars.size(); ++t)
                kept.push_back({bars[t].Date, bars[t].Close, evaluator.AnswerAsOf(condition, t)});
            tally.AddStock(i, kept);
            if (cb.progress) {
                ScanCounters c;
                c.total = total;
                c.processed = i + 1;
                cb.progress(c);
            }
            if (cb.stopRequested && cb.stopRequested()) {
                result.outcome = ScanOutcome::Stopped;
                break;
            }
        }
        run.Commit();
    } catch (const std::exception& e) {
        result.outcome = ScanOutcome::Failed;
        result.error = e.what();
        return result;
    }
    result.figures = tally.Finish();
    return result;
}

} // namespace brevant
