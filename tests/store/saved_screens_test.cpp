// Saved screens: stored, replaced, read by name and deleted, names and
// formulas bound as they are, and an older file gaining the table.
#include <gtest/gtest.h>

#include <stdexcept>

#include "store/saved_screens.h"
#include "store_fixture.h"

using namespace brevant;
using namespace brevant::testing;

namespace {

class SavedScreensTest : public StoreTest {};

} // namespace

TEST_F(SavedScreensTest, StoredReplacedReadByNameAndDeleted) {
    EXPECT_TRUE(ReadSavedScreens(store).empty());
    const SavedScreen quoted{"O'Neil's \"breakout\"; DROP TABLE DATATABLE",
                             "close > highest(high, 20)[1] and volume > 2 * ma(volume, 50)",
                             BarPeriod::Weekly};
    const SavedScreen rsi{"Bounce", "rsi crosses above 30", BarPeriod::Daily};
    StoreSavedScreen(store, quoted);
    StoreSavedScreen(store, rsi);
    EXPECT_EQ(ReadSavedScreens(store), (std::vector<SavedScreen>{rsi, quoted}));

    const SavedScreen replaced{"Bounce", "rsi(9) crosses above 25", BarPeriod::Monthly};
    StoreSavedScreen(store, replaced);
    EXPECT_EQ(ReadSavedScreens(store), (std::vector<SavedScreen>{replaced, quoted}));

    DeleteSavedScreen(store, "Bounce");
    DeleteSavedScreen(store, "never saved");
    EXPECT_EQ(ReadSavedScreens(store), std::vector<SavedScreen>{quoted});
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM DATATABLE"), "0");
}

TEST_F(SavedScreensTest, NamesAndFormulasThatDoNotFitAreRefused) {
    for (const SavedScreen& bad : {SavedScreen{"", "close > 1"}, SavedScreen{"   ", "close > 1"},
                                   SavedScreen{std::string(61, 'n'), "close > 1"},
                                   SavedScreen{"long", std::string(2001, ' ')}})
        EXPECT_THROW(StoreSavedScreen(store, bad), std::invalid_argument) << bad.name;
    StoreSavedScreen(store, {std::string(60, 'n'), std::string(2000, ' ')});
    EXPECT_EQ(ReadSavedScreens(store).size(), 1u);
}

TEST_F(SavedScreensTest, AnOlderFileGainsTheTableAndKeepsItsScreens) {
    StoreSavedScreen(store, {"Kept", "close > 1", BarPeriod::Daily});
    store.DB1.Disconnect();
    ASSERT_TRUE(CheckFirebird(store, path, {}));
    EXPECT_EQ(ReadSavedScreens(store).size(), 1u); // the bootstrap leaves them alone

    Exec("DROP TABLE SAVEDSCREEN");
    store.DB1.Disconnect();
    ASSERT_TRUE(CheckFirebird(store, path, {}));
    EXPECT_TRUE(ReadSavedScreens(store).empty());
    StoreSavedScreen(store, {"New", "close > 2", BarPeriod::Weekly});
    EXPECT_EQ(ReadSavedScreens(store).size(), 1u);
}
