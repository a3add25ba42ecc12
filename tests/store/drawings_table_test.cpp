// Drawings and indicator periods kept in the database: stored, read back
// after the file is opened again, deleted; bad ones refused with nothing
// stored; an older file gaining the drawings table.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "store/drawings_table.h"
#include "store/indicator_settings.h"
#include "store_fixture.h"
#include "ta/day_date.h"

using namespace brevant;
using namespace brevant::testing;

namespace {

class DrawingsTableTest : public StoreTest {
protected:
    void Reopen() {
        store.DB1.Disconnect();
        const OpenResult opened = CheckFirebird(store, path, {});
        ASSERT_TRUE(opened) << opened.Message;
    }
};

const Drawing kTrend{0,
                     DrawingKind::Trend,
                     double(EncodeDate(2025, 1, 2)),
                     double(EncodeDate(2025, 3, 14)),
                     10.123456789,
                     1234.5};
const Drawing kLevel{0, DrawingKind::Level, 0, 0, 0.0425, 0};

} // namespace

TEST_F(DrawingsTableTest, StoredPerStockKeptAcrossARestartAndDeleted) {
    EXPECT_TRUE(ReadDrawings(store, "AAA").empty());
    const int trend = AddDrawing(store, "AAA", kTrend);
    const int level = AddDrawing(store, "AAA", kLevel);
    const int other = AddDrawing(store, "O'B; DROP", kLevel);
    EXPECT_EQ(trend, 1);
    EXPECT_EQ(level, 2);
    EXPECT_EQ(other, 3);
    Reopen();
    Drawing t = kTrend, l = kLevel, o = kLevel;
    t.id = trend;
    l.id = level;
    o.id = other;
    EXPECT_EQ(ReadDrawings(store, "AAA"), (Drawings{t, l}));
    EXPECT_EQ(ReadDrawings(store, "O'B; DROP"), Drawings{o});

    EXPECT_FALSE(DeleteDrawing(store, "AAA", other)); // another stock's
    EXPECT_TRUE(DeleteDrawing(store, "AAA", trend));
    EXPECT_EQ(ReadDrawings(store, "AAA"), Drawings{l});
    EXPECT_EQ(DeleteDrawings(store, "AAA"), 1);
    Reopen();
    EXPECT_TRUE(ReadDrawings(store, "AAA").empty());
    EXPECT_EQ(ReadDrawings(store, "O'B; DROP"), Drawings{o});
    // Ids are never given twice while higher ones exist.
    EXPECT_EQ(AddDrawing(store, "AAA", kLevel), 4);
}

TEST_F(DrawingsTableTest, DrawingsThatCannotBeShownAreRefused) {
    const Drawing bad[] = {
        {0, DrawingKind::Level, 0, 0, 0, 0},
        {0, DrawingKind::Level, 0, 0, -3, 0},
        {0, DrawingKind::Trend, kTrend.day1, kTrend.day2, 10, 0},
        {0, DrawingKind::Trend, 0, kTrend.day2, 10, 11},
        {0, DrawingKind::Trend, kTrend.day1, kTrend.day2, std::nan(""), 11},
    };
    for (const Drawing& d : bad) EXPECT_THROW(AddDrawing(store, "AAA", d), std::invalid_argument);
    EXPECT_TRUE(ReadDrawings(store, "AAA").empty());
}

TEST_F(DrawingsTableTest, AnOlderFileGainsTheTableAndKeepsItsDrawings) {
    AddDrawing(store, "AAA", kLevel);
    Reopen();
    EXPECT_EQ(ReadDrawings(store, "AAA").size(), 1u); // the bootstrap leaves them alone
    Exec("DROP TABLE DRAWING");
    Reopen();
    EXPECT_TRUE(ReadDrawings(store, "AAA").empty());
    AddDrawing(store, "AAA", kTrend);
    EXPECT_EQ(ReadDrawings(store, "AAA").size(), 1u);
}

TEST_F(DrawingsTableTest, PeriodsSavedAllOrNothing) {
    TIndicatorParams edited;
    edited.RSI = 9;
    edited.MACD2 = 4;
    edited.ATR = 100;
    SaveIndicatorParams(store, edited);
    Reopen();
    TIndicatorParams read;
    LoadIndicatorParams(store, read);
    EXPECT_EQ(read, edited);

    // Out of range, anywhere in the fifteen: nothing is written.
    for (auto [member, value] : {std::pair{&TIndicatorParams::MACD2, 3},
                                 {&TIndicatorParams::RSI, 2},
                                 {&TIndicatorParams::ATR, 101}}) {
        TIndicatorParams bad = edited;
        bad.CCI = 30;
        bad.*member = value;
        EXPECT_THROW(SaveIndicatorParams(store, bad), std::invalid_argument);
        LoadIndicatorParams(store, read);
        EXPECT_EQ(read, edited);
    }

    // A key whose rows are gone gets one; duplicated rows all change.
    Exec("DELETE FROM INDICATOR WHERE INDI = 'CMF'");
    Exec("INSERT INTO INDICATOR VALUES('RSI', '30')");
    edited.CMF = 25;
    edited.RSI = 11;
    SaveIndicatorParams(store, edited);
    LoadIndicatorParams(store, read);
    EXPECT_EQ(read, edited);
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM INDICATOR WHERE INDI = 'RSI' AND INDIVALUE = '11'"),
              "2");

    // Only what changed is checked and written: a value put in by hand
    // outside the range stays, and does not stop the others.
    Exec("UPDATE INDICATOR SET INDIVALUE = '500' WHERE INDI = 'WR'");
    LoadIndicatorParams(store, read);
    const TIndicatorParams before = read;
    read.ROC = 20;
    SaveIndicatorParams(store, read, &before);
    TIndicatorParams after;
    LoadIndicatorParams(store, after);
    EXPECT_EQ(after.WR, 500);
    EXPECT_EQ(after.ROC, 20);
}
