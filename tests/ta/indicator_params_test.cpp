#include <gtest/gtest.h>

#include "ta/indicator_params.h"

using namespace brevant;

TEST(IndicatorParams, DefaultRowsGiveTheDefaults) {
    TIndicatorParams p{};
    p.RSI = 0;
    for (const IndicatorParamKey& k : kIndicatorParamKeys)
        EXPECT_TRUE(ApplyIndicatorRow(p, k.key, k.DefaultText()));
    const TIndicatorParams d = DefaultIndicatorParams();
    for (const IndicatorParamKey& k : kIndicatorParamKeys)
        EXPECT_EQ(p.*k.member, d.*k.member) << k.key;
    EXPECT_EQ(d.MACD1, 12);
    EXPECT_EQ(d.MACD2, 26);
    EXPECT_EQ(d.MACD3, 9);
    EXPECT_EQ(d.FSTOC2, 3);
    EXPECT_EQ(d.CMF, 20);
    EXPECT_EQ(d.ROC, 12);
}

TEST(IndicatorParams, RowRules) {
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, const char*>> rows;
        int rsi;
    } cases[] = {
        {"later row wins", {{"RSI", "14"}, {"RSI", "21"}}, 21},
        {"lower-case key ignored", {{"rsi", "30"}}, 14},
        {"key with blank ignored", {{"RSI ", "30"}}, 14},
        {"not a number falls back", {{"RSI", "21"}, {"RSI", "x1"}}, 14},
        {"zero falls back", {{"RSI", "0"}}, 14},
        {"negative falls back", {{"RSI", "-5"}}, 14},
        {"blanks around a number", {{"RSI", " 7"}}, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TIndicatorParams p;
        for (const auto& [k, v] : c.rows) ApplyIndicatorRow(p, k, v);
        EXPECT_EQ(p.RSI, c.rsi);
    }
    TIndicatorParams p;
    EXPECT_FALSE(ApplyIndicatorRow(p, "OTHER", "5"));
}
