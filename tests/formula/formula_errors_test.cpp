// Bad formulas: one message naming the position and what was expected.
#include <gtest/gtest.h>

#include "formula/formula.h"
#include "formula/formula_error.h"

using namespace brevant;

namespace {

struct BadCase {
    const char* formula;
    const char* message;
};

const BadCase kBad[] = {
    {"", "position 1: expected a number, a name or '(', found the end of the formula"},
    {"rsi", "position 1: expected a condition (such as rsi > 50), found a number"},
    {"rsi >", "position 6: expected a number, a name or '(', found the end of the formula"},
    {"rsx > 50", "position 1: expected a price, a calculation or a function name, found 'rsx'"},
    {"rsi(0) > 50", "position 5: expected a period (a whole number from 1 to 1000), found '0'"},
    {"rsi(2.5) > 50", "position 5: expected a period (a whole number from 1 to 1000), found '2.5'"},
    {"rsi(14,3) > 50", "position 7: expected ')' after at most 1 period of rsi, found ','"},
    {"rsi(14 > 50", "position 8: expected ')', found '>'"},
    {"macd_line(12 > 0", "position 14: expected ')' or ',', found '>'"},
    {"obv(5) > 0", "position 4: expected obv without periods, found '('"},
    {"ma(close) > 1", "position 9: expected ',' and the number of bars, found ')'"},
    {"ma(close, 0) > 1",
     "position 11: expected a number of bars (a whole number from 1 to 1000), found '0'"},
    {"ma close > 1", "position 4: expected '(' after ma, found 'close'"},
    {"ma(close > 1, 5) > 1", "position 4: expected a number, found a condition (true or false)"},
    {"close[-1] > 1",
     "position 7: expected a number of bars (a whole number from 0 to 1000), found '-'"},
    {"close[2 > 1", "position 9: expected ']', found '>'"},
    {"close > 1 and 5", "position 15: expected a condition (such as rsi > 50), found a number"},
    {"close + (close > 1) > 2", "position 9: expected a number, found a condition (true or false)"},
    {"close > 1 > 2", "position 11: expected 'and' or 'or' between two comparisons, found '>'"},
    {"close crosses 5", "position 15: expected 'above' or 'below' after 'crosses', found '5'"},
    {"(close > 1", "position 11: expected ')', found the end of the formula"},
    {"close > 1)", "position 10: expected an operator or the end of the formula, found ')'"},
    {"close > 1.",
     "position 11: expected a digit after the decimal point, found the end of the formula"},
    {"close > 1 & close < 2",
     "position 11: expected a number, a name, an operator or a bracket, found '&'"},
    {"close > and", "position 9: expected a number, a name or '(', found 'and'"},
    {"min(close) > 1", "position 10: expected ',' and a second value, found ')'"},
    {"not close", "position 5: expected a condition (such as rsi > 50), found a number"},
};

} // namespace

TEST(FormulaErrors, EachBadFormulaGetsOneMessageWithItsPosition) {
    for (const BadCase& c : kBad) {
        SCOPED_TRACE(c.formula);
        try {
            ParseFormula(c.formula);
            ADD_FAILURE() << "accepted";
        } catch (const FormulaError& e) {
            EXPECT_STREQ(e.what(), c.message);
            EXPECT_EQ(e.Position(), std::stoi(std::string(c.message).substr(9)));
        }
    }
}

TEST(FormulaErrors, NestingIsBounded) {
    const std::string deep = std::string(100, '(') + "close > 1" + std::string(100, ')');
    EXPECT_NO_THROW(ParseFormula(deep.substr(1, deep.size() - 2)));
    try {
        ParseFormula(std::string(100000, '(') + "close > 1");
        ADD_FAILURE() << "accepted";
    } catch (const FormulaError& e) {
        EXPECT_STREQ(e.what(), "position 101: expected at most 100 nested parts, found '('");
    }
    EXPECT_THROW(ParseFormula(std::string(5000, '-') + "close > 1"), FormulaError);
    std::string nots;
    for (int i = 0; i < 5000; ++i) nots += "not ";
    EXPECT_THROW(ParseFormula(nots + "close > 1"), FormulaError);
}

TEST(FormulaErrors, NamesAreReadWhateverTheirCase) {
    EXPECT_NO_THROW(ParseFormula("RSI(21) > 50 AND Close Crosses Above MA(close, 20)"));
    EXPECT_NO_THROW(ParseFormula("  macd_line[3]<macd_signal[3]and macd_line>macd_signal "));
}
