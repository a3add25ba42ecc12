// Formulas against the calculations and against naive references: every
// calculation by name equals the program's own on the bars it fills, missing
// before them; every column's bar t equals the formula on the series cut
// after bar t; the operators on small series worked out by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "formula/formula_error.h"
#include "formula/formula_evaluator.h"
#include "formula/formula_names.h"

using namespace brevant;

namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

// A random walk with a range and a volume on every bar.
TBars RandomBars(std::mt19937& random, std::size_t count) {
    TBars bars(count);
    double close = 50;
    for (std::size_t i = 0; i < count; ++i) {
        close *= 1 + (static_cast<int>(random() % 2001) - 1000) / 30000.0;
        TStockBar& b = bars[i];
        b.Date = 40000 + static_cast<double>(i);
        b.Close = close;
        b.Open = close * (1 + (static_cast<int>(random() % 21) - 10) / 1000.0);
        b.High = std::max(b.Open, close) * (1 + (random() % 20) / 1000.0);
        b.Low = std::min(b.Open, close) * (1 - (random() % 20) / 1000.0);
        b.Volume = 1000 + static_cast<double>(random() % 50000);
    }
    return bars;
}

// A condition or a number, whichever the text is.
std::shared_ptr<const Formula> ParseEither(const std::string& text) {
    try {
        return ParseFormula(text, false);
    } catch (const FormulaError&) {
        return ParseFormula(text, true);
    }
}

std::vector<double> Values(const std::string& text, TBars bars,
                           const TIndicatorParams& params = {}) {
    FormulaEvaluator evaluator(ParseFormula(text, false), params);
    const std::span<const double> column = evaluator.Evaluate(bars);
    return {column.begin(), column.end()};
}

// Bit for bit, NaN matching NaN.
void ExpectSameColumn(const std::vector<double>& got, const std::vector<double>& expected) {
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t t = 0; t < got.size(); ++t) {
        SCOPED_TRACE("bar " + std::to_string(t));
        if (std::isnan(expected[t]))
            EXPECT_TRUE(std::isnan(got[t])) << got[t];
        else
            EXPECT_EQ(got[t], expected[t]);
    }
}

std::string WithPeriods(std::string_view name, const std::vector<int>& periods) {
    std::string text(name);
    for (std::size_t i = 0; i < periods.size(); ++i)
        text += (i == 0 ? "(" : ",") + std::to_string(periods[i]);
    return periods.empty() ? text : text + ")";
}

} // namespace

// Each name against its calculation run by hand with the same settings: the
// stored settings as defaults, periods in brackets replacing them in order.
TEST(FormulaValues, EveryCalculationEqualsTheProgramsOwnFromItsFirstFilledBar) {
    std::mt19937 random(28);
    TIndicatorParams stored;
    stored.RSI = 9;
    stored.MACD1 = 5;
    stored.MACD2 = 11;
    stored.MACD3 = 4;
    stored.FSTOC1 = 8;
    stored.SSTOC2 = 4;
    int compared = 0;
    for (const FormulaIndicator& indicator : FormulaIndicators()) {
        const CalculationInfo& calc = *indicator.calculation;
        // The first filled bar does hold a value on a random walk (a +DI of
        // 0 may be a true value, so not every time).
        int firstHeldValue = 0;
        for (bool overridden : {false, true}) {
            std::vector<int> periods;
            TIndicatorParams params = stored;
            TOverlayParams overlay;
            if (overridden) {
                for (std::size_t i = 0; i < calc.parameters.size(); ++i)
                    periods.push_back(2 + static_cast<int>(random() % 12));
                ApplyFormulaPeriods(calc, periods, params, overlay);
            }
            const std::int64_t minimum = calc.minimumBars(params, overlay);
            const std::int64_t first = indicator.firstBar(params, overlay);
            for (std::int64_t length :
                 {std::int64_t{1}, minimum - 1, minimum, minimum + 1, std::int64_t{120}}) {
                if (length < 1) continue;
                const std::string text = WithPeriods(indicator.name, periods);
                SCOPED_TRACE(text + " on " + std::to_string(length) + " bars");
                TBars bars = RandomBars(random, static_cast<std::size_t>(length));
                const std::vector<double> got = Values(text, bars, stored);
                TBars computed = bars;
                calc.run(computed, params, overlay);
                std::vector<double> expected(bars.size(), kNone);
                for (std::size_t t = 0; t < bars.size(); ++t) {
                    const double v = computed[t].*indicator.field;
                    if (length < minimum || static_cast<std::int64_t>(t) < first) {
                        // Nothing the calculation filled is left out.
                        EXPECT_EQ(v, 0.0) << "a value before its first bar " << t;
                        continue;
                    }
                    expected[t] = v;
                    ++compared;
                }
                if (length >= minimum && first < length)
                    firstHeldValue +=
                        computed[static_cast<std::size_t>(first)].*indicator.field != 0;
                ExpectSameColumn(got, expected);
            }
        }
        EXPECT_GT(firstHeldValue, 2) << indicator.name;
    }
    EXPECT_GT(compared, 4000);
}

// A column's bar t answers for the series cut after bar t: look-backs and
// windows reaching before the first bar have no value there either, and a
// calculation refuses a cut shorter than it needs.
TEST(FormulaValues, EveryBarAnswersAsTheFormulaOnTheSeriesCutThere) {
    std::mt19937 random(2028);
    std::vector<std::string> formulas = {
        "ma(close,5)[3] <= ma(close,9)[3] and ma(close,5) > ma(close,9)",
        "macd_line crosses above macd_signal",
        "rsi(7)[2] < 40 and rsi(7) > 40",
        "ema(close - lowest(low, 4), 3) / atr(5)",
        "highest(high,6)[1] - sum(volume,3) / max(volume, 1) + abs(cci(6)[4])",
        "slow_k(6,2) crosses below slow_d(6,2) or fast_k(5,2) > fast_d(5,2)",
        "not (adx(4) > plus_di(4)) and minus_di(4) < 40 and roc(5)[1] <> 0",
        "bb_upper(8,2) - bb_lower(8) > 2 * atr(4) or obv < ma(obv, 5)",
        "cmf(6) > 0 and acc_dist > acc_dist[2] and wr(5) < -20 and mfi(5) > 10",
    };
    for (const FormulaIndicator& indicator : FormulaIndicators())
        formulas.push_back(std::string(indicator.name) + "[1] + 0");
    for (const std::string& text : formulas) {
        SCOPED_TRACE(text);
        const TBars bars = RandomBars(random, 60);
        FormulaEvaluator evaluator(ParseEither(text), TIndicatorParams{});
        TBars whole = bars;
        const std::span<const double> column = evaluator.Evaluate(whole);
        const std::vector<double> full(column.begin(), column.end());
        int valued = 0;
        for (std::size_t t = 0; t < bars.size(); ++t) {
            SCOPED_TRACE("cut after bar " + std::to_string(t));
            TBars cut(bars.begin(), bars.begin() + static_cast<std::ptrdiff_t>(t) + 1);
            // Only the last bar asked for: the parts work out only what it reads.
            const double alone = evaluator.Evaluate(cut, 1).back();
            const bool refused = static_cast<std::int64_t>(t) + 1 < evaluator.MinimumBars();
            EXPECT_EQ(evaluator.AnswerAsOf(full, t), AnswerAt(std::vector<double>{alone}, 0));
            if (std::isnan(alone)) {
                EXPECT_TRUE(refused || std::isnan(full[t])) << full[t];
            } else {
                EXPECT_FALSE(refused);
                EXPECT_EQ(full[t], alone);
                ++valued;
            }
        }
        EXPECT_GT(valued, 0);
    }
}

// The screens reuse one buffer of bars from stock to stock without clearing
// the indicator fields: whatever they hold, every calculation's values come
// out the same.
TEST(FormulaValues, LeftOverIndicatorFieldsAreNeverRead) {
    std::mt19937 random(5);
    for (std::size_t length : {3u, 12u, 30u, 90u}) {
        const TBars clean = RandomBars(random, length);
        TBars dirty = clean;
        for (TStockBar& bar : dirty)
            for (const StockBarField& f : kStockBarFields)
                if (f.member != &TStockBar::Date && f.member != &TStockBar::Open &&
                    f.member != &TStockBar::High && f.member != &TStockBar::Low &&
                    f.member != &TStockBar::Close && f.member != &TStockBar::Volume)
                    bar.*f.member = 777;
        for (const FormulaIndicator& indicator : FormulaIndicators()) {
            SCOPED_TRACE(std::string(indicator.name) + " on " + std::to_string(length) + " bars");
            ExpectSameColumn(Values(std::string(indicator.name), dirty),
                             Values(std::string(indicator.name), clean));
        }
    }
}

struct HandCase {
    const char* formula;
    std::vector<double> expected;
};

// Closes 1 2 4 3 5 (volume 10 20 30 40 50), worked out by hand.
TEST(FormulaValues, OperatorsAndFunctionsOnASmallSeries) {
    TBars bars;
    const double closes[] = {1, 2, 4, 3, 5};
    for (std::size_t i = 0; i < 5; ++i) {
        TStockBar b;
        b.Date = 40000 + static_cast<double>(i);
        b.Open = b.High = b.Low = b.Close = closes[i];
        b.Volume = 10.0 * static_cast<double>(i + 1);
        bars.push_back(b);
    }
    const double n = kNone;
    const HandCase cases[] = {
        {"close", {1, 2, 4, 3, 5}},
        {"close[2]", {n, n, 1, 2, 4}},
        {"close[0]", {1, 2, 4, 3, 5}},
        {"close[5]", {n, n, n, n, n}},
        {"ma(close, 2)", {n, 1.5, 3, 3.5, 4}},
        {"sum(volume, 3)", {n, n, 60, 90, 120}},
        {"highest(close, 3)", {n, n, 4, 4, 5}},
        {"lowest(close, 3)", {n, n, 1, 2, 3}},
        {"ema(close, 2)", {n, 1.5, (4 - 1.5) * 2 / 3 + 1.5, 0, 0}},
        {"ma(close[1], 2)", {n, n, 1.5, 3, 3.5}},
        {"-close + 2 * 3 - 1.5", {3.5, 2.5, 0.5, 1.5, -0.5}},
        {"close / (close - 2)", {-1, n, 2, 3, 5 / 3.0}},
        {"abs(close - 3)", {2, 1, 1, 0, 2}},
        {"min(close, 3) + max(close, 3)", {4, 5, 7, 6, 8}},
        {"close > 2", {0, 0, 1, 1, 1}},
        {"close >= 3 and close <= 4", {0, 0, 1, 1, 0}},
        {"close = 3 or close <> close[1] + 1", {n, 0, 1, 1, 1}},
        {"not close < 3", {0, 0, 1, 1, 1}},
        {"close crosses above 3.5", {n, 0, 1, 0, 1}},
        {"close crosses below close[1]", {n, n, 0, 1, 0}},
        {"close crosses above 3 and close[2] < 3", {n, n, 1, 0, 0}},
        {"(close > 2)[1]", {n, 0, 0, 1, 1}},
    };
    for (const HandCase& c : cases) {
        SCOPED_TRACE(c.formula);
        std::vector<double> expected = c.expected;
        if (std::string(c.formula) == "ema(close, 2)") {
            expected[3] = (3 - expected[2]) * 2 / 3 + expected[2];
            expected[4] = (5 - expected[3]) * 2 / 3 + expected[3];
        }
        FormulaEvaluator evaluator(ParseEither(c.formula), TIndicatorParams{});
        TBars copy = bars;
        const std::span<const double> got = evaluator.Evaluate(copy);
        ExpectSameColumn({got.begin(), got.end()}, expected);
    }
}

TEST(FormulaValues, EqualPartsAreEvaluatedOnce) {
    const auto f =
        ParseFormula("ma(close,10)[1] <= ma(close,20)[1] and ma(close,10) > ma(close,20)");
    // close, 10, ma10, 20, ma20, two look-backs, <=, >, and.
    EXPECT_EQ(f->nodes.size(), 8u);
    EXPECT_EQ(f->root, 7);
}

TEST(FormulaValues, TheAnswerOnABar) {
    const std::vector<double> column = {1, 0, kNone};
    EXPECT_EQ(AnswerAt(column, 0), FormulaAnswer::Pass);
    EXPECT_EQ(AnswerAt(column, 1), FormulaAnswer::Fail);
    EXPECT_EQ(AnswerAt(column, 2), FormulaAnswer::ShortOfData);
    EXPECT_EQ(AnswerAt(column, 3), FormulaAnswer::ShortOfData);
}
