#include <gtest/gtest.h>

#include "quotes/csv_layout.h"
#include "quotes/quote_line.h"

using namespace brevant;

namespace {
const char* FormatName(QuoteFormat f) {
    switch (f) {
    case QuoteFormat::Native:
        return "native";
    case QuoteFormat::Csv:
        return "csv";
    case QuoteFormat::Unrecognised:
        return "unrecognised";
    }
    return "?";
}
} // namespace

TEST(DetectQuoteLayout, TellsTheLayoutFromTheFirstLine) {
    struct Case {
        const char* line;
        const char* path;
        QuoteFormat format;
    } cases[] = {
        // The import's own layout: no header, or its own "<" header.
        {"QRTZ,Quartz Mills,04082025,15.66,15.71,15.50,15.53,853287", "q.txt", QuoteFormat::Native},
        {"<ticker>,<name>,<date>,<open>,<high>,<low>,<close>,<vol>", "q.txt", QuoteFormat::Native},
        {"<TICKER>,<NAME>,<DATE>,<OPEN>,<HIGH>,<LOW>,<CLOSE>,<VOL>,<DIV>", "q.txt",
         QuoteFormat::Native},
        {"\xEF\xBB\xBF<ticker>,<name>,<date>,<open>,<high>,<low>,<close>,<vol>", "q.txt",
         QuoteFormat::Native},
        // Any other "<" header the import has always skipped stays native.
        {"<symbol>,<date>,<close>", "q.txt", QuoteFormat::Native},
        {"<quotes of the day>", "q.txt", QuoteFormat::Native},
        {"", "q.txt", QuoteFormat::Native},
        // Native lines whose symbol or name read like column names.
        {"DATE,OPEN,04082025,15.66,15.71,15.50,15.53,853287", "q.txt", QuoteFormat::Native},
        {"Date,Close,x,y,z,w,v,1", "q.txt", QuoteFormat::Native},
        {"DATE;OPEN;X,Close Brothers,04082025,1,2,3,4,5", "q.txt", QuoteFormat::Native},
        {"Ticker,Date,-.5", "q.txt", QuoteFormat::Native},
        // CSV layouts.
        {"Date,Open,High,Low,Close,Adj Close,Volume", "ACME.csv", QuoteFormat::Csv},
        {"Date,Open,High,Low,Close,Volume", "acme.us.txt", QuoteFormat::Csv},
        {"<TICKER>,<PER>,<DATE>,<TIME>,<OPEN>,<HIGH>,<LOW>,<CLOSE>,<VOL>,<OPENINT>", "all.txt",
         QuoteFormat::Csv},
        {"<DATE>,<OPEN>,<HIGH>,<LOW>,<CLOSE>,<VOL>", "ACME.txt", QuoteFormat::Csv},
        {"Ticker,Date,Open,High,Low,Close,Volume", "all.csv", QuoteFormat::Csv},
        {"Ticker,Name,Date,Open,High,Low,Close,Volume", "all.csv", QuoteFormat::Csv},
        {"\xEF\xBB\xBF"
         "date;open;high;low;close",
         "ACME.csv", QuoteFormat::Csv},
        {"DATE\tOPEN\tHIGH\tLOW\tCLOSE\tVOLUME", "ACME.csv", QuoteFormat::Csv},
        {"\"Date\",\"Open\",\"High\",\"Low\",\"Close\"", "ACME.csv", QuoteFormat::Csv},
        {"Price,Adj Close,Close,High,Low,Open,Volume", "ACME.csv", QuoteFormat::Csv},
        {",Open,High,Low,Close", "ACME.csv", QuoteFormat::Csv},
        // Headers that lack what a layout needs.
        {"Date,Close,Volume", "ACME.csv", QuoteFormat::Unrecognised},
        {"Date,Price,Open,High,Low,Vol.,Change %", "ACME.csv", QuoteFormat::Unrecognised},
        {"Open,High,Low,Close", "ACME.csv", QuoteFormat::Unrecognised},
        {"Symbol,Name", "q.txt", QuoteFormat::Unrecognised},
        {"Date,Open,High,Low,Close", ".csv", QuoteFormat::Unrecognised},
        {"\xFF\xFE"
         "D",
         "q.txt", QuoteFormat::Unrecognised},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_STREQ(FormatName(DetectQuoteLayout(c.line, c.path).Format), FormatName(c.format));
    }
}

TEST(DetectQuoteLayout, FindsEachColumnWhereverItStands) {
    const QuoteFileLayout l =
        DetectQuoteLayout("volume;Close;<DATE>;Ticker;note;OPEN;low;High;Adj_Close", "x.csv");
    ASSERT_EQ(l.Format, QuoteFormat::Csv);
    const CsvLayout& c = l.Csv;
    EXPECT_EQ(c.Separator, ';');
    EXPECT_EQ(c.Column(QuoteColumn::Volume), 0);
    EXPECT_EQ(c.Column(QuoteColumn::Close), 1);
    EXPECT_EQ(c.Column(QuoteColumn::Date), 2);
    EXPECT_EQ(c.Column(QuoteColumn::Symbol), 3);
    EXPECT_EQ(c.Column(QuoteColumn::Open), 5);
    EXPECT_EQ(c.Column(QuoteColumn::Low), 6);
    EXPECT_EQ(c.Column(QuoteColumn::High), 7);
    EXPECT_EQ(c.Column(QuoteColumn::AdjClose), 8);
    EXPECT_FALSE(c.Has(QuoteColumn::Name));
    EXPECT_TRUE(c.ManySymbols());
    EXPECT_TRUE(c.FileSymbol.empty());
    // Adj Close is not read, so a row needs only the first eight fields.
    EXPECT_EQ(c.FieldsNeeded, 8u);
}

TEST(DetectQuoteLayout, PerAndTimeAndRepeatedNames) {
    const CsvLayout per =
        DetectQuoteLayout("<TICKER>,<PER>,<DATE>,<TIME>,<OPEN>,<HIGH>,<LOW>,<CLOSE>,<VOL>", "a")
            .Csv;
    EXPECT_EQ(per.Column(QuoteColumn::Period), 1);
    // The period decides a daily row; the time is then not read.
    EXPECT_FALSE(per.Has(QuoteColumn::Time));

    const CsvLayout time = DetectQuoteLayout("Date,Time,Open,High,Low,Close", "ACME.csv").Csv;
    EXPECT_EQ(time.Column(QuoteColumn::Time), 1);
    EXPECT_EQ(time.FileSymbol, "ACME");
    EXPECT_FALSE(time.Has(QuoteColumn::Volume));

    const CsvLayout twice =
        DetectQuoteLayout("Date,Close,Open,High,Low,Close,Vol,Volume", "B.csv").Csv;
    EXPECT_EQ(twice.Column(QuoteColumn::Close), 1);
    EXPECT_EQ(twice.Column(QuoteColumn::Volume), 6);

    // A data-frame export: the first column is the date when no column says so.
    const CsvLayout frame =
        DetectQuoteLayout("Price,Adj Close,Close,High,Low,Open,Volume", "ACME.csv").Csv;
    EXPECT_EQ(frame.Column(QuoteColumn::Date), 0);
    EXPECT_EQ(frame.Column(QuoteColumn::Close), 2);
}

TEST(DetectQuoteLayout, RefusalNamesTheFileItsFirstLineAndWhatIsMissing) {
    struct Case {
        std::string line;
        const char* path;
        QuoteFormatChoice choice;
        const char* message;
    } cases[] = {
        {"Date,Close,Volume", "/data/ACME.csv", QuoteFormatChoice::Auto,
         "->ERROR: UNRECOGNISED FILE LAYOUT /data/ACME.csv (no Open, High, Low column): "
         "Date,Close,Volume"},
        {"\xEF\xBB\xBF"
         "Date,Open,High,Low,Close",
         "/data/.csv", QuoteFormatChoice::Auto,
         "->ERROR: UNRECOGNISED FILE LAYOUT /data/.csv (no Ticker column, no symbol in the file "
         "name): Date,Open,High,Low,Close"},
        {"QRTZ,Quartz Mills,04082025,1,2,3,4,5", "q.txt", QuoteFormatChoice::Csv,
         "->ERROR: UNRECOGNISED FILE LAYOUT q.txt (no column header): "
         "QRTZ,Quartz Mills,04082025,1,2,3,4,5"},
        {"<symbol>,<date>,<close>", "q.txt", QuoteFormatChoice::Csv,
         "->ERROR: UNRECOGNISED FILE LAYOUT q.txt (no Open, High, Low column): "
         "<symbol>,<date>,<close>"},
        {std::string("\xFF\xFE"
                     "D\0a\0t\0e\0,\0O\0\t\0",
                     16),
         "u.csv", QuoteFormatChoice::Auto,
         "->ERROR: UNRECOGNISED FILE LAYOUT u.csv (UTF-16 text): \xFF\xFE"
         "Date,O?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const QuoteFileLayout l = DetectQuoteLayout(c.line, c.path, c.choice);
        ASSERT_EQ(l.Format, QuoteFormat::Unrecognised);
        EXPECT_EQ(l.Message, c.message);
    }
    // A long first line is cut in the message.
    const std::string longLine = "Date,Close," + std::string(150, 'x');
    EXPECT_EQ(DetectQuoteLayout(longLine, "a.csv").Message,
              "->ERROR: UNRECOGNISED FILE LAYOUT a.csv (no Open, High, Low column): " +
                  longLine.substr(0, 120) + "...");
}

TEST(DetectQuoteLayout, ChoiceOfFormat) {
    const char* ownHeader = "<ticker>,<name>,<date>,<open>,<high>,<low>,<close>,<vol>";
    const char* csvHeader = "Date,Open,High,Low,Close,Volume";
    EXPECT_EQ(DetectQuoteLayout(csvHeader, "A.csv", QuoteFormatChoice::Native).Format,
              QuoteFormat::Native);
    EXPECT_EQ(DetectQuoteLayout("\xFF\xFE", "A.csv", QuoteFormatChoice::Native).Format,
              QuoteFormat::Native);
    EXPECT_EQ(DetectQuoteLayout(csvHeader, "A.csv", QuoteFormatChoice::Csv).Format,
              QuoteFormat::Csv);
    // Forced to CSV, the import's own header is a header with a name column.
    const QuoteFileLayout own = DetectQuoteLayout(ownHeader, "A.txt", QuoteFormatChoice::Csv);
    ASSERT_EQ(own.Format, QuoteFormat::Csv);
    EXPECT_EQ(own.Csv.Column(QuoteColumn::Name), 1);
    EXPECT_EQ(DetectQuoteLayout("", "A.csv", QuoteFormatChoice::Csv).Format,
              QuoteFormat::Unrecognised);
}

TEST(LooksLikeHeader, NeverTakesALineWithANumberOrADate) {
    const char* notHeaders[] = {
        "Date,Open,1",      "Date,Open,-1",         "Date,Open, +.5",
        "Date,Open,\",5\"", "Date;Open;2025-08-04", "Date\tOpen\t\t 7",
    };
    char separator = 0;
    for (const char* line : notHeaders) {
        SCOPED_TRACE(line);
        EXPECT_FALSE(LooksLikeHeader(line, separator));
    }
}

TEST(LooksLikeHeader, NeedsTwoKnownNamesAndPicksTheSeparator) {
    struct Case {
        const char* line;
        bool header;
        char separator;
    } cases[] = {
        {"Date,Open", true, ','},
        {"date;open;x", true, ';'},
        {"DATE\tCLOSE", true, '\t'},
        {"Date;Open;High,Low", true, ';'}, // split at commas it names only "Low"
        {"Date,Price", false, 0},
        {"Date", false, 0},
        {"Adj Close;Volume", true, ';'},
        {"Ticker,Name,Date,Something", true, ','},
        {"A,B,C", false, 0},
        {"<TICKER>,<PER>", true, ','},
        {"Date Open High Low Close", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        char separator = 0;
        EXPECT_EQ(LooksLikeHeader(c.line, separator), c.header);
        if (c.header) {
            EXPECT_EQ(separator, c.separator);
        }
    }
}

TEST(LooksLikeHeader, NativeLinesWithANumberAreNever) {
    // Lines of the import's own layout with a number in them, which it skips
    // as a bad date or a bad number: counted so, never taken for a header.
    const char* lines[] = {
        "Date,Open,04082025,x,y,z,w,v",
        "Date,Open,x,x,x,x,1,x",
        "Date,Open,x,x,x,x,x,5",
        "Date,Open,x,x,x,x,x, \t5",
        "Date,Open, 4082025x,x,x,x,x,v",
        "Date,Open,x,-+,5,x,x,x,v",
        "Date,Open,x,x,x,x,x,x,*Dividend,0.25,,:,",
    };
    for (const char* line : lines) {
        SCOPED_TRACE(line);
        TQuoteLine q;
        const RowStatus status = ParseQuoteLine(line, '.', q);
        EXPECT_TRUE(status == RowStatus::BadDate || status == RowStatus::BadNumber) << int(status);
        EXPECT_EQ(DetectQuoteLayout(line, "Q.csv").Format, QuoteFormat::Native);
    }
}

TEST(SymbolFromFileName, NameWithoutFoldersExtensionAndMarket) {
    struct Case {
        const char* path;
        const char* symbol;
    } cases[] = {
        {"ACME.csv", "ACME"},
        {"acme.us.txt", "ACME"},
        {"/home/u/data/acme.us.txt", "ACME"},
        {"C:\\data\\acme.csv", "ACME"},
        {"acme_us_d.csv", "ACME"},
        {"ACME_D.CSV", "ACME"},
        {"acme_d_us.csv", "ACME_D"},
        {"BRK.B.csv", "BRK.B"},
        {"BRK_B_d.csv", "BRK_B"},
        {"_d.csv", "_D"},
        {"ACME", "ACME"},
        {"ACME (1).csv", "ACME"},
        {"ACME (x).csv", "ACME (X)"},
        {"acme.us (2).csv", "ACME"},
        {" spaced .csv", "SPACED"},
        {"VERYLONGSYMBOLNAME.csv", "VERYLONGSY"},
        {"O'REILLY.csv", "O'REILLY"},
        {".csv", ""},
        {"/data/", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(SymbolFromFileName(c.path), c.symbol);
    }
}

TEST(StripByteOrderMark, OnlyTheUtf8MarkAtTheStart) {
    EXPECT_EQ(StripByteOrderMark("\xEF\xBB\xBFx"), "x");
    EXPECT_EQ(StripByteOrderMark("\xEF\xBB\xBF"), "");
    EXPECT_EQ(StripByteOrderMark("x\xEF\xBB\xBF"), "x\xEF\xBB\xBF");
    EXPECT_EQ(StripByteOrderMark("\xEF\xBB"), "\xEF\xBB");
}

TEST(DescribeLayout, ShortNamesForProgress) {
    EXPECT_EQ(DescribeLayout(DetectQuoteLayout("", "a.txt")), "native");
    EXPECT_EQ(DescribeLayout(DetectQuoteLayout("Date,Open,High,Low,Close", "acme.us.txt")),
              "CSV (ACME)");
    EXPECT_EQ(DescribeLayout(DetectQuoteLayout("Ticker,Date,Open,High,Low,Close", "a.csv")),
              "CSV (many symbols)");
    EXPECT_EQ(DescribeLayout(DetectQuoteLayout("Date,Close", "a.csv")), "unrecognised");
}
