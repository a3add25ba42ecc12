// The back-test against a case of a few stocks worked out by hand, its CSV,
// and the back-test days against scans of the stocks cut on each day.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "screen/backtest.h"
#include "screen/backtest_report.h"
#include "screen/random_quotes.h"
#include "store/bar_cache.h"
#include "store/price_history.h"
#include "store/stock_list.h"
#include "store/store_fixture.h"

using namespace brevant;
using namespace brevant::testing;

namespace {

// Six trading days, Monday 2 to Monday 9 November 2026 (d0 .. d5):
//   A 10 11 12 11 13 14
//   B 20 19 21 22 20 20
//   C  5  5  6  -  7  8   (no bar on d3)
//   D  -  -  -  -  - 50   (one bar: short of data for close[1])
const char* kQuotes = "A,Alpha,02112026,10,10,10,10,100\n"
                      "A,Alpha,03112026,11,11,11,11,100\n"
                      "A,Alpha,04112026,12,12,12,12,100\n"
                      "A,Alpha,05112026,11,11,11,11,100\n"
                      "A,Alpha,06112026,13,13,13,13,100\n"
                      "A,Alpha,09112026,14,14,14,14,100\n"
                      "B,Beta,02112026,20,20,20,20,100\n"
                      "B,Beta,03112026,19,19,19,19,100\n"
                      "B,Beta,04112026,21,21,21,21,100\n"
                      "B,Beta,05112026,22,22,22,22,100\n"
                      "B,Beta,06112026,20,20,20,20,100\n"
                      "B,Beta,09112026,20,20,20,20,100\n"
                      "C,Gamma,02112026,5,5,5,5,100\n"
                      "C,Gamma,03112026,5,5,5,5,100\n"
                      "C,Gamma,04112026,6,6,6,6,100\n"
                      "C,Gamma,06112026,7,7,7,7,100\n"
                      "C,Gamma,09112026,8,8,8,8,100\n"
                      "D,Delta,09112026,50,50,50,50,100\n";

class BacktestTest : public StoreTest {
protected:
    std::vector<std::string> StockList() {
        TStockList list;
        TIndicatorParams ignored;
        LoadStockList(store, list, ignored, {});
        return list.Items;
    }
};

// The returns are worked out as fractions here and as ratios of closes by
// the back-test: equal up to rounding.
constexpr double kRounding = 1e-12;

void ExpectFigures(const ReturnFigures& got, long count, double mean, double median, double rose) {
    EXPECT_EQ(got.count, count);
    EXPECT_NEAR(got.mean, mean, kRounding);
    EXPECT_NEAR(got.median, median, kRounding);
    EXPECT_DOUBLE_EQ(got.roseShare, rose);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

// "close > close[1]" over the last four days (d2 .. d5), held 1 and 2 days.
// Picks: d2 A B C, d3 B, d4 A C, d5 A C; D is short of data on d5.
TEST_F(BacktestTest, FiguresOfThreeStocksWorkedOutByHand) {
    ASSERT_EQ(Import({kQuotes}).Outcome, ImportOutcome::Completed);
    const std::vector<std::string> list = StockList();
    ASSERT_EQ(list.size(), 4u);
    BacktestSettings settings;
    settings.formula = ParseFormula("close > close[1]");
    settings.days = 4;
    settings.holds = {1, 2};
    TBarCache cache;
    const BacktestResult r = RunBacktest(store, list, TIndicatorParams{}, settings, {}, cache);
    ASSERT_EQ(r.outcome, ScanOutcome::Completed) << r.error;
    const BacktestFigures& f = r.figures;
    ASSERT_EQ(f.days.size(), 4u);
    EXPECT_EQ(f.days.front(), EncodeDate(2026, 11, 4));
    EXPECT_EQ(f.days.back(), EncodeDate(2026, 11, 9));
    EXPECT_EQ(f.stockDays, 12);
    EXPECT_EQ(f.shortOfData, 1);

    // Hold 1. Picks with a next-day close: A d2 -1/12, B d2 1/21, B d3 -1/11,
    // A d4 1/13, C d4 1/7 (C d2 has no d3 bar). The market adds A d3 2/11
    // and B d4 0.
    ASSERT_EQ(f.holds.size(), 2u);
    EXPECT_EQ(f.holds[0].hold, 1);
    ExpectFigures(f.holds[0].picks, 5, (-1 / 12.0 + 1 / 21.0 - 1 / 11.0 + 1 / 13.0 + 1 / 7.0) / 5,
                  1 / 21.0, 3 / 5.0);
    ExpectFigures(f.holds[0].market, 7,
                  (-1 / 12.0 + 1 / 21.0 - 1 / 11.0 + 1 / 13.0 + 1 / 7.0 + 2 / 11.0 + 0) / 7,
                  1 / 21.0, 4 / 7.0);
    // Hold 2 (d2 and d3 only). Picks: A d2 1/12, B d2 -1/21, C d2 1/6 (d4's
    // 7 against 6), B d3 -1/11. The market adds A d3 3/11.
    EXPECT_EQ(f.holds[1].hold, 2);
    ExpectFigures(f.holds[1].picks, 4, (1 / 12.0 - 1 / 21.0 + 1 / 6.0 - 1 / 11.0) / 4,
                  (-1 / 21.0 + 1 / 12.0) / 2, 2 / 4.0);
    ExpectFigures(f.holds[1].market, 5, (1 / 12.0 - 1 / 21.0 + 1 / 6.0 - 1 / 11.0 + 3 / 11.0) / 5,
                  1 / 12.0, 3 / 5.0);

    // The cumulative mean of the picks' one-day returns, day by day; it ends
    // on the last day with a day after it.
    const std::vector<double>& curve = f.pickCurves[0];
    ASSERT_EQ(curve.size(), 4u);
    EXPECT_NEAR(curve[0], (-1 / 12.0 + 1 / 21.0) / 2, kRounding);
    EXPECT_NEAR(curve[1], (-1 / 12.0 + 1 / 21.0 - 1 / 11.0) / 3, kRounding);
    EXPECT_DOUBLE_EQ(curve[2], f.holds[0].picks.mean);
    EXPECT_TRUE(std::isnan(curve[3]));
    EXPECT_DOUBLE_EQ(f.marketCurves[1][1], f.holds[1].market.mean);
    EXPECT_TRUE(std::isnan(f.marketCurves[1][2]));

    // One CSV row per day and pick, returns left empty without a later close.
    const std::string csv = dir.file("picks.csv");
    WriteBacktestCsv(csv, f, settings.holds, list);
    char expected[1024];
    std::snprintf(expected, sizeof expected,
                  "date,symbol,name,close,return_1,return_2\n"
                  "2026-11-04,A,Alpha,12,%.6f,%.6f\n"
                  "2026-11-04,B,Beta,21,%.6f,%.6f\n"
                  "2026-11-04,C,Gamma,6,,%.6f\n"
                  "2026-11-05,B,Beta,22,%.6f,%.6f\n"
                  "2026-11-06,A,Alpha,13,%.6f,\n"
                  "2026-11-06,C,Gamma,7,%.6f,\n"
                  "2026-11-09,A,Alpha,14,,\n"
                  "2026-11-09,C,Gamma,8,,\n",
                  -1 / 12.0, 1 / 12.0, 1 / 21.0, -1 / 21.0, 1 / 6.0, -1 / 11.0, -1 / 11.0, 1 / 13.0,
                  1 / 7.0);
    EXPECT_EQ(ReadFile(csv), expected);
    // The table names every hold.
    const std::string table = BacktestTable(f);
    EXPECT_NE(table.find("   1        5"), std::string::npos) << table;
    EXPECT_NE(table.find("60.0%"), std::string::npos) << table;
}

// Each back-test day's picks are the stocks a scan of the database cut after
// that day lists: one evaluation of the whole series answers for every day.
TEST_F(BacktestTest, EachDaysPicksAreTheScanOfTheStocksCutThatDay) {
    std::mt19937 random(77);
    ASSERT_EQ(Import({RandomQuotes(random, 25)}).Outcome, ImportOutcome::Completed);
    const std::vector<std::string> list = StockList();
    TIndicatorParams params;
    params.RSI = 6;
    BacktestSettings settings;
    settings.formula = ParseFormula("rsi crosses above 45 or close > highest(high, 8)[1]");
    settings.days = 40;
    settings.holds = {3};
    TBarCache cache;
    const BacktestResult r = RunBacktest(store, list, params, settings, {}, cache);
    ASSERT_EQ(r.outcome, ScanOutcome::Completed) << r.error;
    FormulaEvaluator evaluator(settings.formula, params);
    std::size_t picks = 0;
    for (std::size_t s = 0; s < list.size(); ++s) {
        TBars bars;
        LoadDataForName(store, list[s], true, bars);
        for (std::size_t d = 0; d < r.figures.days.size(); ++d) {
            TBars cut;
            for (const TStockBar& b : bars)
                if (b.Date <= r.figures.days[d]) cut.push_back(b);
            if (cut.empty() || cut.back().Date != r.figures.days[d]) continue;
            const bool passes =
                AnswerAt(evaluator.Evaluate(cut, 1), cut.size() - 1) == FormulaAnswer::Pass;
            const bool picked = std::any_of(
                r.figures.picks.begin(), r.figures.picks.end(), [&](const BacktestPick& p) {
                    return p.stock == static_cast<int>(s) && p.day == static_cast<int>(d);
                });
            EXPECT_EQ(picked, passes) << list[s] << " day " << d;
            picks += passes;
        }
    }
    EXPECT_EQ(picks, r.figures.picks.size());
    EXPECT_GT(picks, 20u);
}
