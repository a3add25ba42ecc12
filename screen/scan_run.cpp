// Brevant Dira — screening every stock of the database with the ticked filters.
#include "screen/scan_run.h"

#include <memory>

#include "screen/filters.h"
#include "screen/stock_series.h"
#include "store/bar_cache.h"
#include "store/price_history.h"
#include "store/transaction_guard.h"
#include "store/work_error.h"

namespace brevant {
namespace {

void Breathe(const ScanCallbacks& cb) {
    if (cb.processMessages) cb.processMessages();
}

// 0 when no ticked filter rejects the stock; the formula comes last.
std::uint8_t Screen(StockSeries& stock, const TIndicatorParams& params, const ScanFilters& f,
                    FormulaEvaluator* formula, InsufficientData& counter) {
    if (f.macd && MACDFilter(stock.WithMacd(f.macdPeriod, params), params, f.macdDays, counter))
        return 1;
    if (f.movingAverage &&
        MAFilter(stock.Bars(f.maPeriod), f.maPeriod1, f.maPeriod2, f.maDays, counter))
        return 1;
    if (f.rsi && ProFilter26(stock.WithRsi(f.rsiPeriod, params), params, f.rsiDirection, f.rsiLevel,
                             f.rsiDays, counter))
        return 1;
    if (f.volume && VOLFilter(stock.Bars(f.volumePeriod), f.volumeThreshold,
                              VolumeWindow(f.volumePeriod), counter))
        return 1;
    if (formula && FormulaFilter(stock.ForFormulas(f.formulaPeriod), *formula, counter)) return 1;
    return 0;
}

// One screen of a run: its filters, its short-of-data count and its result.
struct ScreenSlot {
    const ScanFilters* filters;
    std::unique_ptr<FormulaEvaluator> formula;
    InsufficientData counter;
    ScanResult result;
    std::function<void(const std::string&)> passed;
};

} // namespace

void FillBarCache(TDataStore& store, TBarCache& cache, const ScanCallbacks& cb) {
    cache.Validate(store.TR1);
    if (cache.Complete()) return;
    BarCacheFillCallbacks fill;
    fill.reading = [&cb](long rows, long expected) {
        if (cb.reading) cb.reading(rows, expected);
        Breathe(cb);
    };
    fill.stopRequested = cb.stopRequested;
    cache.FillAll(store.TR1, fill);
}

namespace {

// Runs the screens over every stock; fills each slot's result and returns
// the run's outcome (Failed with `error` set on a database error).
ScanOutcome Run(TDataStore& store, const std::vector<std::string>& stockList,
                const TIndicatorParams& params, std::vector<ScreenSlot>& slots,
                const ScanCallbacks& cb, TBarCache* cache, std::string& error) {
    ScanOutcome outcome = ScanOutcome::Completed;
    const int total = static_cast<int>(stockList.size());
    try {
        store.TR1.StartTransaction();
        TransactionGuard run(store.TR1);
        if (cache) FillBarCache(store, *cache, cb);
        StockSeries stock;
        CompactBars scratch;
        for (int i = 0; i < total; ++i) {
            Breathe(cb);
            const std::string& text = stockList[static_cast<std::size_t>(i)];
            stock.Reset(DailyRowsForName(store, text, cache, scratch));
            for (ScreenSlot& slot : slots) {
                if (Screen(stock, params, *slot.filters, slot.formula.get(), slot.counter) != 0)
                    continue;
                slot.result.passed.push_back(text);
                if (slot.passed) slot.passed(text);
            }
            Breathe(cb);
            for (ScreenSlot& slot : slots) {
                ScanCounters& c = slot.result.counters;
                c.processed = i + 1;
                c.successful = static_cast<int>(slot.result.passed.size());
                c.insufficient = slot.counter.count;
                c.unsuccessful = c.processed - c.successful - c.insufficient;
            }
            if (cb.progress) {
                ScanCounters shown = slots.size() == 1 ? slots[0].result.counters : ScanCounters{};
                shown.total = total;
                shown.processed = i + 1;
                cb.progress(shown);
            }
            Breathe(cb);
            if (cb.stopRequested && cb.stopRequested()) {
                outcome = ScanOutcome::Stopped;
                break;
            }
        }
        run.Commit();
    } catch (const std::exception& e) {
        // The guard has rolled the run's transaction back. A lost server
        // connection is told in the import's words.
        outcome = ScanOutcome::Failed;
        error = WorkErrorText(e);
    }
    for (ScreenSlot& slot : slots) slot.result.counters.insufficient = slot.counter.count;
    return outcome;
}

std::vector<ScreenSlot> Slots(const std::vector<ScanFilters>& screens,
                              const TIndicatorParams& params, int total) {
    std::vector<ScreenSlot> slots(screens.size());
    for (std::size_t s = 0; s < screens.size(); ++s) {
        slots[s].filters = &screens[s];
        if (screens[s].formula)
            slots[s].formula = std::make_unique<FormulaEvaluator>(screens[s].formula, params);
        slots[s].result.counters.total = total;
    }
    return slots;
}

} // namespace

ScanResult RunScan(TDataStore& store, const std::vector<std::string>& stockList,
                   const TIndicatorParams& params, const ScanFilters& filters,
                   const ScanCallbacks& cb, TBarCache* cache) {
    const std::vector<ScanFilters> screens{filters};
    std::vector<ScreenSlot> slots = Slots(screens, params, static_cast<int>(stockList.size()));
    ScreenSlot& slot = slots.front();
    if (stockList.empty()) {
        slot.result.outcome = ScanOutcome::EmptyDatabase;
        return std::move(slot.result);
    }
    if (!filters.Any()) {
        slot.result.outcome = ScanOutcome::NoFilter;
        return std::move(slot.result);
    }
    slot.counter.changed = cb.insufficientChanged;
    slot.counter.processMessages = cb.processMessages;
    slot.passed = cb.passed;
    slot.result.outcome = Run(store, stockList, params, slots, cb, cache, slot.result.error);
    return std::move(slot.result);
}

ScreensResult RunScreens(TDataStore& store, const std::vector<std::string>& stockList,
                         const TIndicatorParams& params, const std::vector<ScanFilters>& screens,
                         const ScanCallbacks& cb, TBarCache* cache) {
    ScreensResult result;
    std::vector<ScreenSlot> slots = Slots(screens, params, static_cast<int>(stockList.size()));
    if (stockList.empty()) {
        result.outcome = ScanOutcome::EmptyDatabase;
    } else if (screens.empty() || std::any_of(screens.begin(), screens.end(),
                                              [](const ScanFilters& f) { return !f.Any(); })) {
        result.outcome = ScanOutcome::NoFilter;
    } else {
        ScanCallbacks quiet = cb;
        quiet.passed = nullptr;
        quiet.insufficientChanged = nullptr;
        result.outcome = Run(store, stockList, params, slots, quiet, cache, result.error);
    }
    for (ScreenSlot& slot : slots) {
        slot.result.outcome = result.outcome;
        slot.result.error = result.error;
        result.screens.push_back(std::move(slot.result));
    }
    return result;
}

} // namespace brevant
