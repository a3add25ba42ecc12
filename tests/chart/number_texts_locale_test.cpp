// Brevant Dira — the chart's number texts whatever the C library's numeric
// locale, which the window toolkit sets from the user's environment.
#include <gtest/gtest.h>

#include "chart/number_texts.h"
#include "support/numeric_locale.h"

namespace {

using brevant::testing::kCommaLocale;
using brevant::testing::NumericLocale;

TEST(NumberTextsUnderACommaDecimalCLocale, FollowOnlyTheGivenSeparator) {
    const NumericLocale comma(kCommaLocale);
    ASSERT_TRUE(comma.Installed()) << kCommaLocale << " is not installed";
    struct Case {
        double value;
        char separator;
        const char* axis;
    } cases[] = {
        {47.5, '.', "47.5"},     {12.5, ',', "12,5"}, {12, ',', "12"},
        {0.12345, ',', "0,123"}, {-0.0001, '.', "0"}, {1234567, '.', "1234567"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.axis);
        EXPECT_EQ(brevant::AxisNumberText(c.value, c.separator), c.axis);
    }
    EXPECT_EQ(brevant::Rounded2Text(41.875, '.'), "41.88");
    EXPECT_EQ(brevant::Rounded4Text(0.12345678, ','), "0,1235");
    EXPECT_EQ(brevant::VolumeText(1216433), " 1,216,433");
}

} // namespace
