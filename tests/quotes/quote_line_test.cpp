#include <gtest/gtest.h>

#include "quotes/quote_line.h"
#include "quotes/to_float.h"
#include "ta/day_date.h"

using namespace brevant;

namespace {
TQuoteLine Parse(const std::string& line, char separator = '.') {
    TQuoteLine q;
    EXPECT_EQ(ParseQuoteLine(line, separator, q), RowStatus::Read) << line;
    return q;
}
} // namespace

TEST(ParseQuoteLine, ReadsTheQuoteFields) {
    const TQuoteLine q = Parse("ABC,ABC HOLDINGS,03012006,10.50,10.90,10.40,10.80,125000");
    EXPECT_EQ(q.Symbol, "ABC");
    EXPECT_EQ(q.StockName, "ABC HOLDINGS");
    EXPECT_EQ(q.Date, EncodeDate(2006, 1, 3));
    EXPECT_EQ(q.Open, 10.5);
    EXPECT_EQ(q.High, 10.9);
    EXPECT_EQ(q.Low, 10.4);
    EXPECT_EQ(q.Close, 10.8);
    EXPECT_EQ(q.Volume, 125000);
    EXPECT_FALSE(q.HasDividend);
    EXPECT_FALSE(q.HasSplit);
}

TEST(ParseQuoteLine, SkipsLinesTheRulesRejectAndSaysWhy) {
    const struct {
        const char* line;
        RowStatus status;
    } skipped[] = {
        {"", RowStatus::Empty},
        {"<ticker>,<name>,<date>,<open>,<high>,<low>,<close>,<vol>", RowStatus::Header},
        {"<ABC,ABC HOLDINGS,03012006,1,2,3,4,5", RowStatus::Header},
        {",ABC HOLDINGS,03012006,1,2,3,4,5", RowStatus::MissingField},
        {"ABC,,03012006,1,2,3,4,5", RowStatus::MissingField},
        {"ABC,   ,03012006,1,2,3,4,5", RowStatus::MissingField},
        {"ABC, \t\x01 ,03012006,1,2,3,4,5", RowStatus::MissingField},
        {"ABC,ABC HOLDINGS,03012006,1,2,3,4", RowStatus::MissingField},  // no comma after the close
        {"ABC,ABC HOLDINGS,03012006,1,2,3,4,", RowStatus::MissingField}, // nothing after it
        {"ABC,ABC HOLDINGS,03012006,1,2,3", RowStatus::MissingField},
        {"ABC", RowStatus::MissingField},
        {"ABC,ABC HOLDINGS", RowStatus::MissingField},
        {"ABC,ABC HOLDINGS,32012006,1,2,3,4,5", RowStatus::BadDate},
        {"ABC,ABC HOLDINGS,32012006,null,2,3,4,5", RowStatus::BadDate}, // the date is read first
        {"ABC,ABC HOLDINGS,03012006,null,2,3,4,5", RowStatus::BadNumber},
        {"ABC,ABC HOLDINGS,03012006,1,,3,4,5", RowStatus::BadNumber}, // an empty price
        {"ABC,ABC HOLDINGS,03012006,1,2,3,4,x", RowStatus::BadNumber},
        {"ABC,ABC HOLDINGS,03012006,1,2,3,4,1e5", RowStatus::BadNumber},
        {"ABC,ABC HOLDINGS,03012006,1,2,3,-99999999,5", RowStatus::BadNumber}, // the old stand-in
        {"ABC,ABC HOLDINGS,03012006,1,2,3,1e39,5", RowStatus::BadNumber},
        {"ABC,ABC HOLDINGS,03012006,1,2,3,4,5,*Dividend,abc,,:,", RowStatus::BadNumber},
        {"ABC,ABC HOLDINGS,03012006,1,2,3,4,5,,,*Split,a:b,", RowStatus::BadNumber},
    };
    for (const auto& c : skipped) {
        SCOPED_TRACE(c.line);
        TQuoteLine q;
        q.Symbol = "untouched";
        EXPECT_EQ(ParseQuoteLine(c.line, '.', q), c.status);
        EXPECT_EQ(q.Symbol, "untouched");
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

TEST(SetStoredTexts, ASymbolNeverHoldsBlanksBesideAComma) {
    const struct {
        const char* symbol;
        const char* stored;
    } cases[] = {
        {"BRK,B", "BRK,B"},
        {"BRK , B", "BRK,B"},
        {", B", ",B"},
        {"A ,", "A,"},
        {" AB ", " AB "},
        {"A  ,  B", "A,B"},
        {"A ,  B", "A,B"},
        {" ,A", ",A"},
        {"A,B,C,D,E,F,G", "A,B,C,D,E,"}, // cut to the column after the blanks went
    };
    for (const auto& c : cases) {
        TQuoteLine q;
        SetStoredTexts(c.symbol, "Name", q);
        EXPECT_EQ(q.Symbol, c.stored) << c.symbol;
    }
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
        const std::string line = std::string("A,N,") + c.field + ",1,2,3,4,5";
        TQuoteLine q;
        EXPECT_EQ(ParseQuoteLine(line, '.', q), c.valid ? RowStatus::Read : RowStatus::BadDate);
        if (c.valid) {
            EXPECT_EQ(q.Date, EncodeDate(c.y, c.m, c.d));
        }
    }
}

TEST(ParseQuoteLine, AnEmptyVolumeIsNoneTraded) {
    EXPECT_EQ(Parse("A,N,03012006,1,2,3,4, ").Volume, 0);
    EXPECT_EQ(Parse("A,N,03012006,1,2,3,4,,*Dividend,0.25,,:,").Volume, 0);
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
        {",*Dividend,0.25,,:,", 0, true, 0.25, false, 0},             // empty volume
        {"5,extra", 5, false, 0, false, 0},                           // incomplete tail
        {"5,*Dividend,0.25,,:", 5, false, 0, false, 0},               // last separator missing
        {"5,*Dividend,0.25,,", 5, false, 0, false, 0},                // no ":"
        {"5,*dividend,0.25,*split,2:1,", 5, false, 0, false, 0},      // markers are exact
        {"5,*Dividend,0,25,*Split,10:1,", 5, true, 0, false, 0},      // the comma ends the amount
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
    ASSERT_EQ(ParseQuoteLine("A,N,15032006,1,2,3,4,5,*Dividend,1,*Split,2:1,", '.', q),
              RowStatus::Read);
    ASSERT_EQ(ParseQuoteLine("A,N,15032006,1,2,3,4,5", '.', q), RowStatus::Read);
    EXPECT_FALSE(q.HasDividend);
    EXPECT_FALSE(q.HasSplit);
}
