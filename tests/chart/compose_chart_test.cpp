// Brevant Dira — tests of the chart composition: windows, layouts, header,
// status text and overlays.
#include <gtest/gtest.h>

#include "chart/compose_chart.h"
#include "chart_test_support.h"

namespace brevant {
namespace {

using enum ChartSeries;
using test::WaveBars;

struct Composer {
    TBars bars;
    ChartView view;
    TIndicatorParams params;
    OverlaySettings overlays;
    StockSelection selection{true, std::string("Acme Corp , ACM"), std::nullopt};
    LocaleSettings locale = WithProgramDates(LocaleSettings{});
    ChartModel chart = InitialChartModel();

    ChartModel& Compose() {
        ComposeChart(chart, {bars, view, params, overlays, selection, locale});
        return chart;
    }
};

TEST(ComposeChart, EmptySeriesDrawsOneZeroPointAndTheCaptions) {
    Composer c;
    c.chart.header.Label22 = "Old Stock , OLD";
    c.chart.Label35 = "RSI";
    c.chart.statusText = "old";
    const ChartModel& m = c.Compose();
    ASSERT_EQ(m[Series1].ohlc.size(), 1u);
    EXPECT_EQ(m[Series1].ohlc[0], OhlcPoint{});
    for (ChartSeries s : {Series2, Series3, Series4, Series5, Series6, Series7, Series8, Series9}) {
        SCOPED_TRACE(std::string(m[s].name));
        EXPECT_EQ(m[s].points, std::vector<XYPoint>{XYPoint{}});
    }
    for (ChartSeries s :
         {Series10, Series11, Series12, Series13, Series14, Series15, Series16, Series17})
        EXPECT_TRUE(m[s].points.empty() && m[s].ohlc.empty()) << m[s].name;
    EXPECT_EQ(m.header, HeaderTexts{});
    EXPECT_EQ(m.bottomRange, (AxisRange{0, 0}));
    EXPECT_EQ(m.Label35, "");
    EXPECT_EQ(m.statusText, "");
}

TEST(ComposeChart, EmptySeriesAfterANarrowChartKeepsNoRangeOfIt) {
    // Three months of bars draw the volume as bars, which the empty chart
    // gives no point; the volume axis must still leave the old stock's range.
    Composer c;
    c.bars = WaveBars(100);
    c.view.window = "3 Months";
    ASSERT_TRUE(c.Compose().narrowLayout());
    ASSERT_TRUE(c.chart.axis(ChartAxis::Left).dataRange.has_value());
    ASSERT_GT(c.chart.axis(ChartAxis::Left).dataRange->max, 0);
    c.bars.clear();
    const ChartModel& m = c.Compose();
    for (ChartAxis a : {ChartAxis::Indicator, ChartAxis::Right, ChartAxis::Left}) {
        SCOPED_TRACE(static_cast<int>(a));
        EXPECT_EQ(m.axis(a).dataRange, (std::optional<AxisRange>{AxisRange{0, 0}}));
    }
}

struct WindowCase {
    const char* name;
    int bars;
    const char* window;
    int first;
    bool wide;
    bool shortHistory;
};

class ComposeWindow : public testing::TestWithParam<WindowCase> {};

TEST_P(ComposeWindow, ShowsTheWindowsBarsInItsLayout) {
    const WindowCase& w = GetParam();
    Composer c;
    c.bars = WaveBars(w.bars);
    c.view.window = w.window;
    const ChartModel& m = c.Compose();
    const int last = w.bars - 1;
    ASSERT_EQ(m[Series1].ohlc.size(), std::size_t(last - w.first + 1));
    EXPECT_EQ(m[Series1].ohlc.front().x, w.first);
    EXPECT_EQ(m[Series1].ohlc.back().x, last);
    EXPECT_EQ(m[Series17].points.size(), m[Series1].ohlc.size());
    EXPECT_EQ(m.bottomRange, (AxisRange{double(w.first), double(last + 3)}));
    EXPECT_EQ(m.narrowLayout(), !w.wide);
    EXPECT_EQ(m[Series2].visible, w.wide);
    EXPECT_EQ(m[Series7].visible, w.wide);
    EXPECT_EQ(m[Series12].visible, !w.wide);
    if (w.wide) {
        EXPECT_EQ(m.price.candleWidth, 4);
    }
    // The volume goes to the layout's series, closed with a zero one bar on.
    const auto& volume = m[w.wide ? Series2 : Series11].points;
    EXPECT_TRUE(m[w.wide ? Series11 : Series2].points.empty());
    ASSERT_EQ(volume.size(), m[Series1].ohlc.size() + 1);
    EXPECT_EQ(volume.back(), (XYPoint{double(last + 1), 0.0}));
    EXPECT_EQ(volume.front().y, c.bars[w.first].Volume);
    EXPECT_EQ(m[Series10].ohlc, (std::vector<OhlcPoint>{{double(w.first), 0, 100, 0, 100}}));
    EXPECT_EQ(m.statusText, w.shortHistory
                                ? std::string("Acme Corp , ACM has less than ") + w.window + " data"
                                : "");
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ComposeWindow,
    testing::Values(WindowCase{"LongHistoryOneMonth", 500, "1 Month", 471, false, false},
                    WindowCase{"ExactlyOneMonth", 30, "1 Month", 0, false, false},
                    WindowCase{"ShortOfOneMonth", 20, "1 Month", 0, false, true},
                    WindowCase{"OneYear", 500, "1 Year", 261, true, false},
                    WindowCase{"ThreeMonths", 350, "3 Months", 291, false, false},
                    WindowCase{"ViewAll152", 152, "View All", 0, true, false},
                    WindowCase{"ViewAll151", 151, "View All", 0, false, false},
                    WindowCase{"SixMonthsOnFewBars", 100, "6 Months", 0, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ComposeChart, SwitchingFromOneYearToThreeMonthsGivesTheNarrowLayoutBack) {
    Composer c;
    c.bars = WaveBars(500);
    c.view.window = "1 Year";
    EXPECT_FALSE(c.Compose().narrowLayout());
    c.view.window = "3 Months";
    const ChartModel& m = c.Compose();
    EXPECT_TRUE(m.narrowLayout());
    EXPECT_FALSE(m[Series2].visible);
    EXPECT_TRUE(m[Series2].points.empty());
}

TEST(ComposeChart, ShortHistoryMessageNamesTheVisibleListsEntryOnly) {
    Composer c;
    c.bars = WaveBars(20);
    c.view.window = "1 Month";
    c.selection = {false, std::string("Acme Corp , ACM"), std::string("Beta Inc , BET")};
    EXPECT_EQ(c.Compose().statusText, "Beta Inc , BET has less than 1 Month data");
    c.selection = {true, std::nullopt, std::string("Beta Inc , BET")};
    EXPECT_EQ(c.Compose().statusText, " has less than 1 Month data");
}

struct NoticeCase {
    const char* name;
    int bars;
    const char* window;
    int indicator;
    const char* notice;
};

class ComposePanelNotice : public testing::TestWithParam<NoticeCase> {};

// An indicator panel without values says why, in the panel itself.
TEST_P(ComposePanelNotice, NamesTheReasonOnlyWhenThePanelHasNoValues) {
    const NoticeCase& n = GetParam();
    Composer c;
    c.bars = WaveBars(n.bars);
    c.view.window = n.window;
    c.view.indicator = n.indicator;
    EXPECT_EQ(c.Compose().panelNotice, n.notice);
}

INSTANTIATE_TEST_SUITE_P(
    Notices, ComposePanelNotice,
    testing::Values(NoticeCase{"ShortOfWindowAndIndicator", 20, "1 Month", kMacdFull,
                               "Acme Corp , ACM has less than 1 Month data"},
                    NoticeCase{"WindowFitsIndicatorDoesNot", 20, "View All", kMacdFull,
                               "Too few bars for MACD Full (12,26,9)"},
                    NoticeCase{"ComputedButBeforeItsFirstBar", 17, "View All", kRsiView,
                               "Too few bars for Relative Strength Index (14)"},
                    NoticeCase{"FirstValueOnTheLastBar", 18, "View All", kRsiView, ""},
                    NoticeCase{"ShortOfWindowYetDrawn", 20, "1 Month", kRsiView, ""},
                    NoticeCase{"HistogramAlone", 350, "3 Months", kMacdHistogram, ""},
                    NoticeCase{"EveryBarView", 30, "View All", kObvView, ""},
                    NoticeCase{"NoBars", 0, "3 Months", kMacdFull, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ComposeChart, PanelNoticeGoesWhenTheBarsSuffice) {
    Composer c;
    c.bars = WaveBars(20);
    EXPECT_FALSE(c.Compose().panelNotice.empty());
    c.bars = WaveBars(350);
    EXPECT_EQ(c.Compose().panelNotice, "");
}

TEST(ComposeChart, UnknownWindowTextIsRejected) {
    Composer c;
    c.bars = WaveBars(10);
    c.view.window = "2 Weeks";
    EXPECT_THROW(c.Compose(), std::invalid_argument);
}

struct StyleCase {
    int style;
    bool candlesShown;
    OhlcStyle look;
    Rgb down, up, colour;
    int outline;
};

class ComposePriceStyle : public testing::TestWithParam<StyleCase> {};

TEST_P(ComposePriceStyle, SetsTheLookOfThePriceSeries) {
    const StyleCase& s = GetParam();
    Composer c;
    c.bars = WaveBars(40);
    c.view.priceStyle = s.style;
    const ChartModel& m = c.Compose();
    EXPECT_EQ(m[Series1].visible, s.candlesShown);
    EXPECT_EQ(m[Series17].visible, !s.candlesShown);
    EXPECT_EQ(m.price.style, s.look);
    EXPECT_EQ(m.price.down, s.down);
    EXPECT_EQ(m.price.up, s.up);
    EXPECT_EQ(m[Series1].fill, s.colour);
    EXPECT_EQ(m[Series1].pen.width, s.outline);
}

using namespace colours;
INSTANTIATE_TEST_SUITE_P(
    Styles, ComposePriceStyle,
    testing::Values(StyleCase{0, true, OhlcStyle::Bar, kRed, kBlack, kBlack, 1},
                    StyleCase{1, true, OhlcStyle::Candle, kRed, kWhite, kRed, 1},
                    StyleCase{2, false, OhlcStyle::Line, kBlack, kBlack, kBlack, 2}));

TEST(ComposeChart, HeaderShowsTheLastBarRoundedAndTheVolumeText) {
    Composer c;
    c.bars = WaveBars(40);
    TStockBar& b = c.bars.back();
    b.Open = 12.5;
    b.High = 13.004;
    b.Low = 11.996;
    b.Close = 12.3456;
    b.Volume = 1234567890;
    b.Date = EncodeDate(2026, 3, 5);
    const HeaderTexts& h = c.Compose().header;
    EXPECT_EQ(h.Label22, "Acme Corp , ACM");
    EXPECT_EQ(h.Label24, "12.5");
    EXPECT_EQ(h.Label26, "13");
    EXPECT_EQ(h.Label30, "12");
    EXPECT_EQ(h.Label32, "12.35");
    EXPECT_EQ(h.Label34, "05 March 2026");
    EXPECT_EQ(h.Label28, " 1,234,567,890");
}

TEST(ComposeChart, HeaderUsesTheLocalesDecimalSeparator) {
    Composer c;
    c.bars = WaveBars(40);
    c.bars.back().Close = 7.25;
    c.locale.DecimalSeparator = ',';
    EXPECT_EQ(c.Compose().header.Label32, "7,25");
}

TEST(ComposeChart, HeaderComesFromTheFilterResultWhenTheStockListHasNoSelection) {
    Composer c;
    c.bars = WaveBars(40);
    c.selection = {true, std::nullopt, std::string("Beta Inc , BET")};
    EXPECT_EQ(c.Compose().header.Label22, "Beta Inc , BET");
    c.selection = {false, std::string("Acme Corp , ACM"), std::string("Beta Inc , BET")};
    EXPECT_EQ(c.Compose().header.Label22, "Beta Inc , BET");
}

TEST(ComposeChart, WithoutASelectionTheHeaderKeepsItsTextsButTheTitleIsWritten) {
    Composer c;
    c.bars = WaveBars(40);
    c.Compose();
    const HeaderTexts before = c.chart.header;
    c.bars = WaveBars(45);
    c.selection = {};
    c.view.indicator = kRsiView;
    const ChartModel& m = c.Compose();
    EXPECT_EQ(m.header, before);
    EXPECT_EQ(m.Label35, "Relative Strength Index (14)");
}

TEST(ComposeChart, OverlayShownWhenItsPeriodFitsTheSeries) {
    constexpr int n = 60;
    Composer c;
    c.bars = WaveBars(n);
    for (TStockBar& b : c.bars) b.MA1 = b.MA2 = b.MA3 = b.BBUpper = b.BBMiddle = b.BBLower = 0;
    c.overlays = {{n, n, n, n, 2}, true, true, true, true};
    c.view.window = "View All";
    const ChartModel& m = c.Compose();
    EXPECT_FALSE(m[Series8].visible);
    for (ChartSeries s : {Series9, Series13, Series14, Series15, Series16}) {
        EXPECT_TRUE(m[s].visible) << m[s].name;
        // Nothing was computed for a period as long as the series.
        EXPECT_TRUE(m[s].points.empty()) << m[s].name;
    }
}

TEST(ComposeChart, OverlayLinesStartAtTheirPeriodAndUntickedOnesStayEmpty) {
    Composer c;
    c.bars = WaveBars(100);
    for (TStockBar& b : c.bars) b.MA1 = b.MA2 = b.BBUpper = b.BBMiddle = b.BBLower = 1;
    c.overlays.params = {10, 30, 200, 20, 2};
    c.overlays.PlotMA1 = true;
    c.overlays.PlotBB = true;
    c.view.window = "View All";
    const ChartModel& m = c.Compose();
    EXPECT_EQ(m[Series8].points.front().x, 9);
    EXPECT_EQ(m[Series8].points.back().x, 99);
    EXPECT_EQ(m[Series14].points.front().x, 19);
    EXPECT_EQ(m[Series16].points.size(), 81u);
    EXPECT_TRUE(m[Series9].points.empty());
    EXPECT_TRUE(m[Series9].visible); // left as the chart had it
}

TEST(ComposeChart, DataRangesCoverTheShownSeriesOnly) {
    Composer c;
    c.bars = WaveBars(60);
    c.view.window = "View All";
    c.view.priceStyle = 2;
    const ChartModel& m = c.Compose();
    double low = 1e9, high = -1e9, volume = 0;
    for (const TStockBar& b : c.bars) {
        low = std::min(low, b.Close);
        high = std::max(high, b.Close);
        volume = std::max(volume, b.Volume);
    }
    EXPECT_EQ(m.axis(ChartAxis::Right).dataRange, (AxisRange{low, high}));
    EXPECT_EQ(m.axis(ChartAxis::Left).dataRange, (AxisRange{0, volume}));
    EXPECT_EQ(m.axis(ChartAxis::Right).minOffset, 55);
    EXPECT_EQ(m.axis(ChartAxis::Right).maxOffset, 5);
    EXPECT_EQ(m.axis(ChartAxis::Indicator).minOffset, 5);
    EXPECT_EQ(m.axis(ChartAxis::Indicator).maxOffset, 3);
}

} // namespace
} // namespace brevant
