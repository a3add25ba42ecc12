// Where a drawing's days stand over daily, weekly and monthly series: on the
// bar whose period holds the day, between bars by the days, beyond the
// series by its average days a bar; and back from a click to a day.
#include <gtest/gtest.h>

#include <cmath>

#include "chart/drawing_placement.h"
#include "ta/day_date.h"

using namespace brevant;

namespace {

double Day(int y, int m, int d) {
    return EncodeDate(y, m, d);
}

// Trading days (Monday to Friday) from 2025-01-06, a Monday.
TBars Weekdays(int count) {
    TBars bars;
    for (double d = Day(2025, 1, 6); int(bars.size()) < count; ++d) {
        if (DayOfTheWeek(d) > 5) continue;
        TStockBar b;
        b.Date = d;
        bars.push_back(b);
    }
    return bars;
}

TBars InPeriod(TBars bars, BarPeriod period) {
    ConvertToPeriod(bars, period);
    return bars;
}

struct Placement {
    const char* what;
    BarPeriod period;
    double day;
    double position;
};

} // namespace

TEST(DrawingPlacement, DaysStandOnTheBarOfTheirPeriod) {
    const TBars daily = Weekdays(70); // 2025-01-06 .. 2025-04-11, 14 weeks
    // Day 2025-01-06 is bar 0; 2025-01-10 (Friday) bar 4; the weekend
    // between bars 4 and 5 (3 days apart) a third and two thirds of the way.
    const Placement table[] = {
        {"first day", BarPeriod::Daily, Day(2025, 1, 6), 0},
        {"a Friday", BarPeriod::Daily, Day(2025, 1, 10), 4},
        {"Saturday", BarPeriod::Daily, Day(2025, 1, 11), 4 + 1.0 / 3},
        {"Sunday", BarPeriod::Daily, Day(2025, 1, 12), 4 + 2.0 / 3},
        {"the next Monday", BarPeriod::Daily, Day(2025, 1, 13), 5},
        {"a time of day is the day", BarPeriod::Daily, Day(2025, 1, 13) + 0.75, 5},
        {"a Wednesday on weekly bars", BarPeriod::Weekly, Day(2025, 1, 15), 1},
        {"a Sunday on weekly bars", BarPeriod::Weekly, Day(2025, 1, 19), 1},
        {"a Monday on weekly bars", BarPeriod::Weekly, Day(2025, 1, 20), 2},
        {"mid-February on monthly bars", BarPeriod::Monthly, Day(2025, 2, 14), 1},
        {"the last day of March", BarPeriod::Monthly, Day(2025, 3, 31), 2},
        // Beyond the series: 69 bars over 95 days, so 95/69 days a bar.
        {"a week before", BarPeriod::Daily, Day(2024, 12, 30), -7 / (95.0 / 69)},
        {"after the last", BarPeriod::Daily, Day(2025, 4, 15), 69 + 4 / (95.0 / 69)},
        {"five weeks after, weekly", BarPeriod::Weekly, Day(2025, 5, 12), 13 + 5},
    };
    for (const Placement& row : table) {
        const TBars bars = InPeriod(daily, row.period);
        EXPECT_NEAR(DayPosition(bars, row.day, row.period), row.position, 1e-9) << row.what;
    }
    EXPECT_EQ(DayPosition({}, Day(2025, 1, 6), BarPeriod::Daily), 0);
}

TEST(DrawingPlacement, AMonthWithoutQuotesIsCrossedByDays) {
    TBars bars = Weekdays(70);
    // February left out: January is bar 0, March bar 1.
    std::erase_if(bars, [](const TStockBar& b) { return DecodeDate(b.Date).month == 2; });
    ConvertToPeriod(bars, BarPeriod::Monthly);
    ASSERT_EQ(bars.size(), 3u);
    EXPECT_NEAR(DayPosition(bars, Day(2025, 2, 20), BarPeriod::Monthly), 31.0 / 59, 1e-9);
}

TEST(DrawingPlacement, AClickGivesTheNearestBarsDayAndPlacesBackOnIt) {
    const TBars daily = Weekdays(70);
    const TBars weekly = InPeriod(daily, BarPeriod::Weekly);
    EXPECT_EQ(PositionDay(daily, 4.4), Day(2025, 1, 10));
    EXPECT_EQ(PositionDay(daily, 4.6), Day(2025, 1, 13));
    EXPECT_EQ(PositionDay(weekly, 2.2), Day(2025, 1, 20));
    EXPECT_EQ(PositionDay(daily, 71), Day(2025, 4, 11) + std::round(2 * 95.0 / 69));
    for (const TBars* bars : {&daily, &weekly})
        for (int bar : {0, 3, int(bars->size()) - 1})
            EXPECT_EQ(DayPosition(*bars, PositionDay(*bars, bar),
                                  bars == &daily ? BarPeriod::Daily : BarPeriod::Weekly),
                      bar);
}

TEST(DrawingPlacement, ATrendLineKeepsItsDaysOnEveryPeriod) {
    const TBars daily = Weekdays(70);
    const Drawings drawings = {
        {7, DrawingKind::Trend, Day(2025, 1, 8), Day(2025, 3, 5), 10.5, 12.25},
        {8, DrawingKind::Level, 0, 0, 11, 0},
    };
    const auto daily1 = PlaceDrawings(drawings, daily, BarPeriod::Daily);
    ASSERT_EQ(daily1.size(), 2u);
    EXPECT_EQ(daily1[0].id, 7);
    EXPECT_EQ(daily1[0].x1, 2);
    EXPECT_EQ(daily1[0].x2, 42);
    EXPECT_EQ(daily1[0].price2, 12.25);
    EXPECT_EQ(daily1[1].kind, DrawingKind::Level);
    EXPECT_EQ(daily1[1].price2, 11); // a level is flat
    const auto weekly =
        PlaceDrawings(drawings, InPeriod(daily, BarPeriod::Weekly), BarPeriod::Weekly);
    EXPECT_EQ(weekly[0].x1, 0);
    EXPECT_EQ(weekly[0].x2, 8);
    const auto monthly =
        PlaceDrawings(drawings, InPeriod(daily, BarPeriod::Monthly), BarPeriod::Monthly);
    EXPECT_EQ(monthly[0].x1, 0);
    EXPECT_EQ(monthly[0].x2, 2);
}
