#include <gtest/gtest.h>

#include "ta/day_date.h"

using namespace brevant;

TEST(DayDate, KnownDayNumbers) {
    struct Case {
        int y, m, d;
        int day;
    } cases[] = {
        {1899, 12, 30, 0},    {1899, 12, 31, 1},    {1900, 1, 1, 2},    {1970, 1, 1, 25569},
        {2000, 2, 29, 36585}, {2026, 12, 4, 46360}, {1899, 12, 29, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.day);
        EXPECT_EQ(EncodeDate(c.y, c.m, c.d), c.day);
        EXPECT_EQ(DecodeDate(c.day), (CivilDate{c.y, c.m, c.d}));
    }
}

TEST(DayDate, RoundTripsEveryDayOfFourCenturies) {
    for (int day = -36522; day < 146097 - 36522; ++day) {
        const CivilDate c = DecodeDate(day);
        ASSERT_EQ(EncodeDate(c.year, c.month, c.day), day);
    }
}

TEST(DayDate, ValidityAndWeekday) {
    EXPECT_TRUE(IsValidDate(2024, 2, 29));
    EXPECT_FALSE(IsValidDate(2023, 2, 29));
    EXPECT_FALSE(IsValidDate(1900, 2, 29));
    EXPECT_FALSE(IsValidDate(2026, 13, 1));
    EXPECT_FALSE(IsValidDate(2026, 4, 31));
    double out = 5;
    EXPECT_FALSE(TryEncodeDate(2026, 0, 1, out));
    EXPECT_EQ(out, 5);
    EXPECT_EQ(DayOfTheWeek(EncodeDate(2026, 12, 4)), 5); // a Friday
    EXPECT_EQ(DayOfTheWeek(EncodeDate(2026, 12, 7)), 1); // a Monday
    EXPECT_EQ(DayOfTheWeek(0), 6);                       // 30 Dec 1899, a Saturday
}
