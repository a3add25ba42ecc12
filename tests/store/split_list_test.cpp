#include <gtest/gtest.h>

#include "store/split_list.h"
#include "store_fixture.h"
#include "support/numeric_locale.h"

using namespace brevant;
using namespace brevant::testing;

namespace {

struct AmountCase {
    const char* action;
    float item;
    char separator;
    const char* text;
};

const AmountCase kAmountTexts[] = {
    {"Dividend", 0.25f, '.', "Dividend ( 0.25 )"},
    {"Dividend", 0.1f, '.', "Dividend ( 0.100 )"},
    {"Dividend", 1500.0f, '.', "Dividend ( 1500 )"},
    {"Dividend", 2.5f, ',', "Dividend ( 2,5 )"},
    {"Dividend", 0.1f, ',', "Dividend ( 0,100 )"},
    {"Dividend", -99999999.0f, '.', "Dividend ( -100000000 )"},
    // Rounded, not cut, at the third decimal.
    {"Dividend", 0.35f, '.', "Dividend ( 0.350 )"},
    {"Dividend", 0.12f, ',', "Dividend ( 0,120 )"},
    {"Dividend", 0.0625f, '.', "Dividend ( 0.063 )"},
    {"Dividend", 0.9995f, '.', "Dividend ( 0.999 )"}, // 0.999499976...
    {"Dividend", 0.9996f, '.', "Dividend ( 1.000 )"},
    {"Dividend", 9.9999f, '.', "Dividend ( 10.000 )"},
    {"Dividend", -0.35f, '.', "Dividend ( -0.350 )"},
    {"Dividend", 1e-6f, '.', "Dividend ( 1.000E-6 )"}, // 9.99999997E-7
    {"Dividend", 1.2345e-6f, '.', "Dividend ( 1.235E-6 )"},
    {"Split", 2.1f, '.', "Split ( 2:1 )"},
    {"Split", 2.1f, ',', "Split ( 2:1 )"},
    {"Split", 3.2f, '.', "Split ( 3:2 )"},
    {"Split", 3.0f, '.', "Split ( 3:0 )"},
    {"Split", 10.1f, '.', "Split ( 10:1 )"},
    {"Split", 1.96f, '.', "Split ( 2:0 )"},
};

void ExpectAmountTexts() {
    for (const AmountCase& c : kAmountTexts) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ActionText(c.action, c.item, c.separator), c.text);
    }
}

} // namespace

TEST(ActionText, AmountTexts) {
    ExpectAmountTexts();
}

// The window toolkit sets the C library's numeric locale from the user's
// environment; the list shows the same texts whatever it is.
TEST(ActionText, SameTextsUnderACommaDecimalCLocale) {
    const NumericLocale comma(kCommaLocale);
    ASSERT_TRUE(comma.Installed()) << kCommaLocale << " is not installed";
    ExpectAmountTexts();
}

namespace {
using SplitGridTest = StoreTest;
const LocaleSettings kProgramLocale = WithProgramDates(LocaleSettings{});
} // namespace

TEST_F(SplitGridTest, EmptyTableSaysSo) {
    const auto grid = LoadSplitGrid(store, kProgramLocale);
    ASSERT_EQ(grid.size(), 2u);
    EXPECT_EQ(grid[0], SplitGridHeader());
    EXPECT_EQ(grid[0][0], "EX Date");
    EXPECT_EQ(grid[1], (TSplitGridRow{"", "", "No information available", ""}));
    EXPECT_FALSE(store.TSplit.InTransaction());
}

TEST_F(SplitGridTest, NewestActionFirst) {
    Import({"ABC,ABC HOLDINGS,15032006,1,1,1,1,5,*Dividend,0.25,,:,\n"
            "ABC,ABC HOLDINGS,20042006,1,1,1,1,5,,,*Split,2:1,\n"});
    const auto grid = LoadSplitGrid(store, kProgramLocale);
    ASSERT_EQ(grid.size(), 3u);
    EXPECT_EQ(grid[1], (TSplitGridRow{"20.04.2006", "ABC", "ABC HOLDINGS", "Split ( 2:1 )"}));
    EXPECT_EQ(grid[2], (TSplitGridRow{"15.03.2006", "ABC", "ABC HOLDINGS", "Dividend ( 0.25 )"}));
    EXPECT_FALSE(store.TSplit.InTransaction());
}
