// The figures an import shows while it runs.
#include <gtest/gtest.h>

#include "quotes/import_progress.h"

using namespace brevant;

TEST(ImportProgress, FiguresForAPerson) {
    struct Case {
        const char* name;
        std::uint64_t read, total;
        long lines;
        double seconds;
        const char* figures;
    } cases[] = {
        {"nothing yet", 0, 0, 0, 0, "0%  0 lines/s"},
        {"too early for the time left", 50, 1000, 10, 0.5, "5%  20 lines/s"},
        {"too little read for the time left", 5, 1000, 10, 10, "0%  1 lines/s"},
        {"a quarter after 10 s", 250, 1000, 31500, 10, "25%  3,150 lines/s  0:30 left"},
        {"an hour and more left", 10, 1000, 1234567, 40, "1%  30,864 lines/s  1:06:00 left"},
        {"done", 1000, 1000, 175000, 8, "100%  21,875 lines/s  0:00 left"},
        {"a file grown while read", 1200, 1000, 10, 2, "100%  5 lines/s  0:00 left"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ImportProgress p;
        p.BytesRead = c.read;
        p.BytesTotal = c.total;
        p.Lines = c.lines;
        p.Seconds = c.seconds;
        EXPECT_EQ(ProgressFigures(p), c.figures);
    }
}

TEST(ImportProgress, NumbersAndDurations) {
    EXPECT_EQ(GroupedNumber(0), "0");
    EXPECT_EQ(GroupedNumber(999), "999");
    EXPECT_EQ(GroupedNumber(1000), "1,000");
    EXPECT_EQ(GroupedNumber(1234567.6), "1,234,568");
    EXPECT_EQ(DurationText(0.4), "0:00");
    EXPECT_EQ(DurationText(59.6), "1:00");
    EXPECT_EQ(DurationText(725), "12:05");
    EXPECT_EQ(DurationText(3723), "1:02:03");
}
