// Screening through the bar cache, and several screens in one run, against
// plain runs that read every stock from the database, and those against the
// run as first written down: the same lists, the same counters, on a real
// database of random stocks.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "screen/filters.h"
#include "screen/random_quotes.h"
#include "screen/scan_run.h"
#include "store/bar_cache.h"
#include "store/price_history.h"
#include "store/stock_list.h"
#include "store/store_fixture.h"
#include "ta/calculations.h"
#include "ta/day_date.h"

using namespace brevant;
using namespace brevant::testing;

namespace {

// At least one filter ticked, values inside the dialog's limits, leaning to
// the small periods and levels that let stocks through now and then.
ScanFilters RandomFilters(std::mt19937& random) {
    ScanFilters f;
    do {
        f.macd = random() % 3 == 0;
        f.movingAverage = random() % 3 == 0;
        f.rsi = random() % 3 == 0;
        f.volume = random() % 3 == 0;
    } while (!f.Any());
    f.macdDays = Between(random, 1, 12);
    f.macdPeriod = RandomPeriod(random);
    f.maPeriod1 = Between(random, 2, 30);
    f.maPeriod2 = Between(random, 3, 60);
    f.maDays = Between(random, 1, 15);
    f.maPeriod = RandomPeriod(random);
    f.rsiDirection = Between(random, 0, 1);
    f.rsiLevel = Between(random, 20, 80);
    f.rsiDays = Between(random, 1, 15);
    f.rsiPeriod = RandomPeriod(random);
    f.volumeThreshold = Between(random, 1000, 15000);
    f.volumePeriod = RandomPeriod(random);
    return f;
}

TIndicatorParams RandomParams(std::mt19937& random) {
    TIndicatorParams p;
    p.MACD1 = Between(random, 2, 15);
    p.MACD2 = Between(random, 5, 30);
    p.MACD3 = Between(random, 2, 12);
    p.RSI = Between(random, 2, 20);
    return p;
}

// The run as first written down: every ticked filter loads the stock afresh,
// converts it to its own period and computes its own indicator.
ScanResult ReferenceRun(TDataStore& store, const std::vector<std::string>& list,
                        const TIndicatorParams& params, const ScanFilters& f) {
    ScanResult result;
    InsufficientData counter;
    auto fresh = [&](const std::string& text, BarPeriod period) {
        TBars bars;
        LoadDataForName(store, text, false, bars);
        ConvertToPeriod(bars, period);
        return bars;
    };
    store.TR1.StartTransaction();
    for (const std::string& text : list) {
        int reject = 0;
        if (f.macd) {
            TBars bars = fresh(text, f.macdPeriod);
            CalMACD(bars, params);
            reject = MACDFilter(bars, params, f.macdDays, counter);
        }
        if (!reject && f.movingAverage)
            reject = MAFilter(fresh(text, f.maPeriod), f.maPeriod1, f.maPeriod2, f.maDays, counter);
        if (!reject && f.rsi) {
            TBars bars = fresh(text, f.rsiPeriod);
            CalRSI(bars, params);
            reject = ProFilter26(bars, params, f.rsiDirection, f.rsiLevel, f.rsiDays, counter);
        }
        if (!reject && f.volume)
            reject = VOLFilter(fresh(text, f.volumePeriod), f.volumeThreshold,
                               VolumeWindow(f.volumePeriod), counter);
        if (!reject) result.passed.push_back(text);
    }
    store.TR1.Commit();
    ScanCounters& c = result.counters;
    c.total = c.processed = static_cast<int>(list.size());
    c.successful = static_cast<int>(result.passed.size());
    c.insufficient = counter.count;
    c.unsuccessful = c.processed - c.successful - c.insufficient;
    return result;
}

void ExpectSameRun(const ScanResult& got, const ScanResult& expected) {
    EXPECT_EQ(got.outcome, expected.outcome);
    EXPECT_EQ(got.passed, expected.passed);
    EXPECT_EQ(got.counters.total, expected.counters.total);
    EXPECT_EQ(got.counters.processed, expected.counters.processed);
    EXPECT_EQ(got.counters.successful, expected.counters.successful);
    EXPECT_EQ(got.counters.unsuccessful, expected.counters.unsuccessful);
    EXPECT_EQ(got.counters.insufficient, expected.counters.insufficient);
}

class ScanCacheTest : public StoreTest {
protected:
    std::vector<std::string> StockList() {
        TStockList list;
        TIndicatorParams ignored;
        LoadStockList(store, list, ignored, {});
        // A stock that is not stored, and a text without a symbol.
        list.Items.push_back("Gone Corp , GONE");
        list.Items.push_back("No Symbol , ");
        return list.Items;
    }
};

} // namespace

TEST_F(ScanCacheTest, RandomFilterSetsGiveTheSameResultsCachedAndUncached) {
    std::mt19937 random(20261204);
    const std::string quotes = RandomQuotes(random, 60);
    // Some days twice: the first half of the file imported again.
    ASSERT_EQ(Import({quotes, quotes.substr(0, quotes.size() / 2)}).Outcome,
              ImportOutcome::Completed);
    const std::vector<std::string> list = StockList();

    TBarCache shared; // filled by the first run, then read by every other
    std::vector<ScanFilters> screens;
    int passedSomewhere = 0;
    for (int set = 0; set < 40; ++set) {
        SCOPED_TRACE("filter set " + std::to_string(set));
        const TIndicatorParams params = RandomParams(random);
        const ScanFilters filters = RandomFilters(random);
        const ScanResult plain = RunScan(store, list, params, filters, {});
        ASSERT_EQ(plain.outcome, ScanOutcome::Completed) << plain.error;
        ExpectSameRun(plain, ReferenceRun(store, list, params, filters));
        passedSomewhere += !plain.passed.empty();
        ExpectSameRun(RunScan(store, list, params, filters, {}, &shared), plain);
        TBarCache fresh;
        ExpectSameRun(RunScan(store, list, params, filters, {}, &fresh), plain);
        EXPECT_TRUE(fresh.Complete());
        if (set < 10) screens.push_back(filters);
    }
    EXPECT_GT(passedSomewhere, 5); // the sets do let stocks through

    // Ten screens in one run, with the default periods, against one run each.
    const TIndicatorParams params;
    for (TBarCache* cache : {static_cast<TBarCache*>(nullptr), &shared}) {
        const ScreensResult together = RunScreens(store, list, params, screens, {}, cache);
        ASSERT_EQ(together.outcome, ScanOutcome::Completed) << together.error;
        ASSERT_EQ(together.screens.size(), screens.size());
        for (std::size_t s = 0; s < screens.size(); ++s) {
            SCOPED_TRACE("screen " + std::to_string(s));
            ExpectSameRun(together.screens[s], RunScan(store, list, params, screens[s], {}));
        }
    }
}

TEST_F(ScanCacheTest, EveryFileImportedTwiceScreensAsOnce) {
    std::mt19937 random(17);
    const std::string quotes = RandomQuotes(random, 30);
    ASSERT_EQ(Import({quotes}).Outcome, ImportOutcome::Completed);
    const std::vector<std::string> list = StockList();
    // Long looks back (a 200-day average) that a halved history cannot serve.
    std::vector<ScanFilters> sets;
    ScanFilters longAverage;
    longAverage.movingAverage = true;
    longAverage.maPeriod1 = 50;
    longAverage.maPeriod2 = 200;
    longAverage.maDays = 100;
    sets.push_back(longAverage);
    for (int i = 0; i < 10; ++i) sets.push_back(RandomFilters(random));
    const TIndicatorParams params;
    std::vector<ScanResult> once;
    for (const ScanFilters& f : sets) once.push_back(RunScan(store, list, params, f, {}));
    EXPECT_LT(once[0].counters.insufficient, once[0].counters.total);

    ASSERT_EQ(Import({quotes}).Outcome, ImportOutcome::Completed);
    TBarCache cache;
    for (std::size_t i = 0; i < sets.size(); ++i) {
        SCOPED_TRACE("filter set " + std::to_string(i));
        ExpectSameRun(RunScan(store, list, params, sets[i], {}), once[i]);
        ExpectSameRun(RunScan(store, list, params, sets[i], {}, &cache), once[i]);
    }
}

TEST_F(ScanCacheTest, AStopWhileTheCacheFillsEndsTheRunAfterTheFirstStock) {
    std::mt19937 random(5);
    ASSERT_EQ(Import({RandomQuotes(random, 60)}).Outcome, ImportOutcome::Completed);
    const std::vector<std::string> list = StockList();
    ScanFilters volume;
    volume.volume = true;
    bool stop = false;
    long reports = 0;
    ScanCallbacks cb;
    cb.reading = [&](long, long) {
        ++reports;
        stop = true; // pressed while the prices are read
    };
    cb.stopRequested = [&] { return stop; };
    TBarCache cache;
    const ScanResult result = RunScan(store, list, {}, volume, cb, &cache);
    EXPECT_EQ(result.outcome, ScanOutcome::Stopped);
    EXPECT_EQ(result.counters.processed, 1);
    EXPECT_EQ(reports, 1);
    EXPECT_FALSE(cache.Complete());
    EXPECT_FALSE(store.TR1.InTransaction());
}
