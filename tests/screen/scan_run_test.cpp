// Screening runs over a real database of a few stocks.
#include <gtest/gtest.h>

#include <ibase.h>

#include <vector>

#include "screen/scan_run.h"
#include "store/quote_import.h"
#include "support/db_fixture.h"

using namespace brevant;
using brevant::testing::DatabaseTest;

namespace {

std::vector<double> Line(double from, double to, int n) {
    std::vector<double> v;
    for (int i = 0; i < n; ++i) v.push_back(from + (to - from) * i / (n - 1));
    return v;
}

// A steady fall ending in a jump: the MACD line crosses above its signal
// line on the last bar.
std::vector<double> BuySignal() {
    std::vector<double> v = Line(100, 40, 59);
    v.push_back(80);
    return v;
}

struct Recorder {
    std::vector<ScanCounters> progress;
    std::vector<std::string> passed, insufficient;
    std::function<bool()> stop = [] { return false; };
    ScanCallbacks callbacks() {
        ScanCallbacks cb;
        cb.processMessages = [] {};
        cb.stopRequested = [this] { return stop(); };
        cb.passed = [this](const std::string& t) { passed.push_back(t); };
        cb.progress = [this](const ScanCounters& c) { progress.push_back(c); };
        cb.insufficientChanged = [this](const std::string& t) { insufficient.push_back(t); };
        return cb;
    }
};

} // namespace

class ScanRun : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        InsertCloses("AAA", "Alpha Rising", Line(10, 70, 60));
        InsertCloses("BBB", "Beta Turning", BuySignal());
        InsertCloses("CCC", "Gamma Rising", Line(20, 90, 60));
        list = {"Alpha Rising , AAA", "Beta Turning , BBB", "Gamma Rising , CCC"};
    }
    ScanFilters MacdOnly() {
        ScanFilters f;
        f.macd = true;
        return f;
    }
    std::vector<std::string> list;
    TIndicatorParams params;
};

TEST_F(ScanRun, ThreeStocksSecondPassesMacd) {
    Recorder r;
    const ScanResult result = RunScan(store, list, params, MacdOnly(), r.callbacks());
    EXPECT_EQ(result.outcome, ScanOutcome::Completed);
    EXPECT_EQ(result.passed, std::vector<std::string>{"Beta Turning , BBB"});
    EXPECT_EQ(r.passed, result.passed);
    ASSERT_EQ(r.progress.size(), 3u);
    const ScanCounters& c = r.progress.back();
    EXPECT_EQ(c.processed, 3);
    EXPECT_EQ(c.total, 3);
    EXPECT_EQ(c.successful, 1);
    EXPECT_EQ(c.unsuccessful, 2);
    EXPECT_EQ(c.insufficient, 0);
    EXPECT_FALSE(store.TR1.InTransaction());
}

TEST_F(ScanRun, StopIsHonouredAfterTheCurrentStock) {
    Recorder r;
    r.stop = [&] { return r.progress.size() == 2; }; // pressed during the second stock
    const ScanResult result = RunScan(store, list, params, MacdOnly(), r.callbacks());
    EXPECT_EQ(result.outcome, ScanOutcome::Stopped);
    EXPECT_EQ(result.counters.processed, 2);
    EXPECT_EQ(result.passed, std::vector<std::string>{"Beta Turning , BBB"});
    EXPECT_FALSE(store.TR1.InTransaction());
}

TEST_F(ScanRun, ShortStocksAreCountedOncePerRunAndRunsStartFromZero) {
    InsertCloses("SHT", "Short History", Line(5, 6, 10));
    list.push_back("Short History , SHT");
    ScanFilters f = MacdOnly();
    f.volume = true;
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        Recorder r;
        const ScanResult result = RunScan(store, list, params, f, r.callbacks());
        EXPECT_EQ(result.counters.insufficient, 1);
        EXPECT_EQ(r.insufficient, std::vector<std::string>{"1"});
        EXPECT_EQ(result.counters.unsuccessful, 2);
        EXPECT_EQ(result.passed, std::vector<std::string>{"Beta Turning , BBB"});
    }
}

TEST_F(ScanRun, FirstRejectingFilterEndsTheStocksTurn) {
    // Volume alone would pass everything; MACD rejects AAA and CCC first.
    ScanFilters f = MacdOnly();
    f.volume = true;
    f.volumeThreshold = 1000;
    Recorder r;
    EXPECT_EQ(RunScan(store, list, params, f, r.callbacks()).passed,
              std::vector<std::string>{"Beta Turning , BBB"});
    ScanFilters volumeOnly;
    volumeOnly.volume = true;
    EXPECT_EQ(RunScan(store, list, params, volumeOnly, {}).passed, list);
}

TEST_F(ScanRun, FiltersUseTheirOwnPeriod) {
    // 60 weekdays make 12 weekly and 4 monthly bars: enough for the weekly
    // (10) and monthly (3) windows, far too few for the daily one's 20 on
    // weekly bars if the period were ignored.
    ScanFilters weekly;
    weekly.volume = true;
    weekly.volumePeriod = BarPeriod::Weekly;
    EXPECT_EQ(RunScan(store, list, params, weekly, {}).passed, list);
    ScanFilters monthly;
    monthly.volume = true;
    monthly.volumePeriod = BarPeriod::Monthly;
    EXPECT_EQ(RunScan(store, list, params, monthly, {}).passed, list);
    ScanFilters maWeekly;
    maWeekly.movingAverage = true;
    maWeekly.maPeriod1 = 10;
    maWeekly.maPeriod2 = 20;
    maWeekly.maPeriod = BarPeriod::Weekly;
    EXPECT_EQ(RunScan(store, list, params, maWeekly, {}).counters.insufficient, 3);
}

TEST_F(ScanRun, Refusals) {
    EXPECT_EQ(RunScan(store, {}, params, MacdOnly(), {}).outcome, ScanOutcome::EmptyDatabase);
    EXPECT_EQ(RunScan(store, list, params, ScanFilters{}, {}).outcome, ScanOutcome::NoFilter);
    EXPECT_FALSE(store.TR1.InTransaction());
    EXPECT_STREQ(kScanNoFilterMessage, "Please select at least one filter.");
}

TEST_F(ScanRun, DatabaseErrorEndsTheRunAndRollsBack) {
    Exec("DROP TABLE DATATABLE");
    const ScanResult result = RunScan(store, list, params, MacdOnly(), {});
    EXPECT_EQ(result.outcome, ScanOutcome::Failed);
    EXPECT_NE(result.error.find("DATATABLE"), std::string::npos) << result.error;
    EXPECT_FALSE(store.TR1.InTransaction());
}

// A server that went away under a run: the run ends as an import that meets
// it ends, with the same words.
TEST_F(ScanRun, ALostServerConnectionIsToldInTheImportsWords) {
    const EFBLError lost("Error writing data to the connection.", isc_network_error,
                         {isc_network_error, isc_net_write_err});
    ScanCallbacks cb;
    cb.progress = [&](const ScanCounters&) { throw lost; };
    const ScanResult one = RunScan(store, list, params, MacdOnly(), cb);
    EXPECT_EQ(one.outcome, ScanOutcome::Failed);
    EXPECT_TRUE(one.error.starts_with("the connection to the database server was lost"))
        << one.error;
    const ScreensResult many = RunScreens(store, list, params, {MacdOnly()}, cb);
    EXPECT_EQ(many.outcome, ScanOutcome::Failed);
    EXPECT_EQ(many.error, one.error);

    ImportCallbacks ic;
    ic.progress = [&](const ImportProgress&) { throw lost; };
    const std::string file = dir.write("q.txt", "ZZZ,Zeta,01122026,1,2,0.5,1.5,100\n");
    const ImportResult imported = TQuoteImport(store, '.', ic).Run({file});
    EXPECT_EQ(imported.Outcome, ImportOutcome::Failed);
    EXPECT_EQ(imported.Message, one.error);
    EXPECT_FALSE(store.TR1.InTransaction());
}

TEST_F(ScanRun, ATextWithoutSymbolIsNotScreenedWithThePreviousStocksBars) {
    // Once, the text after the passing stock kept its bars and was listed too.
    list = {"Beta Turning , BBB", "Broken Entry , "};
    Recorder r;
    const ScanResult result = RunScan(store, list, params, MacdOnly(), r.callbacks());
    EXPECT_EQ(result.passed, std::vector<std::string>{"Beta Turning , BBB"});
    EXPECT_EQ(result.counters.insufficient, 1);
}

TEST_F(ScanRun, RsiBeforeItsFirstValueIsNoValue) {
    // 30 rising bars: RSI 100 from bar 15 on. Looking back 20 bars reaches a
    // bar without RSI, which once compared as 0 and let the stock through.
    InsertCloses("UPP", "Up Steadily", Line(10, 40, 30));
    ScanFilters rsi;
    rsi.rsi = true;
    rsi.rsiLevel = 99;
    rsi.rsiDays = 20;
    const ScanResult result = RunScan(store, {"Up Steadily , UPP"}, params, rsi, {});
    EXPECT_TRUE(result.passed.empty());
    EXPECT_EQ(result.counters.insufficient, 1);
    EXPECT_EQ(result.counters.unsuccessful, 0);
}
