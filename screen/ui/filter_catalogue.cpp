// Brevant Dira — the filters this edition shows disabled on the filter dialog.
#include "screen/ui/filter_catalogue.h"

namespace brevant {
namespace {

constexpr const char* kLevel = "@Above/Below|#";
constexpr const char* kBetween = "#|and|#";
constexpr const char* kCrossed = "@Above/Below|#|in the last|#|days";
constexpr const char* kHappens = "#|days";

} // namespace

const std::vector<CataloguePage>& Technical1Catalogue() {
    static const std::vector<CataloguePage> pages = {
        {"Crossover",
         " Crossover Filter ",
         {{"Predict Moving Average Crossover Filter", "", 62, nullptr},
          {"Predict Future MACD Buy Signal Filter", "", 63, nullptr}}},
        {"Price 1",
         " Price Filter Part 1 ",
         {{"Find stock at", "@New High/New Low|in the last|#|days", 5, "Filter_1"},
          {"Find stock price between", kBetween, 6, "Filter_2"},
          {"Find stock price", kLevel, 7, "Filter_3"}}},
        {"Price 2",
         " Price Filter Part 2 ",
         {{"Find stock that cross above", "#|days moving average", 8, "Filter_12"},
          {"Find stock that has", "@Gained/Lost|#|% in the last|#|days", 9, "Filter_22"},
          {"Find stock that has ", "@Gapped Up/Gapped Down|in the last|#|days", 10, "Filter_32"}}},
        {"Volume",
         " Volume Filter ",
         {{"Volume at ", "@New High/New Low|in the last|#|days", 34, "Filter_13"},
          {"Average Volume is more than", "#|% above the average of|#|days", 40, "Filter_23"}}},
        {"William %R",
         " Williams % R Filter ",
         {{"Williams % R", kLevel, 11, "Filter_14"},
          {"Williams % R crossed ", kCrossed, 12, "Filter_24"},
          {"Williams % R is between negative", "#|and negative|#", 13, "Filter_33"}}},
        {"MFI",
         " Money Flow Index (MFI) Filter ",
         {{"Money Flow Index is ", kLevel, 14, "Filter_15"},
          {"Money Flow Index is between", kBetween, 15, "Filter_25"},
          {"Money Flow Index crossed", kCrossed, 16, "Filter_34"}}},
        {"MACD 1",
         " MACD Filter Part 1 ",
         {{"MACD Histogram", kLevel, 17, "Filter_16"},
          {"MACD Fast Line", kLevel, 18, "Filter_26"},
          {"MACD Slow Line", kLevel, 19, "Filter_35"}}},
        {"MACD 2",
         " MACD Filter Part 2 ",
         {{"MACD Histogram between", kBetween, 20, "Filter_17"},
          {"MACD Fast Line between", kBetween, 21, "Filter_27"},
          {"MACD Slow Line between", kBetween, 22, "Filter_36"}}},
        {"RSI",
         "Relative Strength Index (RSI) Filter ",
         {{"Relative Strength Index is", kLevel, 23, "Filter_18"},
          {"Relative Strength Index is between", kBetween, 24, "Filter_28"},
          {"Relative Strength Index crossed", kCrossed, 25, "Filter_37"}}},
        {"CCI",
         "Commodity Channel Index (CCI) Filter ",
         {{"CCI is", kLevel, 26, "Filter_19"},
          {"CCI is between", kBetween, 27, "Filter_29"},
          {"CCI crossed", kCrossed, 28, "Filter_38"}}},
    };
    return pages;
}

const std::vector<CataloguePage>& Technical2Catalogue() {
    static const std::vector<CataloguePage> pages = {
        {"ADX 1",
         " Wilder's ADX Filter 1 ",
         {{"ADX Cross ", kCrossed, 43, "Filter_117"},
          {"+DI Cross ", "@Above/Below|-DI in the last|#|days", 48, "Filter_216"},
          {"-DI Cross ", "@Above/Below|+DI in the last|#|days", 49, "Filter_312"}}},
        {"ADX 2",
         " Wilder's ADX Filter 2 ",
         {{"ADX value is", kLevel, 50, "Filter_118"},
          {"+DI value is", kLevel, 51, "Filter_217"},
          {"-DI value is", kLevel, 52, "Filter_313"}}},
        {"ADX 3",
         " Wilder's ADX Filter 3 ",
         {{"ADX value is between", kBetween, 53, "Filter_119"},
          {"+DI value is between", kBetween, 54, "Filter_218"},
          {"-DI value is between", kBetween, 55, "Filter_314"}}},
        {"Fast Stoc",
         " Fast Stochastic Filter ",
         {{"%K cross", "@Above/Below|%D in the last|#|days", 56, "Filter_120"},
          {"%K Cross", kCrossed, 57, "Filter_219"},
          {"%K value is", kLevel, 58, "Filter_315"}}},
        {"Slow Stoc",
         " Slow Stochastic Filter ",
         {{"%K cross", "@Above/Below|%D in the last|#|days", 59, "Filter_121"},
          {"%K Cross", kCrossed, 60, "Filter_220"},
          {"%K value is", kLevel, 61, "Filter_316"}}},
    };
    return pages;
}

const std::vector<CataloguePage>& PatternCatalogue() {
    static const std::vector<CataloguePage> pages = {
        {"Bull 1",
         "",
         {{"Bullish Engulfing Pattern, happens in the last", kHappens, 29, "Filter_110"},
          {"Piercing Line, happens in the last", kHappens, 30, "Filter_210"},
          {"Morning Star, happens in the last", kHappens, 31, "Filter_39"}}},
        {"Bull 2",
         "",
         {{"Bullish Harami, happens in the last", kHappens, 32, "Filter_111"},
          {"Three White Soldier, happens in the last", kHappens, 33, "Filter_211"}}},
        {"Bear 1",
         "",
         {{"Bearish Engulfing, happens in the last", kHappens, 35, "Filter_112"},
          {"Dark Cloud Cover, happens in the last", kHappens, 36, "Filter_212"},
          {"Evening Star, happens in the last", kHappens, 37, "Filter_310"}}},
        {"Bear 2",
         "",
         {{"Bearish Harami, happens in the last", kHappens, 38, "Filter_113"},
          {"Three Black Crows, happens in the last", kHappens, 39, "Filter_213"}}},
        {"Continuation Pattern",
         "",
         {{"Rising Three Methods, happens in the last", kHappens, 41, "Filter_114"},
          {"Falling Three Methods, happens in the last", kHappens, 42, "Filter_214"}}},
        {"Pattern 1",
         "",
         {{"Dragonfly Doji, happens in the last", kHappens, 44, "Filter_115"},
          {"Gravestone Doji, happens in the last", kHappens, 45, "Filter_215"},
          {"Hammer, happens in the last", kHappens, 46, "Filter_311"}}},
        {"Pattern 2", "", {{"Shooting Star, happens in the last", kHappens, 47, "Filter_116"}}},
    };
    return pages;
}

} // namespace brevant
