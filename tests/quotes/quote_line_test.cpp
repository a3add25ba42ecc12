#include <gtest/gtest.h>

#include "quotes/quote_line.h"
#include "quotes/to_float.h"
#include "ta/day_date.h"

using namespace brevant;

namespace {
TQuoteLine Parse(const std::string& line, char separator = '.') {
    TQuoteLine q;
    EXPECT_TRUE(ParseQuoteLine(line, separator, q)) << line;
    return q;
}
} // namespace

TEST(ParseQuoteLine, ReadsTheQuoteFields) {
    const TQuoteLine q = Parse("ABC,ABC HOLDINGS,03012006,10.50,10.90,10.40,10.80,125000");
    EXPECT_EQ(q.Symbol, "ABC");
    EXPECT_EQ(q.StockName, "ABC HOLDINGS");
    ASSERT_TRUE(q.DateValid);
    EXPECT_EQ(q.Date, EncodeDate(2006, 1, 3));
    EXPECT_EQ(q.Open, 10.5);
    EXPECT_EQ(q.High, 10.9);
    EXPECT_EQ(q.Low, 10.4);
    EXPECT_EQ(q.Close, 10.8);
    EXPECT_EQ(q.Volume, 125000);
    EXPECT_FALSE(q.HasDividend);
    EXPECT_FALSE(q.HasSplit);
}

TEST(ParseQuoteLine, SkipsLinesTheRulesReject) {
    const char* skipped[] = {
        "",
        "<ticker>,<name>,<date>,<open>,<high>,<low>,<close>,<vol>",
        "<ABC,ABC HOLDINGS,03012006,1,2,3,4,5",
        ",ABC HOLDINGS,03012006,1,2,3,4,5",
        "ABC,,03012006,1,2,3,4,5",
        "ABC,   ,03012006,1,2,3,4,5",
        "ABC, \t\x01 ,03012006,1,2,3,4,5",
        "ABC,ABC HOLDINGS,03012006,1,2,3,4",  // no comma after the close
        "ABC,ABC HOLDINGS,03012006,1,2,3,4,", // nothing after it
        "ABC,ABC HOLDINGS,03012006,1,2,3",
        "ABC",
        "ABC,ABC HOLDINGS",
    };
    for (const char* line : skipped) {
        SCOPED_TRACE(line);
        TQuoteLine q;
        EXPECT_FALSE(ParseQuoteLine(line, '.', q));
    }
}

TEST(ParseQuoteLine, SymbolAndNameAreKeptAsWrittenButCut) {
    const TQuoteLine q = Parse(" abc'12345678,  O'Brien's \"Best\" Co ,03012006,1,2,3,4,5");
    EXPECT_EQ(q.Symbol, " abc'12345");
    EXPECT_EQ(q.StockName, "  O`Brien`s \"Best\" Co ");
    const std::string longName(60, 'n');
    EXPECT_EQ(Parse("A," + longName + ",03012006,1,2,3,4,5").StockName, std::string(55, 'n'));
    // The cut comes first, so a name cut inside keeps its replaced apostrophes.
    EXPECT_EQ(Parse("A," + std::string(54, 'n') + "''',03012006,1,2,3,4,5").StockName,
              std::string(54, 'n') + "`");
}

TEST(ParseQuoteLine, DateIsDayMonthYearInEightCharacters) {
    struct Case {
        const char* field;
        bool valid;
        int y, m, d;
    } cases[] = {
        {"03012006", true, 2006, 1, 3},
        {"29022008", true, 2008, 2, 29},
        {"03012006123", true, 2006, 1, 3},
        {"31122026", true, 2026, 12, 31},
        {"29022007", false, 0, 0, 0},
        {"31042006", false, 0, 0, 0},
        {"00012006", false, 0, 0, 0},
        {"03132006", false, 0, 0, 0},
        {"ab012006", false, 0, 0, 0},
        {"0301200x", false, 0, 0, 0},
        {"", false, 0, 0, 0},
        {"0301", false, 0, 0, 0},
        {"2006-01-03", false, 0, 0, 0},
        {"-3012006", false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        const TQuoteLine q = Parse(std::string("A,N,") + c.field + ",1,2,3,4,5");
        EXPECT_EQ(q.DateValid, c.valid);
        if (c.valid) {
            EXPECT_EQ(q.Date, EncodeDate(c.y, c.m, c.d));
        }
    }
}

TEST(ParseQuoteLine, NumbersThatAreNotNumbersStillGiveALine) {
    const TQuoteLine q = Parse("A,N,03012006,x,,1e5, ,?");
    EXPECT_EQ(q.Open, kNotANumber);
    EXPECT_EQ(q.High, kNotANumber);
    EXPECT_EQ(q.Low, kNotANumber);
    EXPECT_EQ(q.Close, kNotANumber);
    EXPECT_EQ(q.Volume, kNotANumber);
}

TEST(ParseQuoteLine, EitherDecimalMarkUnderEitherLocale) {
    for (char separator : {'.', ','}) {
        const TQuoteLine q = Parse("A,N,03012006,10.50,1,1,1,5", separator);
        EXPECT_EQ(q.Open, 10.5) << separator;
    }
}

TEST(ParseQuoteLine, ActionTail) {
    struct Case {
        const char* tail; // after "A,N,15032006,1,2,3,4,"
        double volume;
        bool dividend;
        double amount;
        bool split;
        double ratio;
    } cases[] = {
        {"98000", 98000, false, 0, false, 0},
        {"98000,*Dividend,0.25,,:,", 98000, true, 0.25, false, 0},
        {"150000,,,*Split,2:1,", 150000, false, 0, true, 2.1},
        {"90000,*Dividend,0.5,*Split,3:2,", 90000, true, 0.5, true, 3.2},
        {"90000,*Dividend,0.5,*Split,3:2,trailing,fields", 90000, true, 0.5, true, 3.2},
        {"90000,*Split,2:1,*Dividend,1,", 90000, false, 0, false, 0}, // marker in the wrong place
        {",*Dividend,0.25,,:,", kNotANumber, true, 0.25, false, 0},   // empty volume
        {"5,extra", 5, false, 0, false, 0},                           // incomplete tail
        {"5,*Dividend,0.25,,:", 5, false, 0, false, 0},               // last separator missing
        {"5,*Dividend,0.25,,", 5, false, 0, false, 0},                // no ":"
        {"5,*dividend,0.25,*split,2:1,", 5, false, 0, false, 0},      // markers are exact
        {"5,*Dividend,,*Split,:,", 5, true, kNotANumber, true, kNotANumber},
        {"5,*Dividend,0,25,*Split,10:1,", 5, true, 0, false, 0}, // the comma ends the amount
        {"5,,,*Split,1,2:5,", 5, false, 0, true, kNotANumber},   // "1,2" is the first number
        {"5,,,*Split,10:1,", 5, false, 0, true, 10.1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tail);
        const TQuoteLine q = Parse(std::string("A,N,15032006,1,2,3,4,") + c.tail);
        EXPECT_EQ(q.Volume, c.volume);
        EXPECT_EQ(q.HasDividend, c.dividend);
        if (c.dividend) {
            EXPECT_EQ(q.Dividend, c.amount);
        }
        EXPECT_EQ(q.HasSplit, c.split);
        if (c.split) {
            EXPECT_EQ(q.SplitRatio, c.ratio);
        }
    }
}

TEST(ParseQuoteLine, ReusedResultForgetsTheLastLinesActions) {
    TQuoteLine q;
    ASSERT_TRUE(ParseQuoteLine("A,N,15032006,1,2,3,4,5,*Dividend,1,*Split,2:1,", '.', q));
    ASSERT_TRUE(ParseQuoteLine("A,N,15032006,1,2,3,4,5", '.', q));
    EXPECT_FALSE(q.HasDividend);
    EXPECT_FALSE(q.HasSplit);
}
