// Brevant Dira — tests of the view tables: every indicator view, time window
// and price style is found by its name and position, owns its function key,
// needs a calculation that computes what it shows, and sets the pens of its
// panel as the chart defines them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "chart/check_indicator.h"
#include "chart/compose_chart.h"
#include "chart/function_keys.h"
#include "chart/view_names.h"
#include "chart_test_support.h"

namespace brevant {
namespace {

using enum ChartSeries;

std::string Cased(std::string_view name, int (*change)(int)) {
    std::string text(name);
    for (char& c : text) c = static_cast<char>(change(static_cast<unsigned char>(c)));
    return text;
}

template <class Rows> void ExpectNamesRoundTrip(const Rows& rows, int (*find)(std::string_view)) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string_view name = rows[i].name;
        SCOPED_TRACE(std::string(name));
        EXPECT_EQ(find(name), int(i));
        EXPECT_EQ(find(Cased(name, ::tolower)), int(i));
        EXPECT_EQ(find(Cased(name, ::toupper)), int(i));
        EXPECT_EQ(find(std::to_string(i)), int(i));
    }
    EXPECT_EQ(find(std::to_string(rows.size())), -1);
}

TEST(ViewTables, EveryRowIsFoundByItsNameInAnyCaseAndByItsPosition) {
    ExpectNamesRoundTrip(kIndicatorViews, IndicatorViewByName);
    ExpectNamesRoundTrip(kTimeWindows, TimeWindowByName);
    ExpectNamesRoundTrip(kPriceStyles, PriceStyleByName);
}

TEST(ViewTables, OnlyWholeNamesAndPlainPositionsAreFound) {
    const std::pair<const char*, int> cases[] = {{"macd FULL", kMacdFull},
                                                 {"01", kMacdHistogram},
                                                 {"15", kAtrView},
                                                 {"16", -1},
                                                 {"-1", -1},
                                                 {"+1", -1},
                                                 {" 2", -1},
                                                 {"2 ", -1},
                                                 {"2x", -1},
                                                 {"", -1},
                                                 {"MACD", -1},
                                                 {"MACD Full ", -1},
                                                 {"99999999999", -1},
                                                 {"Williams %r", kWrView},
                                                 {"+di/-di wilder's di", kDiView},
                                                 {"Accum/Distribution", kAccumDist}};
    for (const auto& [text, index] : cases) EXPECT_EQ(IndicatorViewByName(text), index) << text;
    // Letters beyond ASCII never match another case.
    EXPECT_FALSE(SameNameAnyCase("\xc9", "\xe9"));
    EXPECT_TRUE(SameNameAnyCase("\xe9", "\xe9"));
    // The chart matches a window on its exact name.
    EXPECT_EQ(TimeWindowByName("view all"), kAllBars);
    EXPECT_EQ(FindTimeWindow("view all"), nullptr);
    ASSERT_NE(FindTimeWindow("View All"), nullptr);
    EXPECT_EQ(WindowBars("View All", 77), 77);
}

// Every function key belongs to one row of one table, and the key chooses that row.
TEST(ViewTables, FunctionKeysAreUniqueAndChooseTheirRow) {
    std::map<int, ViewChoice> owners;
    auto collect = [&](const auto& rows, ViewGroup group) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const int key = rows[i].functionKey;
            if (key == 0) continue;
            SCOPED_TRACE(std::string(rows[i].name));
            // F12 is "Filter Database".
            EXPECT_TRUE(key >= 1 && key <= 11) << key;
            EXPECT_TRUE(owners.emplace(key, ViewChoice{group, int(i)}).second) << "F" << key;
        }
    };
    collect(kTimeWindows, ViewGroup::Window);
    collect(kIndicatorViews, ViewGroup::Indicator);
    collect(kPriceStyles, ViewGroup::Style);
    EXPECT_EQ(owners.size(), 11u); // F1 .. F11
    for (int key = 0; key <= 13; ++key) {
        const auto owner = owners.find(key);
        const std::optional<ViewChoice> choice = ViewForFunctionKey(key);
        if (owner == owners.end()) {
            EXPECT_FALSE(choice) << key;
        } else {
            EXPECT_EQ(choice, owner->second) << key;
        }
    }
}

std::string_view ParamKey(IndicatorPeriod period) {
    for (const IndicatorParamKey& key : kIndicatorParamKeys)
        if (key.member == period) return key.key;
    return "?";
}

bool Writes(const CalculationInfo& calc, BarField field) {
    return std::find(calc.outputs.begin(), calc.outputs.end(), field) != calc.outputs.end();
}

// A view drawing or reading fields its calculation does not write, or
// titled with periods its calculation does not use, is paired with the
// wrong calculation.
TEST(IndicatorViews, TheCalculationComputesWhatTheViewShows) {
    for (const IndicatorViewInfo& view : kIndicatorViews) {
        SCOPED_TRACE(std::string(view.name));
        const CalculationInfo* calc = FindCalculation(view.calculation);
        ASSERT_NE(calc, nullptr);
        EXPECT_EQ(IndicatorCalculation(view.view), calc);
        for (const PanelLine& line : view.lines) {
            EXPECT_TRUE(Writes(*calc, line.field));
        }
        if (view.histogram) {
            EXPECT_TRUE(Writes(*calc, &TStockBar::MacdHist));
        }
        for (const ReadoutSlot& slot : view.readout) {
            if (!slot.field) continue;
            EXPECT_TRUE(Writes(*calc, slot.field)) << slot.caption;
        }

        std::set<std::string_view> periods;
        for (IndicatorPeriod p : view.title.periods)
            if (p) periods.insert(ParamKey(p));
        for (const PanelLine& line : view.lines)
            for (IndicatorPeriod p : line.from.periods)
                if (p) periods.insert(ParamKey(p));
        for (std::string_view key : periods) {
            EXPECT_NE(std::find(calc->parameters.begin(), calc->parameters.end(), key),
                      calc->parameters.end())
                << key;
        }
    }
}

// The pen a view leaves on a series: each property it sets, or the series'
// own where it sets none.
struct PenSet {
    std::optional<Rgb> colour;
    std::optional<int> width;
    std::optional<PenStyle> style;
};

struct PenCase {
    int indicator;
    std::map<ChartSeries, PenSet> pens; // series not named keep their pens
};

constexpr Rgb kBlack = colours::kBlack, kRed = colours::kRed, kBlue = colours::kBlue,
              kGreen = colours::kGreen, kMaroon = colours::kMaroon;
const PenSet kBold{kBlack, 2, PenStyle::Solid};
const PenSet kDotted{kMaroon, std::nullopt, PenStyle::Dot};
const PenSet kRedLine{kRed, std::nullopt, PenStyle::Solid};

class IndicatorPens : public testing::TestWithParam<PenCase> {};

TEST_P(IndicatorPens, SetExactlyThePropertiesTheViewNames) {
    const PenCase& c = GetParam();
    const TBars bars = test::WaveBars(120);
    const TIndicatorParams params;
    // Two starting pens, so that a property the view leaves alone shows
    // through and one it sets shows its own value in both.
    for (const Pen& before :
         {Pen{{1, 2, 3}, 7, PenStyle::Solid}, Pen{{4, 5, 6}, 9, PenStyle::Dot}}) {
        ChartModel m = InitialChartModel();
        for (SeriesModel& s : m.series) s.pen = before;
        const ChartView view =
            test::ViewOf(c.indicator, kCandleStyle, "View All", BarPeriod::Daily);
        ComposeChart(m, {bars, view, params, {}, {}, {}});
        for (ChartSeries s : {Series3, Series4, Series5, Series6, Series7, Series12}) {
            SCOPED_TRACE(std::string(m[s].name));
            const auto it = c.pens.find(s);
            const PenSet set = it == c.pens.end() ? PenSet{} : it->second;
            EXPECT_EQ(m[s].pen.colour, set.colour.value_or(before.colour));
            EXPECT_EQ(m[s].pen.width, set.width.value_or(before.width));
            EXPECT_EQ(m[s].pen.style, set.style.value_or(before.style));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Views, IndicatorPens,
    testing::Values(
        PenCase{kMacdLine,
                {{Series3, kBold},
                 {Series4, {kBlue, std::nullopt, PenStyle::Solid}},
                 {Series5, {kMaroon, 1, PenStyle::Dot}}}},
        PenCase{kMacdHistogram, {{Series5, {kMaroon, 1, PenStyle::Dot}}}},
        PenCase{kMacdFull,
                {{Series3, kBold},
                 {Series4, {kBlue, std::nullopt, PenStyle::Solid}},
                 {Series5, {colours::kGridGreen, 1, PenStyle::Solid}}}},
        PenCase{kRsiView, {{Series3, kBold}, {Series4, kDotted}, {Series5, kDotted}}},
        PenCase{kCciView,
                {{Series3, kBold}, {Series4, kDotted}, {Series5, kDotted}, {Series6, kDotted}}},
        PenCase{kMfiView, {{Series3, kBold}, {Series4, kDotted}, {Series5, kDotted}}},
        PenCase{kWrView, {{Series3, kBold}, {Series4, kDotted}, {Series5, kDotted}}},
        PenCase{kAdxView,
                {{Series3, kBold}, {Series4, kRedLine}, {Series5, {kGreen, 1, PenStyle::Solid}}}},
        PenCase{kDiView, {{Series4, kRedLine}, {Series5, {kGreen, 1, PenStyle::Solid}}}},
        PenCase{kFastStochastic,
                {{Series5, kBold}, {Series4, kRedLine}, {Series3, kDotted}, {Series6, kDotted}}},
        PenCase{kSlowStochastic,
                {{Series5, kBold}, {Series4, kRedLine}, {Series3, kDotted}, {Series6, kDotted}}},
        PenCase{kCmfView, {{Series3, kBold}, {Series4, kDotted}}},
        PenCase{kAccumDist, {{Series3, kBold}, {Series4, kRedLine}}},
        PenCase{kRocView, {{Series3, kBold}, {Series4, kDotted}}},
        PenCase{kObvView, {{Series3, kBold}, {Series4, kRedLine}}},
        PenCase{kAtrView, {{Series3, kBold}}}),
    [](const auto& info) { return "View" + std::to_string(info.param.indicator); });

} // namespace
} // namespace brevant
