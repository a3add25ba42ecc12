// Brevant Dira — screening every stock of the database with the ticked filters.
#include "screen/scan_run.h"

#include "screen/filters.h"
#include "store/price_history.h"
#include "store/transaction_guard.h"
#include "ta/calculations.h"
#include "ta/period_bars.h"

namespace brevant {
namespace {

void Breathe(const ScanCallbacks& cb) {
    if (cb.processMessages) cb.processMessages();
}

// One stock's daily rows, read once, handed to each filter as a fresh copy in
// the filter's period. Inside the run's one snapshot a second read would
// return the same rows.
class StockBars {
public:
    explicit StockBars(const TBars& daily) : daily_(daily) {}
    const TBars& In(BarPeriod period) {
        work_ = daily_;
        ConvertToPeriod(work_, period);
        return work_;
    }
    TBars& Work() { return work_; }

private:
    const TBars& daily_;
    TBars work_;
};

// 0 when no ticked filter rejects the stock.
std::uint8_t Screen(StockBars& stock, const TIndicatorParams& params, const ScanFilters& f,
                    InsufficientData& counter) {
    if (f.macd) {
        stock.In(f.macdPeriod);
        CalMACD(stock.Work(), params);
        if (MACDFilter(stock.Work(), params, f.macdDays, counter)) return 1;
    }
    if (f.movingAverage &&
        MAFilter(stock.In(f.maPeriod), f.maPeriod1, f.maPeriod2, f.maDays, counter))
        return 1;
    if (f.rsi) {
        stock.In(f.rsiPeriod);
        CalRSI(stock.Work(), params);
        if (ProFilter26(stock.Work(), params, f.rsiDirection, f.rsiLevel, f.rsiDays, counter))
            return 1;
    }
    if (f.volume && VOLFilter(stock.In(f.volumePeriod), f.volumeThreshold,
                              VolumeWindow(f.volumePeriod), counter))
        return 1;
    return 0;
}

} // namespace

ScanResult RunScan(TDataStore& store, const std::vector<std::string>& stockList,
                   const TIndicatorParams& params, const ScanFilters& filters,
                   const ScanCallbacks& cb) {
    ScanResult result;
    ScanCounters& c = result.counters;
    c.total = static_cast<int>(stockList.size());
    if (c.total == 0) {
        result.outcome = ScanOutcome::EmptyDatabase;
        return result;
    }
    if (!filters.Any()) {
        result.outcome = ScanOutcome::NoFilter;
        return result;
    }

    InsufficientData counter;
    counter.changed = cb.insufficientChanged;
    counter.processMessages = cb.processMessages;
    TBars daily;
    try {
        store.TR1.StartTransaction();
        TransactionGuard run(store.TR1);
        for (int i = 0; i < c.total; ++i) {
            Breathe(cb);
            const std::string& text = stockList[static_cast<std::size_t>(i)];
            LoadDataForName(store, text, false, daily);
            StockBars stock(daily);
            if (Screen(stock, params, filters, counter) == 0) {
                result.passed.push_back(text);
                if (cb.passed) cb.passed(text);
            }
            Breathe(cb);
            c.processed = i + 1;
            c.successful = static_cast<int>(result.passed.size());
            c.insufficient = counter.count;
            c.unsuccessful = c.processed - c.successful - c.insufficient;
            if (cb.progress) cb.progress(c);
            Breathe(cb);
            if (cb.stopRequested && cb.stopRequested()) {
                result.outcome = ScanOutcome::Stopped;
                break;
            }
        }
        run.Commit();
    } catch (const std::exception& e) {
        // The guard has rolled the run's transaction back.
        result.outcome = ScanOutcome::Failed;
        result.error = e.what();
    }
    c.insufficient = counter.count;
    return result;
}

} // namespace brevant
