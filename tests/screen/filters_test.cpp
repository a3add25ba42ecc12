// The four screening filters on small hand-made series.
#include <gtest/gtest.h>

#include <vector>

#include "screen/filters.h"
#include "ta/calculations.h"

using namespace brevant;

namespace {

TBars WithCloses(const std::vector<double>& closes) {
    TBars bars(closes.size());
    for (std::size_t i = 0; i < closes.size(); ++i) bars[i].Close = closes[i];
    return bars;
}

struct Counted {
    InsufficientData counter;
    std::vector<std::string> labels;
    int breaths = 0;
    Counted() {
        counter.changed = [this](const std::string& t) { labels.push_back(t); };
        counter.processMessages = [this] { ++breaths; };
    }
};

} // namespace

TEST(MAFilter, Cases) {
    // p1 = 1 (the close itself) against p2 = 2, look-back 1.
    struct Case {
        const char* name;
        std::vector<double> closes;
        int p1, p2, n;
        int answer;
        bool shortOfData;
    } cases[] = {
        {"crosses above", {5, 5, 4, 6}, 1, 2, 1, 0, false},
        // bar 2: ma1 4 < ma2 4.5; bar 3: ma1 6 > ma2 5
        {"equal then above passes", {4, 4, 4, 6}, 1, 2, 1, 0, false},
        {"above at the comparison bar", {4, 4, 5, 6}, 1, 2, 1, 1, false},
        {"equal at the last bar", {5, 5, 4, 4}, 1, 2, 1, 1, false},
        {"below at both bars", {9, 9, 4, 3}, 1, 2, 1, 1, false},
        {"last = p2 + n is long enough", {5, 5, 4, 6}, 1, 2, 1, 0, false},
        {"last < p2 + n is short", {5, 4, 6}, 1, 2, 1, 1, true},
        {"look-back longer than the series", {5, 4, 6, 7}, 1, 1, 4, 1, true},
        {"p1 above p2 with a window before the first bar", {5, 4, 6, 7}, 4, 2, 1, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Counted k;
        EXPECT_EQ(MAFilter(WithCloses(c.closes), c.p1, c.p2, c.n, k.counter), c.answer);
        EXPECT_EQ(k.counter.count, c.shortOfData ? 1 : 0);
        EXPECT_EQ(k.labels,
                  c.shortOfData ? std::vector<std::string>{"1"} : std::vector<std::string>{});
        EXPECT_EQ(k.breaths, c.shortOfData ? 1 : 0);
    }
}

TEST(MAFilter, LengthBoundaryWithTenAndTwenty) {
    // 21 bars with p1 10, p2 20, N 1: too short; 22 bars: evaluated.
    std::vector<double> closes(22, 10.0);
    closes.back() = 20; // average 1 rises above average 2 at the last bar
    Counted shortOne;
    EXPECT_EQ(MAFilter(WithCloses({closes.begin(), closes.end() - 1}), 10, 20, 1, shortOne.counter),
              1);
    EXPECT_EQ(shortOne.counter.count, 1);
    Counted enough;
    EXPECT_EQ(MAFilter(WithCloses(closes), 10, 20, 1, enough.counter), 0);
    EXPECT_EQ(enough.counter.count, 0);
}

TEST(MACDFilter, Cases) {
    TIndicatorParams p; // 12/26/9: needs last >= 49, i.e. 50 bars
    struct Case {
        const char* name;
        int size;
        double lineThen, signalThen, lineNow, signalNow;
        int n;
        int answer;
        bool shortOfData;
    } cases[] = {
        {"buy signal", 50, -1, 0, 1, 0, 1, 0, false},
        {"equal at the comparison bar rejects", 50, 0.5, 0.5, 1, 0, 1, 1, false},
        {"still below at the last bar", 50, -1, 0, -1, 0, 1, 1, false},
        {"equal at the last bar rejects", 50, -1, 0, 0, 0, 1, 1, false},
        {"49 bars are short", 49, -1, 0, 1, 0, 1, 1, true},
        {"look-back before the first bar", 50, -1, 0, 1, 0, 50, 1, true},
        // The signal line starts at bar 12 + 26 + 9 = 47: an earlier bar's
        // 0.0 is no value, whatever the line there.
        {"look-back to the first bar", 50, -1, 0, 1, 0, 49, 1, true},
        {"comparison bar before the first signal", 50, -1, 0, 1, 0, 3, 1, true},
        {"comparison bar on the first signal", 50, -1, 0, 1, 0, 2, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TBars bars(static_cast<std::size_t>(c.size));
        const int last = c.size - 1;
        if (last - c.n >= 0) {
            bars[static_cast<std::size_t>(last - c.n)].MacdLine = c.lineThen;
            bars[static_cast<std::size_t>(last - c.n)].MacdSignal = c.signalThen;
        }
        bars.back().MacdLine = c.lineNow;
        bars.back().MacdSignal = c.signalNow;
        Counted k;
        EXPECT_EQ(MACDFilter(bars, p, c.n, k.counter), c.answer);
        EXPECT_EQ(k.counter.count, c.shortOfData ? 1 : 0);
    }
}

TEST(ProFilter26, Cases) {
    // RSI period 1: a value on every bar from bar 2, so only the filter's own
    // rules are tried here.
    TIndicatorParams p;
    p.RSI = 1;
    struct Case {
        const char* name;
        int size;
        double then, now;
        int direction, level, n;
        int answer;
        bool shortOfData;
    } cases[] = {
        {"above: 29.5 then 30.5", 20, 29.5, 30.5, 0, 30, 1, 0, false},
        {"above: 30 then 35 (not below before)", 20, 30, 35, 0, 30, 1, 1, false},
        {"above: ends on the level", 20, 25, 30, 0, 30, 1, 1, false},
        {"below: 71 then 69", 20, 71, 69, 1, 70, 1, 0, false},
        {"below: 70 then 60", 20, 70, 60, 1, 70, 1, 1, false},
        {"other direction rejects", 20, 29.5, 30.5, 2, 30, 1, 1, false},
        {"last = n + 2 is long enough", 4, 29.5, 30.5, 0, 30, 1, 0, false},
        {"last < n + 2 is short", 3, 29.5, 30.5, 0, 30, 1, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TBars bars(static_cast<std::size_t>(c.size));
        const int last = c.size - 1;
        if (last - c.n >= 0) bars[static_cast<std::size_t>(last - c.n)].RSI = c.then;
        bars.back().RSI = c.now;
        Counted k;
        EXPECT_EQ(ProFilter26(bars, p, c.direction, c.level, c.n, k.counter), c.answer);
        EXPECT_EQ(k.counter.count, c.shortOfData ? 1 : 0);
    }
}

TEST(ProFilter26, BarsWithoutAnRsiValueAreShortOfData) {
    // A steady rise: CalRSI (period 14) gives 100 from bar 15 on and leaves
    // 0.0 before it, which once passed "above 99" as if RSI had been 0.
    TIndicatorParams p;
    struct Case {
        const char* name;
        int size;
        int direction, level, n;
        int answer;
        bool shortOfData;
    } cases[] = {
        {"30 bars, above 99 within 20", 30, 0, 99, 20, 1, true},
        {"30 bars, above 99 within 15: bar 14 has none", 30, 0, 99, 15, 1, true},
        {"30 bars, within 14: bar 15 is 100, not below 99", 30, 0, 99, 14, 1, false},
        {"30 bars, below 101 within 14: 100 then 100", 30, 1, 101, 14, 1, false},
        {"10 bars: no RSI at all", 10, 0, 30, 1, 1, true},
        {"16 bars, one short of a value", 16, 0, 30, 1, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TBars bars(static_cast<std::size_t>(c.size));
        for (std::size_t i = 0; i < bars.size(); ++i) bars[i].Close = 10.0 + static_cast<double>(i);
        CalRSI(bars, p);
        Counted k;
        EXPECT_EQ(ProFilter26(bars, p, c.direction, c.level, c.n, k.counter), c.answer);
        EXPECT_EQ(k.counter.count, c.shortOfData ? 1 : 0);
    }
}

TEST(VOLFilter, Cases) {
    struct Case {
        const char* name;
        int size;
        double volume;
        int threshold, window;
        int answer;
        bool shortOfData;
    } cases[] = {
        {"average above", 21, 1001, 1000, 20, 0, false},
        {"average equal rejects", 21, 1000, 1000, 20, 1, false},
        {"20 daily bars are short", 20, 5000, 1000, 20, 1, true},
        {"weekly window", 11, 2000, 1000, 10, 0, false},
        {"monthly window short", 3, 2000, 1000, 3, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TBars bars(static_cast<std::size_t>(c.size));
        for (TStockBar& b : bars) b.Volume = c.volume;
        bars.front().Volume = 1e12; // outside the window
        Counted k;
        EXPECT_EQ(VOLFilter(bars, c.threshold, c.window, k.counter), c.answer);
        EXPECT_EQ(k.counter.count, c.shortOfData ? 1 : 0);
    }
}

TEST(InsufficientData, CountsAcrossFilters) {
    Counted k;
    TBars tiny(2);
    MAFilter(tiny, 10, 20, 1, k.counter);
    VOLFilter(tiny, 1000, 20, k.counter);
    EXPECT_EQ(k.labels, (std::vector<std::string>{"1", "2"}));
}
