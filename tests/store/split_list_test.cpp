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
    {"Dividend", 1e-6f, '.', "Dividend ( 9.999E-7 )"},
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
