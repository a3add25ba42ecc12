// Brevant Dira — tests of the crosshair readout texts.
#include <gtest/gtest.h>

#include "chart/number_texts.h"
#include "chart/readout.h"
#include "chart_test_support.h"
#include "ta/day_date.h"

namespace brevant {
namespace {

const LocaleSettings kLocale = WithProgramDates(LocaleSettings{});

TEST(Readout, ReadsOnlyBetweenTheSideMargins) {
    const std::pair<int, bool> cases[] = {{33, false},  {34, true}, {766, true},
                                          {767, false}, {0, false}, {-5, false}};
    for (const auto& [x, reads] : cases) EXPECT_EQ(ReadoutReadsX(x, 800), reads) << x;
}

TEST(Readout, BarUnderTheMouseIsTruncatedNotRounded) {
    EXPECT_EQ(ReadoutBarIndex(9.99), 9);
    EXPECT_EQ(ReadoutBarIndex(10.0), 10);
    EXPECT_EQ(ReadoutBarIndex(-0.7), 0);
    EXPECT_EQ(ReadoutBarIndex(-3.2), 3);
}

TEST(Readout, BarValuesCarryALeadingBlank) {
    TBars bars = test::WaveBars(20);
    TStockBar& b = bars[9];
    b.Open = 10.004;
    b.High = 11.5;
    b.Low = 9.125;
    b.Close = 10.999;
    b.Volume = 1234567;
    b.Date = EncodeDate(2026, 7, 3);
    const ReadoutTexts r = Readout(bars, 9, kMacdFull, {}, kLocale);
    EXPECT_EQ(r.Label3, " 10");
    EXPECT_EQ(r.Label4, " 11.5");
    EXPECT_EQ(r.Label5, " 9.12");
    EXPECT_EQ(r.Label6, " 11");
    EXPECT_EQ(r.Label10, " 03 Jul 26");
    EXPECT_EQ(r.Label7, " 1,234,567");
}

TEST(Readout, OverlayCaptionsNameTheirPeriods) {
    TBars bars = test::WaveBars(30);
    bars[5].MA1 = 12.346;
    bars[5].MA3 = 7;
    bars[5].BBUpper = 14.999;
    bars[5].BBLower = 8.5;
    OverlaySettings o{{20, 50, 200, 20, 2}, true, false, true, true};
    const ReadoutTexts r = Readout(bars, 5, kMacdFull, o, kLocale);
    EXPECT_EQ(r.Label8, "12.35");
    EXPECT_EQ(r.Label38, "MA 1  (20)");
    EXPECT_EQ(r.Label9, "MA 2");
    EXPECT_EQ(r.Label37, "MA 2");
    EXPECT_EQ(r.Label41, "7");
    EXPECT_EQ(r.Label36, "MA 3  (200)");
    EXPECT_EQ(r.Label43, "15");
    EXPECT_EQ(r.Label40, "BB Upp  (20,2)");
    EXPECT_EQ(r.Label42, "8.5");
    EXPECT_EQ(r.Label39, "BB Lwr  (20,2)");
}

TEST(Readout, RightOfTheLastBarOnlyCaptionsAndUnusedSlotsChange) {
    TBars bars = test::WaveBars(30);
    OverlaySettings o{{20, 50, 200, 20, 2}, true, true, true, true};
    const ReadoutTexts r = Readout(bars, 31, kMacdLine, o, kLocale);
    EXPECT_FALSE(r.Label3 || r.Label4 || r.Label5 || r.Label6 || r.Label7 || r.Label10);
    EXPECT_EQ(r.Label8, "MA 1");
    EXPECT_EQ(r.Label38, "MA 1");
    EXPECT_EQ(r.Label43, "BB Upp");
    EXPECT_EQ(r.Label39, "BB Lwr");
    EXPECT_EQ(r.captions, (std::array<std::string, 3>{"MACD Fast :", "MACD Slow :", "None :"}));
    EXPECT_FALSE(r.values[0]);
    EXPECT_FALSE(r.values[1]);
    EXPECT_EQ(r.values[2], "0.0000");
}

struct IndicatorRow {
    int indicator;
    std::array<const char*, 3> captions;
    std::array<double TStockBar::*, 3> fields; // nullptr: a None slot
    std::array<Rgb, 3> colours;
};

class ReadoutIndicator : public testing::TestWithParam<IndicatorRow> {};

TEST_P(ReadoutIndicator, FillsItsThreeSlots) {
    const IndicatorRow& row = GetParam();
    TBars bars = test::WaveBars(12);
    int k = 1;
    for (const StockBarField& f : kStockBarFields) bars[4].*f.member = 0.123456 * k++;
    const ReadoutTexts r = Readout(bars, 4, row.indicator, {}, kLocale);
    for (int slot = 0; slot < 3; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(r.captions[slot], row.captions[slot]);
        EXPECT_EQ(r.valueColours[slot], row.colours[slot]);
        const std::string expected =
            row.fields[slot] ? Rounded4Text(bars[4].*row.fields[slot], '.') : "0.0000";
        EXPECT_EQ(r.values[slot], expected);
    }
}

using B = TStockBar;
constexpr Rgb k = colours::kBlack, g = colours::kGreen, red = colours::kRed;
INSTANTIATE_TEST_SUITE_P(
    Table, ReadoutIndicator,
    testing::Values(
        IndicatorRow{0,
                     {"MACD Fast :", "MACD Slow :", "None :"},
                     {&B::MacdLine, &B::MacdSignal, nullptr},
                     {k, k, k}},
        IndicatorRow{
            1, {"MACD Hist :", "None :", "None :"}, {&B::MacdHist, nullptr, nullptr}, {k, k, k}},
        IndicatorRow{2,
                     {"MACD Fast :", "MACD Slow :", "MACD Hist :"},
                     {&B::MacdLine, &B::MacdSignal, &B::MacdHist},
                     {k, k, k}},
        IndicatorRow{3, {"RSI  :", "None :", "None :"}, {&B::RSI, nullptr, nullptr}, {k, k, k}},
        IndicatorRow{4, {"CCI  :", "None :", "None :"}, {&B::CCI, nullptr, nullptr}, {k, k, k}},
        IndicatorRow{5, {"MFI  :", "None :", "None :"}, {&B::MFI, nullptr, nullptr}, {k, k, k}},
        IndicatorRow{
            6, {"William %R :", "None :", "None :"}, {&B::WR, nullptr, nullptr}, {k, k, k}},
        IndicatorRow{7,
                     {"Wilder ADX :", "Wilder +DI :", "Wilder -DI :"},
                     {&B::ADX, &B::PlusDI, &B::MinusDI},
                     {k, g, red}},
        IndicatorRow{8,
                     {"Wilders +DI :", "Wilders -DI :", "None :"},
                     {&B::PlusDI, &B::MinusDI, nullptr},
                     {g, red, k}},
        IndicatorRow{
            9, {"%K FAST :", "%D FAST :", "None :"}, {&B::FastK, &B::FastD, nullptr}, {k, red, k}},
        IndicatorRow{
            10, {"%K SLOW :", "%D SLOW :", "None :"}, {&B::SlowK, &B::SlowD, nullptr}, {k, red, k}},
        IndicatorRow{
            11, {"Chaikin MF :", "None :", "None :"}, {&B::CMF, nullptr, nullptr}, {k, k, k}},
        IndicatorRow{12, {"None :", "None :", "None :"}, {nullptr, nullptr, nullptr}, {k, k, k}},
        IndicatorRow{13, {"ROC  :", "None :", "None :"}, {&B::ROC, nullptr, nullptr}, {k, k, k}},
        IndicatorRow{14, {"None :", "None :", "None :"}, {nullptr, nullptr, nullptr}, {k, k, k}},
        IndicatorRow{15, {"ATR  :", "None :", "None :"}, {&B::ATR, nullptr, nullptr}, {k, k, k}}));

} // namespace
} // namespace brevant
