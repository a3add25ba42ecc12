// Brevant Dira — tests of the axis label texts and the chart's number texts.
#include <gtest/gtest.h>

#include "chart/axis_labels.h"
#include "chart/chart_view.h"
#include "chart/number_texts.h"
#include "chart_test_support.h"
#include "ta/day_date.h"

namespace brevant {
namespace {

struct VolumeCase {
    std::int64_t v;
    const char* label;
};

class VolumeAxis : public testing::TestWithParam<VolumeCase> {};

TEST_P(VolumeAxis, AbbreviatesWithDigitsCut) {
    EXPECT_EQ(VolumeAbbreviation(GetParam().v), GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(
    Table, VolumeAxis,
    testing::Values(VolumeCase{0, "0"}, VolumeCase{750, "750"}, VolumeCase{999, "999"},
                    VolumeCase{1000, "1.0K"}, VolumeCase{4567, "4.5K"}, VolumeCase{9999, "9.9K"},
                    VolumeCase{10000, "10K"}, VolumeCase{45678, "45K"}, VolumeCase{100000, ".10M"},
                    VolumeCase{456789, ".45M"}, VolumeCase{999999, ".99M"},
                    VolumeCase{1000000, "1.0M"}, VolumeCase{4567890, "4.5M"},
                    VolumeCase{10000000, "10M"}, VolumeCase{45678901, "45M"},
                    VolumeCase{456789012, ".45B"}, VolumeCase{1234567890, "1.2B"},
                    VolumeCase{2147483647, "2.1B"}, VolumeCase{9999999999, "9.9B"},
                    VolumeCase{12345678901, "12B"}, VolumeCase{-500, "-500"}));

TEST(VolumeAxis, ReadsTheAxisTextAndKeepsItWithoutASelection) {
    EXPECT_EQ(VolumeAxisLabel("45678.9", true, '.'), "45K");
    EXPECT_EQ(VolumeAxisLabel("45678,9", true, ','), "45K");
    EXPECT_EQ(VolumeAxisLabel("45678.9", false, '.'), "45678.9");
}

TEST(BottomAxis, LabelsABarPositionWithItsDate) {
    TBars bars = test::WaveBars(50);
    bars[47].Date = EncodeDate(2026, 2, 9);
    const LocaleSettings locale = WithProgramDates(LocaleSettings{});
    EXPECT_EQ(BottomAxisLabel("47.5", bars, true, locale), "    09 Feb 26    ");
    EXPECT_EQ(BottomAxisLabel("47", bars, true, locale), "    09 Feb 26    ");
    EXPECT_EQ(BottomAxisLabel("50", bars, true, locale), "");
    EXPECT_EQ(BottomAxisLabel("52", bars, true, locale), "");
    EXPECT_EQ(BottomAxisLabel("47", bars, false, locale), "47");
    EXPECT_EQ(BottomAxisLabel("0", TBars{}, true, locale), "");
}

TEST(IndicatorAxis, HidesLabelsForTheVolumeViewsOnly) {
    for (int indicator = 0; indicator < 16; ++indicator) {
        const AxisLabel label = IndicatorAxisLabel("0.25", indicator);
        const bool hidden = indicator == kObvView || indicator == kAccumDist;
        EXPECT_EQ(label.text, hidden ? "None" : "0.25") << indicator;
        EXPECT_EQ(label.colour, hidden ? colours::kWhite : colours::kBlack) << indicator;
    }
}

TEST(NumberTexts, VolumeTextGroupsFourToTenDigits) {
    const std::pair<double, const char*> cases[] = {{0, " 0"},
                                                    {999, " 999"},
                                                    {1234, " 1,234"},
                                                    {123456.9, " 123,456"},
                                                    {1234567890, " 1,234,567,890"},
                                                    {12345678901.0, "12345678901"}};
    for (const auto& [volume, text] : cases) EXPECT_EQ(VolumeText(volume), text) << volume;
}

TEST(NumberTexts, RoundsTiesToEvenInTheShortestForm) {
    EXPECT_EQ(Rounded2Text(12.5, '.'), "12.5");
    EXPECT_EQ(Rounded2Text(12.0, '.'), "12");
    EXPECT_EQ(Rounded2Text(0.125, '.'), "0.12"); // 12.5 hundredths: the even one
    EXPECT_EQ(Rounded2Text(0.375, '.'), "0.38");
    EXPECT_EQ(Rounded2Text(-3.14159, ','), "-3,14");
    EXPECT_EQ(Rounded4Text(0.12345678, '.'), "0.1235");
    EXPECT_EQ(Rounded4Text(-25.5, '.'), "-25.5");
}

TEST(NumberTexts, AxisNumbersHaveAtMostThreeDecimals) {
    EXPECT_EQ(AxisNumberText(47.5, '.'), "47.5");
    EXPECT_EQ(AxisNumberText(12, '.'), "12");
    EXPECT_EQ(AxisNumberText(0.12345, ','), "0,123");
    EXPECT_EQ(AxisNumberText(-0.0001, '.'), "0");
    EXPECT_EQ(AxisNumberText(1234567, '.'), "1234567");
}

} // namespace
} // namespace brevant
