#include <gtest/gtest.h>

#include <limits>

#include "quotes/to_float.h"

using namespace brevant;

namespace {
struct Case {
    const char* text;
    double value; // the same under "." and "," as the user's separator
};
const Case kCases[] = {
    {" 12.5 ", 12.5},
    {"12,5", 12.5},
    {"-3,25", -3.25},
    {"-3.25", -3.25},
    {"+7", 7},
    {"-+7", -7},
    {"\t5\r", 5},
    {"- 5", -5},
    {"5.", 5},
    {".5", 0.5},
    {"007", 7},
    {"0", 0},
    {"1,234.5", kNotANumber},
    {"1.234,5", kNotANumber},
    {"1e5", kNotANumber},
    {"", kNotANumber},
    {"   ", kNotANumber},
    {"--2", kNotANumber},
    {"+-2", kNotANumber},
    {"-", kNotANumber},
    {".", kNotANumber},
    {"1 000", kNotANumber},
    {"$5", kNotANumber},
    {"12.5.1", kNotANumber},
    {"1,2,3", kNotANumber},
    {"5-", kNotANumber},
    {"NaN", kNotANumber},
    {"inf", kNotANumber},
    {"0x10", kNotANumber},
};
} // namespace

TEST(ToFloat, ReadsQuoteNumbersWhateverTheDecimalSeparator) {
    for (const char separator : {'.', ','}) {
        for (const Case& c : kCases) {
            SCOPED_TRACE(std::string("'") + c.text + "' with separator " + separator);
            EXPECT_EQ(ToFloat(c.text, separator), c.value);
        }
    }
}

TEST(ToFloat, AnotherSeparatorAcceptsOnlyWholeNumbers) {
    EXPECT_EQ(ToFloat("42", '\''), 42);
    EXPECT_EQ(ToFloat("4.2", '\''), kNotANumber);
    EXPECT_EQ(ToFloat("4,2", '\''), kNotANumber);
}

TEST(ToFloat, NumbersTooLargeForADoubleAreNotNumbers) {
    EXPECT_EQ(ToFloat(std::string(400, '9'), '.'), kNotANumber);
}

TEST(NarrowToFloat, KeepsWhatSinglePrecisionHoldsAndRejectsTheRest) {
    EXPECT_EQ(NarrowToFloat(123456789), 123456792.0f);
    EXPECT_EQ(NarrowToFloat(kNotANumber), static_cast<float>(kNotANumber));
    EXPECT_EQ(NarrowToFloat(3e38), 3e38f);
    EXPECT_EQ(NarrowToFloat(1e39), static_cast<float>(kNotANumber));
    EXPECT_EQ(NarrowToFloat(-1e39), static_cast<float>(kNotANumber));
    EXPECT_EQ(NarrowToFloat(std::numeric_limits<double>::quiet_NaN()),
              static_cast<float>(kNotANumber));
}
