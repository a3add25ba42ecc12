#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "quotes/csv_layout.h"
#include "quotes/csv_quotes.h"
#include "quotes/to_float.h"
#include "ta/day_date.h"

using namespace brevant;

namespace {

TCsvQuoteReader ReaderFor(std::string_view header, std::string_view path = "QRTZ.csv") {
    const QuoteFileLayout layout = DetectQuoteLayout(header, path);
    EXPECT_EQ(layout.Format, QuoteFormat::Csv) << header;
    return TCsvQuoteReader(layout.Csv);
}

// Sets a C locale whose decimal mark is a comma for as long as it lives.
class CommaLocale {
public:
    CommaLocale() {
        saved_ = std::setlocale(LC_ALL, nullptr);
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8"})
            if (std::setlocale(LC_ALL, name) != nullptr) {
                active_ = true;
                break;
            }
    }
    ~CommaLocale() { std::setlocale(LC_ALL, saved_.c_str()); }
    bool active() const { return active_; }

private:
    std::string saved_;
    bool active_ = false;
};

} // namespace

TEST(ReadCsvDate, IsoEightDigitsAndMidnight) {
    struct Case {
        const char* field;
        bool valid;
        int y, m, d;
    } cases[] = {
        {"2025-08-04", true, 2025, 8, 4},
        {"2024-02-29", true, 2024, 2, 29},
        {"2025-08-04 00:00:00", true, 2025, 8, 4},
        {"2025-08-04T00:00", true, 2025, 8, 4},
        {"2025-08-04 00:00:00-04:00", true, 2025, 8, 4},
        {"2025-08-04 00:00:00+0530", true, 2025, 8, 4},
        {"2025-08-04T00:00:00.000Z", true, 2025, 8, 4},
        {"2025-08-04 00:00:00.", false, 0, 0, 0},
        {"2025-08-04 09:30:00", false, 0, 0, 0},
        {"2025-08-04 00:00:01", false, 0, 0, 0},
        {"2025-08-04x", false, 0, 0, 0},
        {"2025-08-04 00:00:00-04", false, 0, 0, 0},
        {"2025-02-29", false, 0, 0, 0},
        {"2025-13-01", false, 0, 0, 0},
        {"2025-8-4", false, 0, 0, 0},
        {"25-08-04", false, 0, 0, 0},
        {"2025/08/04", false, 0, 0, 0},
        {"20250804", true, 2025, 8, 4},
        {"19991231", true, 1999, 12, 31},
        {"04082025", true, 2025, 8, 4},  // not a YYYYMMDD date: the import's own order
        {"29022024", true, 2024, 2, 29}, // same
        {"01011231", true, 101, 12, 31}, // both are dates; YYYYMMDD wins
        {"20250230", false, 0, 0, 0},
        {"2025080", false, 0, 0, 0},
        {"202508041", false, 0, 0, 0},
        {"2025 804", false, 0, 0, 0},
        {"", false, 0, 0, 0},
        {"Date", false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        double date = -1;
        ASSERT_EQ(ReadCsvDate(c.field, date), c.valid);
        if (c.valid)
            EXPECT_EQ(date, EncodeDate(c.y, c.m, c.d));
        else
            EXPECT_EQ(date, -1);
    }
}

TEST(ReadCsvNumber, PointsCommasAndWhatIsNotANumber) {
    struct Case {
        const char* field;
        char separator;
        bool valid;
        double value;
    } cases[] = {
        {"15.53", ',', true, 15.53},   {" 15.53 ", ',', true, 15.53}, {"-0.5", ',', true, -0.5},
        {"+2", ',', true, 2},          {".5", ',', true, 0.5},        {"5.", ',', true, 5},
        {"853287", ',', true, 853287}, {"1.5e6", ',', true, 1.5e6},   {"2E-2", ',', true, 0.02},
        {"15,53", ';', true, 15.53},   {"15,53", '\t', true, 15.53},  {"15.53", ';', true, 15.53},
        {"15,53", ',', false, 0}, // a comma field cannot hold a comma: only a quoted one
        {"1,234.50", ';', false, 0},   {"1.234,50", ';', false, 0},   {"1 234", ',', false, 0},
        {"", ',', false, 0},           {"-", ',', false, 0},          {".", ',', false, 0},
        {"null", ',', false, 0},       {"NaN", ',', false, 0},        {"inf", ',', false, 0},
        {"0x1A", ',', false, 0},       {"1e", ',', false, 0},         {"1e99999", ',', false, 0},
        {"--1", ',', false, 0},        {"$12", ',', false, 0},        {"12%", ',', false, 0},
        {"1e39", ',', false, 0},  // beyond single precision
        {"-1e39", ',', false, 0}, // same
        {"3.4e38", ',', true, 3.4e38},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        double value = -7;
        ASSERT_EQ(ReadCsvNumber(c.field, c.separator, value), c.valid);
        if (c.valid)
            EXPECT_DOUBLE_EQ(value, c.value);
        else
            EXPECT_EQ(value, -7);
    }
    // Digits written out in full, up to the buffer, and beyond it.
    double value = 0;
    EXPECT_TRUE(ReadCsvNumber("0." + std::string(100, '1'), ',', value));
    EXPECT_FALSE(ReadCsvNumber("0." + std::string(200, '1'), ',', value));
}

TEST(ReadCsvNumber, IgnoresTheUsersLocale) {
    CommaLocale locale;
    if (!locale.active()) GTEST_SKIP() << "no locale with a decimal comma is installed";
    double value = 0;
    ASSERT_TRUE(ReadCsvNumber("15.53", ',', value));
    EXPECT_DOUBLE_EQ(value, 15.53);
    ASSERT_TRUE(ReadCsvNumber("15,53", ';', value));
    EXPECT_DOUBLE_EQ(value, 15.53);
}

TEST(TCsvQuoteReader, FillsTheRecordTheNativeParserFills) {
    TCsvQuoteReader reader =
        ReaderFor("Date,Open,High,Low,Close,Adj Close,Volume", "o'neil.us.csv");
    TQuoteLine q;
    q.HasDividend = q.HasSplit = true;
    q.Dividend = q.SplitRatio = 9;
    ASSERT_EQ(reader.Read("2025-08-04,15.66,15.71,15.50,15.53,15.21,853287", q), RowStatus::Read);
    EXPECT_EQ(q.Symbol, "O'NEIL");
    EXPECT_EQ(q.StockName, "O`NEIL");
    EXPECT_EQ(q.Date, EncodeDate(2025, 8, 4));
    EXPECT_EQ(q.Open, 15.66);
    EXPECT_EQ(q.High, 15.71);
    EXPECT_EQ(q.Low, 15.5);
    EXPECT_EQ(q.Close, 15.53); // raw, not the adjusted close
    EXPECT_EQ(q.Volume, 853287);
    EXPECT_FALSE(q.HasDividend);
    EXPECT_FALSE(q.HasSplit);
    EXPECT_EQ(q.Dividend, 0);
    EXPECT_EQ(q.SplitRatio, 0);
}

TEST(TCsvQuoteReader, SymbolAndNameAreCutAndNamesLoseApostrophes) {
    TCsvQuoteReader reader = ReaderFor("Ticker,Name,Date,Open,High,Low,Close");
    TQuoteLine q;
    const std::string longName = std::string(54, 'n') + "'''";
    ASSERT_EQ(reader.Read("LONGSYMBOL12," + longName + ",20250804,1,2,0.5,1.5", q),
              RowStatus::Read);
    EXPECT_EQ(q.Symbol, "LONGSYMBOL");
    EXPECT_EQ(q.StockName, std::string(54, 'n') + "`");
    // No name in the row: the symbol (as written, before the cut), apostrophes replaced.
    ASSERT_EQ(reader.Read("A'B,,20250804,1,2,0.5,1.5", q), RowStatus::Read);
    EXPECT_EQ(q.Symbol, "A'B");
    EXPECT_EQ(q.StockName, "A`B");
    ASSERT_EQ(reader.Read(std::string(60, 'S') + ",,20250804,1,2,0.5,1.5", q), RowStatus::Read);
    EXPECT_EQ(q.Symbol, std::string(10, 'S'));
    EXPECT_EQ(q.StockName, std::string(55, 'S'));
}

TEST(TCsvQuoteReader, VolumeMissingOrEmptyIsZero) {
    TQuoteLine q;
    TCsvQuoteReader noColumn = ReaderFor("Date,Open,High,Low,Close");
    ASSERT_EQ(noColumn.Read("2025-08-04,1,2,0.5,1.5", q), RowStatus::Read);
    EXPECT_EQ(q.Volume, 0);
    TCsvQuoteReader column = ReaderFor("Date,Open,High,Low,Close,Volume");
    ASSERT_EQ(column.Read("2025-08-04,1,2,0.5,1.5,", q), RowStatus::Read);
    EXPECT_EQ(q.Volume, 0);
    ASSERT_EQ(column.Read("2025-08-04,1,2,0.5,1.5,  ", q), RowStatus::Read);
    EXPECT_EQ(q.Volume, 0);
    EXPECT_EQ(column.Read("2025-08-04,1,2,0.5,1.5,n/a", q), RowStatus::BadNumber);
    // The volume column may stand last and be cut off with its separator.
    EXPECT_EQ(column.Read("2025-08-04,1,2,0.5,1.5", q), RowStatus::MissingField);
}

TEST(TCsvQuoteReader, SkippedRowsSayWhy) {
    struct Case {
        const char* header;
        std::string row;
        RowStatus status;
    } cases[] = {
        {"Ticker,Date,Open,High,Low,Close,Volume", "", RowStatus::Empty},
        {"Ticker,Date,Open,High,Low,Close,Volume", " \r", RowStatus::Empty},
        {"Ticker,Date,Open,High,Low,Close,Volume", ",,,,,,", RowStatus::Empty},
        {"Ticker,Date,Open,High,Low,Close,Volume", "\"\",\"\"", RowStatus::Empty},
        {"Ticker,Date,Open,High,Low,Close,Volume", "Ticker,Date,Open,High,Low,Close,Volume",
         RowStatus::Header},
        {"Ticker,Date,Open,High,Low,Close,Volume", "Ticker,Date", RowStatus::Header},
        {"Date,Open,High,Low,Close,Volume", "Date,,,,,", RowStatus::Header},
        {"Date,Open,High,Low,Close,Volume", "Ticker,ACME,ACME,ACME,ACME,ACME", RowStatus::Header},
        {"Ticker,Date,Open,High,Low,Close,Volume", "A,2025-08-04,1,2", RowStatus::MissingField},
        {"Ticker,Date,Open,High,Low,Close,Volume", ",2025-08-04,1,2,0.5,1.5,100",
         RowStatus::MissingField},
        {"Ticker,Date,Open,High,Low,Close,Volume", "\" \",2025-08-04,1,2,0.5,1.5,100",
         RowStatus::MissingField},
        {"Ticker,Date,Open,High,Low,Close,Volume", "A,2025-02-30,1,2,0.5,1.5,100",
         RowStatus::BadDate},
        {"Ticker,Date,Open,High,Low,Close,Volume", "A,,1,2,0.5,1.5,100", RowStatus::BadDate},
        {"Ticker,Date,Open,High,Low,Close,Volume", "A,08/04/2025,1,2,0.5,1.5,100",
         RowStatus::BadDate},
        {"Ticker,Date,Open,High,Low,Close,Volume", "A,2025-08-04,1,two,0.5,1.5,100",
         RowStatus::BadNumber},
        {"Ticker,Date,Open,High,Low,Close,Volume", "A,2025-08-04,,2,0.5,1.5,100",
         RowStatus::BadNumber},
        {"Ticker,Date,Open,High,Low,Close,Volume", "A,2025-08-04,null,null,null,null,null",
         RowStatus::BadNumber},
        {"Ticker,Date,Open,High,Low,Close,Volume", "A,2025-08-04,1,2,0.5,1e39,100",
         RowStatus::BadNumber},
        {"Ticker,Date,Open,High,Low,Close,Volume", "A,2025-08-04,\"1,234.5\",2,0.5,1.5,100",
         RowStatus::BadNumber},
        {"<TICKER>,<PER>,<DATE>,<TIME>,<OPEN>,<HIGH>,<LOW>,<CLOSE>,<VOL>",
         "A,5,20250804,153000,1,2,0.5,1.5,100", RowStatus::NotDaily},
        {"<TICKER>,<PER>,<DATE>,<TIME>,<OPEN>,<HIGH>,<LOW>,<CLOSE>,<VOL>",
         "A,W,20250804,000000,1,2,0.5,1.5,100", RowStatus::NotDaily},
        {"<TICKER>,<PER>,<DATE>,<TIME>,<OPEN>,<HIGH>,<LOW>,<CLOSE>,<VOL>",
         "A,,20250804,000000,1,2,0.5,1.5,100", RowStatus::NotDaily},
        {"<TICKER>,<PER>,<DATE>,<TIME>,<OPEN>,<HIGH>,<LOW>,<CLOSE>,<VOL>",
         "A,d,20250804,153000,1,2,0.5,1.5,100", RowStatus::Read},
        {"<TICKER>,<PER>,<DATE>,<TIME>,<OPEN>,<HIGH>,<LOW>,<CLOSE>,<VOL>",
         "<TICKER>,<PER>,<DATE>,<TIME>,<OPEN>,<HIGH>,<LOW>,<CLOSE>,<VOL>", RowStatus::Header},
        {"Ticker,Date,Time,Open,High,Low,Close", "A,20250804,09:30,1,2,0.5,1.5",
         RowStatus::NotDaily},
        {"Ticker,Date,Time,Open,High,Low,Close", "A,20250804,00:00,1,2,0.5,1.5", RowStatus::Read},
        {"Ticker,Date,Time,Open,High,Low,Close", "A,20250804,,1,2,0.5,1.5", RowStatus::Read},
        {"Ticker,Date,Open,High,Low,Close,Volume", "A,2025-08-04,-1,2,0.5,1.5,100",
         RowStatus::Read},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        TCsvQuoteReader reader = ReaderFor(c.header);
        TQuoteLine q;
        q.Symbol = "untouched";
        const RowStatus status = reader.Read(c.row, q);
        EXPECT_STREQ(RowStatusText(status), RowStatusText(c.status));
        if (status != RowStatus::Read) {
            EXPECT_EQ(q.Symbol, "untouched");
        }
    }
}

TEST(TCsvQuoteReader, ValuesNarrowToSinglePrecisionAsNativeOnes) {
    // The import narrows both readers' doubles alike; what a CSV row gives
    // must be the double the native line gives for the same text.
    TCsvQuoteReader reader = ReaderFor("Ticker,Date,Open,High,Low,Close,Volume");
    for (const char* price : {"15.53", "0.1", "123456.789", "99999999", "3.4028234e38", "1e-40"}) {
        SCOPED_TRACE(price);
        const std::string p = price;
        TQuoteLine csv, native;
        ASSERT_EQ(reader.Read("A,20250804," + p + "," + p + "," + p + "," + p + ",1", csv),
                  RowStatus::Read);
        const double expected = std::strtod(price, nullptr);
        EXPECT_EQ(csv.Close, expected);
        EXPECT_EQ(NarrowToFloat(csv.Close), static_cast<float>(expected));
        if (p.find('e') == std::string::npos) {
            ASSERT_EQ(ParseQuoteLine("A,N,04082025," + p + "," + p + "," + p + "," + p + ",1", '.',
                                     native),
                      RowStatus::Read);
            EXPECT_EQ(native.Close, csv.Close);
        }
    }
}
