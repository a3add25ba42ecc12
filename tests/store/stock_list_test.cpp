#include <gtest/gtest.h>

#include <algorithm>

#include "store/stock_list.h"
#include "store_fixture.h"
#include "ta/day_date.h"

using namespace brevant;
using namespace brevant::testing;

TEST(ListText, NameCommaSymbol) {
    EXPECT_EQ(ListText({"Acme Corp", "ACM"}), "Acme Corp , ACM");
}

TEST(SymbolFromListText, TakesWhatFollowsTheLastSeparatorOrTheFirstComma) {
    struct Case {
        const char* text;
        const char* symbol;
    } cases[] = {
        {"Acme Corp , ACM", "ACM"},
        {"A , B , C", "C"}, // a name with " , " in it
        {"Widgets, Inc. , WID", "WID"},
        {"X , BRK,B", "BRK,B"},
        {" , ACM", "ACM"},
        {",XACM", "ACM"},
        {"ACM", "CM"},
        {"", ""},
        {"Acme ,", ""},
        {"Acme , ", ""},
        {"Acme ,x", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SymbolFromListText(c.text), c.symbol);
    }
    EXPECT_EQ(SymbolFromListText(BareSymbolText("O'NEIL")), "O'NEIL");
}

TEST(ListTextLess, AlphabeticalIgnoringCase) {
    std::vector<std::string> items = {"beta , B",    "Alpha , Z", "alpha , Y", "\xc9lan , E",
                                      "\xe9lan , F", "Zulu , A",  "_x , U",    "10 Corp , T",
                                      "acme , Q",    "ACME , Q"};
    std::sort(items.begin(), items.end(),
              [](const std::string& a, const std::string& b) { return ListTextLess(a, b); });
    // Ties of case are broken by the bytes, so the order never depends on the input's.
    EXPECT_EQ(items, (std::vector<std::string>{"10 Corp , T", "_x , U", "ACME , Q", "acme , Q",
                                               "alpha , Y", "Alpha , Z", "beta , B", "Zulu , A",
                                               "\xc9lan , E", "\xe9lan , F"}));
}

namespace {
class StockListTest : public StoreTest {
protected:
    std::vector<std::string> texts;
    ProgressCallbacks Recording() {
        ProgressCallbacks p;
        p.status = [this](const std::string& t) { texts.push_back(t); };
        return p;
    }
};
} // namespace

TEST_F(StockListTest, EmptyDatabaseStillReadsTheSettings) {
    TStockList list;
    list.Items = {"stale"};
    TIndicatorParams params;
    params.RSI = 99;
    bool loaded = false;
    LoadStockList(store, list, params, Recording(), [&](const std::string&) { loaded = true; });
    EXPECT_TRUE(list.Stocks.empty());
    EXPECT_TRUE(list.Items.empty());
    EXPECT_EQ(params.RSI, 14);
    EXPECT_FALSE(loaded);
    EXPECT_EQ(texts, (std::vector<std::string>{"Checking database...", "Loading Setting...",
                                               "Database empty.."}));
    EXPECT_FALSE(store.TR1.InTransaction());
}

TEST_F(StockListTest, OneEntryPerSymbolInAlphabeticalListOrder) {
    const double day = EncodeDate(2026, 3, 2);
    InsertQuote("ACM", "Acme Corp", day, 10);
    InsertQuote("ACM", "Acme Corp", day + 1, 10);
    InsertQuote("ACM", "Acme Corporation", day + 2, 10);
    InsertQuote("BB", "zeta Bank", day, 10);
    InsertQuote("AAA", "Zeta Air", day, 10);
    TStockList list;
    TIndicatorParams params;
    std::string first;
    LoadStockList(store, list, params, Recording(), [&](const std::string& t) { first = t; });

    ASSERT_EQ(list.Stocks.size(), 3u);
    EXPECT_EQ(list.Stocks[0].Symbol, "AAA");
    EXPECT_EQ(list.Stocks[1].Symbol, "ACM");
    EXPECT_EQ(list.Stocks[2].Symbol, "BB");
    EXPECT_TRUE(list.Stocks[1].StockName == "Acme Corp" ||
                list.Stocks[1].StockName == "Acme Corporation");
    ASSERT_EQ(list.Items.size(), 3u);
    EXPECT_EQ(list.Items[0], ListText(list.Stocks[1]));
    EXPECT_EQ(list.Items[1], "Zeta Air , AAA");
    EXPECT_EQ(list.Items[2], "zeta Bank , BB");
    EXPECT_EQ(first, list.Items[0]);
    EXPECT_EQ(texts.front(), "Checking database...");
    EXPECT_EQ(texts[1], "Adding Zeta Air");
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                            [](const std::string& t) { return t.rfind("Adding ", 0) == 0; }),
              3);
    EXPECT_EQ(std::vector<std::string>(texts.end() - 3, texts.end()),
              (std::vector<std::string>{"Loading Setting...", "Loading first stock...",
                                        "Initializing..."}));
}

TEST_F(StockListTest, SettingsRowsApplyInOrderAndMissingKeysTakeDefaults) {
    Exec("DELETE FROM INDICATOR WHERE INDI = 'MACD1'");
    Exec("INSERT INTO INDICATOR VALUES('RSI', '21')");
    Exec("INSERT INTO INDICATOR VALUES('rsi', '30')");
    Exec("INSERT INTO INDICATOR VALUES('CCI', 'x')");
    TStockList list;
    TIndicatorParams params;
    params.MACD1 = 5;
    LoadStockList(store, list, params, {});
    EXPECT_EQ(params.MACD1, 12);
    EXPECT_EQ(params.RSI, 21);
    EXPECT_EQ(params.CCI, 20);
    EXPECT_EQ(params.MACD2, 26);
}

TEST_F(StockListTest, StartedTransactionIsAnError) {
    store.TR1.StartTransaction();
    TStockList list;
    TIndicatorParams params;
    EXPECT_THROW(LoadStockList(store, list, params, {}), EFBLError);
}
