// The calculation table, and properties every calculation shares: length
// boundaries, first bars, which fields are cleared, flat series, finite output.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "calc_test_support.h"

using namespace brevant;
using namespace brevant::testing;
using S = TStockBar;

namespace {

constexpr int kNever = -1;

// Where each output starts with the default periods (overlay 20/50/200,
// Bollinger 20 x 2), and its value on a flat series (close 10, volume 100,
// High = Low = Close).
struct FieldFacts {
    BarField field;
    int firstBar;
    double flat;
    // Only the larger of the two directional moves counts, so either may
    // legitimately be 0 on its first bar.
    bool mayBeZero = false;
};
struct CalcFacts {
    std::string_view name;
    std::vector<FieldFacts> fields;
};

const std::vector<CalcFacts>& Facts() {
    static const std::vector<CalcFacts> facts = {
        {"Calcma", {{&S::MA1, 19, 10}, {&S::MA2, 49, 10}, {&S::MA3, 199, 10}}},
        {"CalMACD",
         {{&S::MacdEma1, 12, 10},
          {&S::MacdEma2, 26, 10},
          {&S::MacdLine, 26, 0},
          {&S::MacdSignal, 47, 0},
          {&S::MacdHist, 47, 0}}},
        {"CalBB", {{&S::BBUpper, 19, 10}, {&S::BBMiddle, 19, 10}, {&S::BBLower, 19, 10}}},
        // A flat series has no loss at all: the floor makes it 100.
        {"CalRSI", {{&S::RsiAvgGain, 14, 0}, {&S::RsiAvgLoss, 14, 0}, {&S::RSI, 15, 100}}},
        {"CalCCI", {{&S::CCI, 19, 0}}},
        {"CalMFI", {{&S::MFI, 14, 50}}},
        {"CalWR", {{&S::WR, 13, -100}}},
        {"CalROC", {{&S::ROC, 11, 0}}},
        {"CalStoc",
         {{&S::FastK, 13, 0}, {&S::FastD, 15, 0}, {&S::SlowK, kNever, 0}, {&S::SlowD, kNever, 0}}},
        {"CalSStoc",
         {{&S::FastK, 13, 0}, {&S::SlowK, 15, 0}, {&S::FastD, 15, 0}, {&S::SlowD, 17, 0}}},
        {"CalADX",
         {{&S::PlusDM, 1, 0, true},
          {&S::MinusDM, 1, 0, true},
          {&S::TrueRange, 1, 0},
          {&S::PlusDI, 2, 0, true},
          {&S::MinusDI, 2, 0, true},
          {&S::DX, 3, 0},
          {&S::ADX, 3, 0}}},
        {"CalCMF", {{&S::AccDist, 0, 0}, {&S::CMF, 19, 0}, {&S::AccDistMA, 19, 0}}},
        {"CalOBV", {{&S::OBV, 0, 100}, {&S::ObvMA, 19, 100}}},
        {"CalATR", {{&S::ATR, 13, 0}}},
    };
    return facts;
}

const TIndicatorParams kDefaults = DefaultIndicatorParams();
const TOverlayParams kOverlay{20, 50, 200, 20, 2};

TIndicatorParams AllPeriods(int v) {
    TIndicatorParams p;
    for (const IndicatorParamKey& k : kIndicatorParamKeys) p.*k.member = v;
    return p;
}
TOverlayParams AllOverlay(int v) {
    return {v, v, v, v, 2};
}

// Checks that no field outside `info`'s outputs moved from kUntouched.
void ExpectOnlyOutputsMoved(const CalculationInfo& info, const TBars& bars) {
    for (std::size_t i = 0; i < bars.size(); ++i)
        for (const StockBarField& f : kStockBarFields)
            if (!IsPriceField(f.member) && !Contains(info.outputs, f.member)) {
                ASSERT_EQ(bars[i].*f.member, kUntouched) << f.name << "[" << i << "]";
            }
}

} // namespace

TEST(CalculationTable, NamesInTheOrderOfAll) {
    const char* order[] = {"Calcma", "CalMACD", "CalBB",    "CalRSI", "CalCCI", "CalMFI", "CalWR",
                           "CalROC", "CalStoc", "CalSStoc", "CalADX", "CalCMF", "CalOBV", "CalATR"};
    ASSERT_EQ(std::size(order), kCalculations.size());
    for (std::size_t i = 0; i < kCalculations.size(); ++i) {
        EXPECT_EQ(kCalculations[i].name, order[i]);
        EXPECT_EQ(FindCalculation(order[i]), &kCalculations[i]);
    }
    EXPECT_EQ(FindCalculation("calrsi"), nullptr);
    EXPECT_EQ(FindCalculation("RSI"), nullptr);
    EXPECT_EQ(FindCalculation(""), nullptr);
}

TEST(CalculationTable, OutputsAndResetsMatchTheFields) {
    ASSERT_EQ(Facts().size(), kCalculations.size());
    for (std::size_t i = 0; i < kCalculations.size(); ++i) {
        const CalculationInfo& info = kCalculations[i];
        SCOPED_TRACE(std::string(info.name));
        ASSERT_EQ(Facts()[i].name, info.name);
        std::set<std::string> outputs, facts;
        for (BarField f : info.outputs) outputs.insert(FieldName(f));
        for (const FieldFacts& f : Facts()[i].fields) facts.insert(FieldName(f.field));
        EXPECT_EQ(outputs, facts);
        for (BarField f : info.resets) EXPECT_TRUE(Contains(info.outputs, f)) << FieldName(f);
        for (std::string_view param : info.parameters) {
            bool known = param == "MA1" || param == "MA2" || param == "MA3" ||
                         param == "BBPeriod" || param == "BBWidth";
            for (const IndicatorParamKey& k : kIndicatorParamKeys) known = known || k.key == param;
            EXPECT_TRUE(known) << param;
        }
    }
    // The two working averages of the RSI and the OBV average are the only
    // outputs left uncleared.
    EXPECT_FALSE(Contains(FindCalculation("CalRSI")->resets, &S::RsiAvgGain));
    EXPECT_FALSE(Contains(FindCalculation("CalRSI")->resets, &S::RsiAvgLoss));
    EXPECT_FALSE(Contains(FindCalculation("CalOBV")->resets, &S::ObvMA));
}

TEST(CalculationTable, MinimumLengthsWithTheDefaults) {
    struct Case {
        const char* name;
        std::int64_t bars;
    } cases[] = {
        {"Calcma", 21}, {"CalMACD", 50}, {"CalBB", 21},  {"CalRSI", 17},  {"CalCCI", 23},
        {"CalMFI", 17}, {"CalWR", 17},   {"CalROC", 14}, {"CalStoc", 20}, {"CalSStoc", 20},
        {"CalADX", 20}, {"CalCMF", 23},  {"CalOBV", 23}, {"CalATR", 17},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindCalculation(c.name)->minimumBars(kDefaults, kOverlay), c.bars) << c.name;
}

// Around the minimum length, for several sets of periods: one bar short
// changes nothing (Calcma still clears its averages), the minimum computes.
TEST(CalculationTable, LengthBoundaries) {
    struct ParamSet {
        const char* name;
        TIndicatorParams p;
        TOverlayParams o;
        bool allZeroPossible = false;
    } sets[] = {
        {"defaults", kDefaults, kOverlay},
        // A one-bar CCI or rate of change is 0 by definition.
        {"all periods 1", AllPeriods(1), AllOverlay(1), true},
        {"all periods 2", AllPeriods(2), AllOverlay(2)},
        {"all periods 5", AllPeriods(5), AllOverlay(5)},
        {"fast MACD longer than slow", {.MACD1 = 26, .MACD2 = 12}, {.MA1 = 200, .MA2 = 7}},
    };
    for (const ParamSet& set : sets) {
        for (const CalculationInfo& info : kCalculations) {
            const std::int64_t minimum = info.minimumBars(set.p, set.o);
            for (std::int64_t length : {std::int64_t{0}, std::int64_t{1}, minimum - 1, minimum}) {
                if (length < 0) continue;
                SCOPED_TRACE(std::string(set.name) + " " + std::string(info.name) + " on " +
                             std::to_string(length) + " bars");
                TBars bars = ZigzagBars(static_cast<std::size_t>(length), 7);
                FillIndicators(bars);
                info.run(bars, set.p, set.o);
                ExpectOnlyOutputsMoved(info, bars);
                if (length < minimum) {
                    for (const TStockBar& bar : bars)
                        for (BarField f : info.outputs) {
                            const bool cleared = info.clearsWhenShort && Contains(info.resets, f);
                            ASSERT_EQ(bar.*f, cleared ? 0.0 : kUntouched) << FieldName(f);
                        }
                    continue;
                }
                bool anyValue = false;
                for (BarField f : info.outputs) {
                    EXPECT_NE(bars.back().*f, kUntouched) << FieldName(f);
                    for (const TStockBar& bar : bars) anyValue = anyValue || bar.*f != 0;
                }
                EXPECT_TRUE(anyValue || set.allZeroPossible);
            }
        }
    }
}

// A period below 1 never comes from the parameters; if one is passed anyway,
// the calculation stays out of the series.
TEST(CalculationTable, PeriodsBelowOneChangeNothing) {
    for (int period : {0, -3}) {
        for (const CalculationInfo& info : kCalculations) {
            if (info.name == "CalOBV") continue; // has no period
            SCOPED_TRACE(std::string(info.name) + " period " + std::to_string(period));
            TBars bars = RandomBars(350, 8);
            FillIndicators(bars);
            TOverlayParams o = AllOverlay(period);
            o.BBWidth = period;
            info.run(bars, AllPeriods(period), o);
            for (const TStockBar& bar : bars)
                for (BarField f : info.outputs)
                    ASSERT_EQ(bar.*f, info.clearsWhenShort ? 0.0 : kUntouched) << FieldName(f);
        }
    }
}

// With the default periods, on a random series of the minimum length and on
// 350 bars: cleared fields are 0.0 before their first bar, uncleared ones keep
// what they held, and every bar from the first on holds a value.
TEST(CalculationTable, FirstBarOfEveryOutput) {
    for (std::size_t i = 0; i < kCalculations.size(); ++i) {
        const CalculationInfo& info = kCalculations[i];
        const auto minimum = static_cast<std::size_t>(info.minimumBars(kDefaults, kOverlay));
        for (std::size_t length : {minimum, std::size_t{350}}) {
            SCOPED_TRACE(std::string(info.name) + " on " + std::to_string(length) + " bars");
            TBars bars = RandomBars(length, 9);
            FillIndicators(bars);
            info.run(bars, kDefaults, kOverlay);
            for (const FieldFacts& f : Facts()[i].fields) {
                SCOPED_TRACE(FieldName(f.field));
                const int first = f.firstBar == kNever ? static_cast<int>(length) : f.firstBar;
                const double before = Contains(info.resets, f.field) ? 0.0 : kUntouched;
                for (int t = 0; t < static_cast<int>(length); ++t) {
                    const double v = bars[t].*f.field;
                    if (t < first) {
                        ASSERT_EQ(v, before) << "bar " << t;
                    } else {
                        ASSERT_NE(v, kUntouched) << "bar " << t;
                        ASSERT_TRUE(std::isfinite(v)) << "bar " << t;
                    }
                }
                if (first < static_cast<int>(length) && !f.mayBeZero) {
                    EXPECT_NE(bars[first].*f.field, 0) << "first bar " << first;
                }
            }
        }
    }
}

TEST(CalculationTable, FlatSeries) {
    for (std::size_t i = 0; i < kCalculations.size(); ++i) {
        const CalculationInfo& info = kCalculations[i];
        SCOPED_TRACE(std::string(info.name));
        TBars bars = Flat(350, 10, 100);
        info.run(bars, kDefaults, kOverlay);
        for (const FieldFacts& f : Facts()[i].fields) {
            if (f.firstBar == kNever) continue;
            for (std::size_t t = static_cast<std::size_t>(f.firstBar); t < bars.size(); ++t)
                ASSERT_EQ(bars[t].*f.field, f.flat) << FieldName(f.field) << "[" << t << "]";
        }
    }
}

// Every calculation on 350 bars, including series that provoke the guarded
// divisions (no range, no volume, a zero close, long flat stretches).
TEST(CalculationTable, NoOutputIsNanOrInfinite) {
    auto hard = [] {
        TBars bars = RandomBars(350, 10);
        for (std::size_t i = 100; i < 160; ++i) bars[i] = bars[99]; // flat stretch
        for (std::size_t i = 200; i < 240; ++i) bars[i].Volume = 0; // no trading
        for (std::size_t i = 250; i < 252; ++i)                     // a zero close
            bars[i].Close = bars[i].Open = bars[i].Low = 0;
        for (std::size_t i = 300; i < 310; ++i) bars[i].High = bars[i].Low = bars[i].Close;
        return bars;
    };
    struct Case {
        const char* name;
        TBars bars;
    } cases[] = {
        {"random walk", RandomBars(350, 11)},
        {"another random walk", RandomBars(350, 12)},
        {"flat", Flat(350)},
        {"flat without volume", Flat(350, 10, 0)},
        {"zero prices", Flat(350, 0, 100)},
        {"gaps, flat stretches, no volume, zero close", hard()},
    };
    struct ParamSet {
        const char* name;
        TIndicatorParams p;
        TOverlayParams o;
    } sets[] = {
        {"defaults", kDefaults, kOverlay},
        {"periods 1", AllPeriods(1), AllOverlay(1)},
        {"periods 3", AllPeriods(3), AllOverlay(3)},
    };
    for (const Case& c : cases)
        for (const ParamSet& set : sets) {
            SCOPED_TRACE(std::string(c.name) + ", " + set.name);
            TBars bars = c.bars;
            RunAllCalculations(bars, set.p, set.o);
            for (std::size_t i = 0; i < bars.size(); ++i)
                for (const StockBarField& f : kStockBarFields)
                    ASSERT_TRUE(std::isfinite(bars[i].*f.member)) << f.name << "[" << i << "]";
        }
}

TEST(CalculationTable, TenBarsGetNoIndicator) {
    TBars bars = RandomBars(10, 13);
    const TBars before = bars;
    RunAllCalculations(bars, kDefaults, kOverlay);
    for (std::size_t i = 0; i < bars.size(); ++i)
        for (const StockBarField& f : kStockBarFields)
            EXPECT_EQ(bars[i].*f.member, before[i].*f.member) << f.name << "[" << i << "]";
}
