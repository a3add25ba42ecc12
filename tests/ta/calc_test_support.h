// Brevant Dira — bar series and checks shared by the indicator tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "ta/calculation_table.h"
#include "ta/stock_bar.h"

namespace brevant::testing {

// Stands in every indicator field before a calculation runs, so that a field
// the calculation clears, writes or leaves alone can be told apart.
constexpr double kUntouched = 777.0;

inline std::string FieldName(BarField field) {
    for (const StockBarField& f : kStockBarFields)
        if (f.member == field) return std::string(f.name);
    return "?";
}

inline bool IsPriceField(BarField field) {
    return field == &TStockBar::Close || field == &TStockBar::Volume || field == &TStockBar::Open ||
           field == &TStockBar::High || field == &TStockBar::Low || field == &TStockBar::Date;
}

inline bool Contains(std::span<const BarField> fields, BarField field) {
    return std::find(fields.begin(), fields.end(), field) != fields.end();
}

// Sets every indicator field of every bar to kUntouched.
inline void FillIndicators(TBars& bars) {
    for (TStockBar& bar : bars)
        for (const StockBarField& f : kStockBarFields)
            if (!IsPriceField(f.member)) bar.*f.member = kUntouched;
}

struct Bar {
    double high, low, close, volume = 1;
};

// Bars from high, low, close (and volume); Open is the close.
inline TBars MakeBars(std::initializer_list<Bar> list) {
    TBars bars;
    for (const Bar& b : list) {
        TStockBar bar;
        bar.Date = 40000 + static_cast<double>(bars.size());
        bar.High = b.high;
        bar.Low = b.low;
        bar.Close = b.close;
        bar.Open = b.close;
        bar.Volume = b.volume;
        bars.push_back(bar);
    }
    return bars;
}

// Bars with no range: High = Low = Close, volume 1.
inline TBars FromCloses(std::initializer_list<double> closes) {
    TBars bars;
    for (double c : closes) {
        TStockBar bar;
        bar.Date = 40000 + static_cast<double>(bars.size());
        bar.Close = bar.Open = bar.High = bar.Low = c;
        bar.Volume = 1;
        bars.push_back(bar);
    }
    return bars;
}

inline TBars Flat(std::size_t count, double close = 10, double volume = 100) {
    TBars bars(count);
    for (std::size_t i = 0; i < count; ++i) {
        bars[i].Date = 40000 + static_cast<double>(i);
        bars[i].Close = bars[i].Open = bars[i].High = bars[i].Low = close;
        bars[i].Volume = volume;
    }
    return bars;
}

// A random walk held at single precision like the database columns, with
// High strictly above and Low strictly below the open and the close.
inline TBars RandomBars(std::size_t count, unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> step(-1.5, 1.5), wick(0.01, 1.0), volume(1e3, 1e6);
    auto single = [](double v) { return static_cast<double>(static_cast<float>(v)); };
    TBars bars(count);
    double close = 40;
    for (std::size_t i = 0; i < count; ++i) {
        TStockBar& b = bars[i];
        b.Date = 40000 + static_cast<double>(i);
        b.Open = single(close);
        close += step(rng);
        if (close < 2) close = 4 - close; // reflect: no run of equal closes at a floor
        b.Close = single(close);
        b.High = single(std::max(b.Open, b.Close) + wick(rng));
        b.Low = single(std::min(b.Open, b.Close) - wick(rng));
        b.Volume = single(std::round(volume(rng)));
    }
    return bars;
}

// Closes that turn at every bar, so that every short window holds both a rise
// and a fall (no window is degenerate); same shape of bars as RandomBars.
inline TBars ZigzagBars(std::size_t count, unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> step(0.5, 1.5), wick(0.01, 0.1), volume(1e3, 1e6);
    auto single = [](double v) { return static_cast<double>(static_cast<float>(v)); };
    TBars bars(count);
    double close = 40;
    for (std::size_t i = 0; i < count; ++i) {
        TStockBar& b = bars[i];
        b.Date = 40000 + static_cast<double>(i);
        b.Open = single(close);
        close += i % 2 ? -step(rng) : step(rng);
        b.Close = single(close);
        b.High = single(std::max(b.Open, b.Close) + wick(rng));
        b.Low = single(std::min(b.Open, b.Close) - wick(rng));
        b.Volume = single(std::round(volume(rng)));
    }
    return bars;
}

inline std::vector<double> Column(const TBars& bars, BarField field) {
    std::vector<double> out;
    for (const TStockBar& b : bars) out.push_back(b.*field);
    return out;
}

// One expected value: field of bar `bar`.
struct Expect {
    int bar;
    BarField field;
    double value;
};

// Hand-derived values are written as exact fractions; the calculation's own
// order of rounding may differ from the fraction's by a few units in the last
// place.
inline void CheckExpects(const TBars& bars, const std::vector<Expect>& expects) {
    for (const Expect& e : expects) {
        SCOPED_TRACE(FieldName(e.field) + "[" + std::to_string(e.bar) + "]");
        ASSERT_LT(static_cast<std::size_t>(e.bar), bars.size());
        EXPECT_NEAR(bars[e.bar].*e.field, e.value, 1e-10 * std::max(1.0, std::fabs(e.value)));
    }
}

// One case of a per-calculation table: a series, the periods, the values that
// matter.
struct CalcCase {
    const char* name;
    TBars bars;
    TIndicatorParams params = {};
    TOverlayParams overlay = {};
    std::vector<Expect> expects;
};

// Runs `calc` on every case with the indicator fields pre-filled, checks the
// expected values and that no field outside the calculation's outputs moved.
inline void RunCases(std::string_view calc, std::vector<CalcCase> cases) {
    const CalculationInfo* info = FindCalculation(calc);
    ASSERT_NE(info, nullptr) << calc;
    for (CalcCase& c : cases) {
        SCOPED_TRACE(c.name);
        TBars bars = c.bars;
        FillIndicators(bars);
        info->run(bars, c.params, c.overlay);
        CheckExpects(bars, c.expects);
        for (std::size_t i = 0; i < bars.size(); ++i)
            for (const StockBarField& f : kStockBarFields)
                if (!IsPriceField(f.member) && !Contains(info->outputs, f.member)) {
                    ASSERT_EQ(bars[i].*f.member, kUntouched) << f.name << "[" << i << "]";
                }
    }
}

} // namespace brevant::testing
