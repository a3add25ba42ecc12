// Formula screens against the four filters on a real database of random
// stocks and random settings: each filter written as a formula answers every
// stock as the filter does, except where the filter's own length rule calls
// a stock short of data one bar before the formula needs it; and a formula
// runs through the screening run, alone, with filters and beside other
// screens.
#include <gtest/gtest.h>

#include <random>

#include "screen/filters.h"
#include "screen/random_quotes.h"
#include "screen/scan_run.h"
#include "store/bar_cache.h"
#include "store/price_history.h"
#include "store/stock_list.h"
#include "store/store_fixture.h"
#include "ta/calculations.h"

using namespace brevant;
using namespace brevant::testing;

namespace {

enum class Verdict { Pass, Reject, Short };

const char* Name(Verdict v) {
    return v == Verdict::Pass ? "pass" : v == Verdict::Reject ? "reject" : "short of data";
}

// A filter's or formula's answer, with the short-of-data count telling the
// two kinds of rejection apart.
template <class Answer> Verdict VerdictOf(Answer answer) {
    InsufficientData counter;
    const std::uint8_t reject = answer(counter);
    if (counter.count > 0) return Verdict::Short;
    return reject ? Verdict::Reject : Verdict::Pass;
}

Verdict FormulaVerdict(const std::string& text, const TBars& bars, const TIndicatorParams& params) {
    FormulaEvaluator evaluator(ParseFormula(text), params);
    TBars copy = bars;
    return VerdictOf([&](InsufficientData& c) { return FormulaFilter(copy, evaluator, c); });
}

// One filter and its formula, and where the filter alone says short.
struct Equivalence {
    std::string formula;
    Verdict filter;
    bool filterShortEarlier; // the bar count on which only the filter is short
};

Equivalence MacdCase(const TBars& bars, const TIndicatorParams& p, int n) {
    TBars b = bars;
    CalMACD(b, p);
    const std::string N = std::to_string(n);
    return {"macd_line[" + N + "] < macd_signal[" + N + "] and macd_line > macd_signal",
            VerdictOf([&](InsufficientData& c) { return MACDFilter(b, p, n, c); }), false};
}

Equivalence MaCase(const TBars& bars, int p1, int p2, int n) {
    const std::string P1 = std::to_string(p1), P2 = std::to_string(p2), N = std::to_string(n);
    return {"ma(close," + P1 + ")[" + N + "] <= ma(close," + P2 + ")[" + N + "] and ma(close," +
                P1 + ") > ma(close," + P2 + ")",
            VerdictOf([&](InsufficientData& c) { return MAFilter(bars, p1, p2, n, c); }),
            p1 <= p2 && static_cast<int>(bars.size()) == n + p2};
}

Equivalence RsiCase(const TBars& bars, const TIndicatorParams& p, int direction, int level, int n) {
    TBars b = bars;
    CalRSI(b, p);
    const std::string L = std::to_string(level), N = std::to_string(n);
    const std::string formula = direction == 0 ? "rsi[" + N + "] < " + L + " and rsi > " + L
                                               : "rsi[" + N + "] > " + L + " and rsi < " + L;
    return {formula, VerdictOf([&](InsufficientData& c) {
                return ProFilter26(b, p, direction, level, n, c);
            }),
            false};
}

Equivalence VolumeCase(const TBars& bars, int v, BarPeriod period) {
    const int w = VolumeWindow(period);
    return {"ma(volume," + std::to_string(w) + ") > " + std::to_string(v),
            VerdictOf([&](InsufficientData& c) { return VOLFilter(bars, v, w, c); }),
            static_cast<int>(bars.size()) == w};
}

class FormulaScreenTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        std::mt19937 random(28);
        ASSERT_EQ(Import({RandomQuotes(random, 60)}).Outcome, ImportOutcome::Completed);
        TStockList stocks;
        TIndicatorParams ignored;
        LoadStockList(store, stocks, ignored, {});
        list = stocks.Items;
        for (const std::string& text : list) {
            TBars bars;
            LoadDataForName(store, text, true, bars);
            daily.push_back(bars);
        }
    }

    TBars InPeriod(std::size_t stock, BarPeriod period) const {
        TBars bars = daily[stock];
        ConvertToPeriod(bars, period);
        return bars;
    }

    std::vector<std::string> list;
    std::vector<TBars> daily;
};

} // namespace

TEST_F(FormulaScreenTest, EachFilterWrittenAsAFormulaAnswersEveryStockAlike) {
    std::mt19937 random(2026);
    int compared = 0, passed = 0, shortEarlier = 0;
    for (int set = 0; set < 30; ++set) {
        TIndicatorParams p;
        p.MACD1 = Between(random, 2, 15);
        p.MACD2 = Between(random, 5, 30);
        p.MACD3 = Between(random, 2, 12);
        p.RSI = Between(random, 2, 20);
        const BarPeriod period = RandomPeriod(random);
        const int n = Between(random, 1, 12), p1 = Between(random, 2, 30),
                  p2 = Between(random, 3, 40), level = Between(random, 25, 75),
                  direction = Between(random, 0, 1), volume = Between(random, 1000, 15000);
        for (std::size_t s = 0; s < list.size(); ++s) {
            const TBars bars = InPeriod(s, period);
            for (const Equivalence& e :
                 {MacdCase(bars, p, n), MaCase(bars, p1, p2, n),
                  RsiCase(bars, p, direction, level, n), VolumeCase(bars, volume, period)}) {
                SCOPED_TRACE(e.formula + " on " + list[s] + ", " + std::to_string(bars.size()) +
                             " bars, set " + std::to_string(set));
                const Verdict formula = FormulaVerdict(e.formula, bars, p);
                if (e.filterShortEarlier) {
                    // Only here do the two differ: the filter is short, the
                    // formula has every value it needs.
                    EXPECT_EQ(e.filter, Verdict::Short);
                    EXPECT_NE(formula, Verdict::Short) << Name(formula);
                    ++shortEarlier;
                    continue;
                }
                EXPECT_EQ(formula, e.filter) << Name(formula) << " against " << Name(e.filter);
                ++compared;
                passed += formula == Verdict::Pass;
            }
        }
    }
    EXPECT_GT(passed, 40); // the settings do let stocks through
    EXPECT_GT(compared, 6000);
    EXPECT_GT(shortEarlier, 0);
}

TEST_F(FormulaScreenTest, AFormulaScreensThroughTheRunAloneWithFiltersAndBesideOtherScreens) {
    const TIndicatorParams params;
    ScanFilters formula;
    formula.formula = ParseFormula("close > ma(close, 10) and rsi(9) > 50");
    formula.formulaPeriod = BarPeriod::Weekly;
    std::vector<std::string> expected;
    int shortOfData = 0;
    for (std::size_t s = 0; s < list.size(); ++s) {
        const Verdict v =
            FormulaVerdict(formula.formula->text, InPeriod(s, BarPeriod::Weekly), params);
        if (v == Verdict::Pass) expected.push_back(list[s]);
        shortOfData += v == Verdict::Short;
    }
    ASSERT_FALSE(expected.empty());
    ASSERT_GT(shortOfData, 0);

    TBarCache cache;
    const ScanResult alone = RunScan(store, list, params, formula, {}, &cache);
    ASSERT_EQ(alone.outcome, ScanOutcome::Completed) << alone.error;
    EXPECT_EQ(alone.passed, expected);
    EXPECT_EQ(alone.counters.insufficient, shortOfData);

    // With a filter ticked, both must pass; the filter runs first.
    ScanFilters both = formula;
    both.volume = true;
    both.volumeThreshold = 9000;
    ScanFilters volumeOnly;
    volumeOnly.volume = true;
    volumeOnly.volumeThreshold = 9000;
    const ScanResult volume = RunScan(store, list, params, volumeOnly, {});
    std::vector<std::string> intersection;
    for (const std::string& text : expected)
        if (std::find(volume.passed.begin(), volume.passed.end(), text) != volume.passed.end())
            intersection.push_back(text);
    EXPECT_EQ(RunScan(store, list, params, both, {}).passed, intersection);

    // Several screens in one run, formulas among them, each as alone.
    ScanFilters macd;
    macd.macd = true;
    ScanFilters daily;
    daily.formula = ParseFormula("macd_line crosses above macd_signal or rsi < 40");
    const std::vector<ScanFilters> screens = {formula, macd, daily, both};
    const ScreensResult together = RunScreens(store, list, params, screens, {}, &cache);
    ASSERT_EQ(together.outcome, ScanOutcome::Completed);
    for (std::size_t s = 0; s < screens.size(); ++s) {
        const ScanResult one = RunScan(store, list, params, screens[s], {});
        EXPECT_EQ(together.screens[s].passed, one.passed) << s;
        EXPECT_EQ(together.screens[s].counters.insufficient, one.counters.insufficient) << s;
    }
}
