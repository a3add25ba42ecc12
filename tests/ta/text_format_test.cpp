#include <gtest/gtest.h>

#include "support/numeric_locale.h"
#include "ta/day_date.h"
#include "ta/text_format.h"

using namespace brevant;

namespace {
LocaleSettings ProgramLocale() {
    return WithProgramDates(LocaleSettings{});
}
} // namespace

TEST(FormatDateTime, PatternsTheProgramUses) {
    const double day = EncodeDate(2026, 3, 5);
    const LocaleSettings l = ProgramLocale();
    EXPECT_EQ(FormatDateTime("dd mmm yy", day, l), "05 Mar 26");
    EXPECT_EQ(FormatDateTime("dd mmmm yyyy", day, l), "05 March 2026");
    EXPECT_EQ(FormatDateTime(l.ShortDateFormat, day, l), "05.03.2026");
    EXPECT_EQ(FormatDateTime("d/m/yy", day, l), "5.3.26");
    EXPECT_EQ(FormatDateTime("hh:nn:ss", day + 0.5 + 61.0 / 86400, l), "12:01:01");
    EXPECT_EQ(FormatDateTime("'at' hh:mm", day + 0.25, l), "at 06:00");
}

TEST(StrToDate, FollowsTheShortFormatOrder) {
    LocaleSettings us;
    us.ShortDateFormat = "M/d/yyyy";
    double v = 0;
    ASSERT_TRUE(TryStrToDate("12/10/2026", us, v));
    EXPECT_EQ(v, EncodeDate(2026, 12, 10));
    ASSERT_TRUE(TryStrToDate("5.3.2026", ProgramLocale(), v));
    EXPECT_EQ(v, EncodeDate(2026, 3, 5));
    LocaleSettings iso;
    iso.ShortDateFormat = "yyyy-mm-dd";
    iso.DateSeparator = '-';
    ASSERT_TRUE(TryStrToDate("2026-03-05", iso, v));
    EXPECT_EQ(v, EncodeDate(2026, 3, 5));
}

TEST(StrToDate, RejectsBadText) {
    double v = 7;
    for (const char* bad : {"", "31.02.2026", "1.2.3.4", "aa.bb.cccc", "12", "1.13.2026"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(TryStrToDate(bad, ProgramLocale(), v));
    }
    EXPECT_EQ(v, 7);
}

TEST(StrToDateTime, DateWithTime) {
    double v = 0;
    ASSERT_TRUE(TryStrToDateTime("05.03.2026 06:00:00", ProgramLocale(), v));
    EXPECT_DOUBLE_EQ(v, EncodeDate(2026, 3, 5) + 0.25);
    ASSERT_TRUE(TryStrToDateTime("05.03.2026", ProgramLocale(), v));
    EXPECT_EQ(v, EncodeDate(2026, 3, 5));
    EXPECT_FALSE(TryStrToDateTime("05.03.2026 25:00", ProgramLocale(), v));
}

struct FloatTextCase {
    double v;
    const char* text;
};

const FloatTextCase kFloatTexts[] = {
    {0, "0"},
    {0.1, "0.1"},
    {static_cast<double>(1.1f), "1.10000002384186"},
    {123456792, "123456792"},
    {-2.5, "-2.5"},
    {1e20, "1E20"},
    {1e15, "1E15"},
    {1e14, "100000000000000"},
    {0.00001, "0.00001"},
    {0.000001, "1E-6"},
    {static_cast<double>(0.1f), "0.100000001490116"},
};

TEST(FloatToStr, FifteenSignificantDigits) {
    for (const FloatTextCase& c : kFloatTexts) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FloatToStr(c.v), c.text);
    }
    EXPECT_EQ(FloatToStr(2.5, ','), "2,5");
}

// The window toolkit sets the C library's numeric locale from the user's
// environment; the texts follow only the separator they are given.
TEST(FloatToStr, SameTextUnderACommaDecimalCLocale) {
    const brevant::testing::NumericLocale comma(brevant::testing::kCommaLocale);
    ASSERT_TRUE(comma.Installed()) << brevant::testing::kCommaLocale << " is not installed";
    for (const FloatTextCase& c : kFloatTexts) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FloatToStr(c.v), c.text);
    }
    EXPECT_EQ(FloatToStr(2.5, ','), "2,5");
    double v = 0;
    ASSERT_TRUE(TryStrToFloat("12.5", '.', v));
    EXPECT_EQ(v, 12.5);
}

TEST(StrToFloat, StrictReading) {
    double v = 0;
    ASSERT_TRUE(TryStrToFloat(" 12.5 ", '.', v));
    EXPECT_EQ(v, 12.5);
    ASSERT_TRUE(TryStrToFloat("-1,25", ',', v));
    EXPECT_EQ(v, -1.25);
    ASSERT_TRUE(TryStrToFloat("1e3", '.', v));
    EXPECT_EQ(v, 1000);
    for (const char* bad : {"", "abc", "1.2.3", "1,5", "1e", "--1", "nan", "inf"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(TryStrToFloat(bad, '.', v));
    }
}
