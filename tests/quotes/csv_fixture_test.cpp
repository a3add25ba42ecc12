// The fixture files of csv_fixtures/, each read the way the import reads a
// file: the first line tells the layout, then every line goes to the reader
// of that layout.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "quotes/csv_layout.h"
#include "quotes/csv_quotes.h"
#include "quotes/quote_file.h"
#include "quotes/quote_line.h"
#include "ta/day_date.h"

using namespace brevant;

namespace {

struct FileRead {
    QuoteFileLayout layout;
    std::vector<TQuoteLine> rows;
    std::map<std::string, int> skipped; // by RowStatusText, or "native" for native lines
};

FileRead ReadFile(const std::string& path, QuoteFormatChoice choice = QuoteFormatChoice::Auto) {
    FileRead read;
    TQuoteFile file(path);
    std::string line;
    if (!file.ReadLine(line)) return read;
    read.layout = DetectQuoteLayout(line, path, choice);
    TQuoteLine q;
    switch (read.layout.Format) {
    case QuoteFormat::Unrecognised:
        break;
    case QuoteFormat::Native: {
        bool first = true;
        do {
            const std::string_view text = first ? StripByteOrderMark(line) : line;
            first = false;
            if (ParseQuoteLine(text, '.', q) == RowStatus::Read)
                read.rows.push_back(q);
            else
                ++read.skipped["native"];
        } while (file.ReadLine(line));
        break;
    }
    case QuoteFormat::Csv: {
        TCsvQuoteReader reader(read.layout.Csv);
        while (file.ReadLine(line)) {
            const RowStatus status = reader.Read(line, q);
            if (status == RowStatus::Read)
                read.rows.push_back(q);
            else
                ++read.skipped[RowStatusText(status)];
        }
        break;
    }
    }
    return read;
}

std::string Fixture(const char* name) {
    return std::string(CSV_FIXTURES_DIR) + "/" + name;
}

// The three days every fixture holds for one of its symbols. An empty `name`
// is not checked.
struct Day {
    int y, m, d;
    double open, high, low, close, volume;
};
constexpr Day kDays[] = {
    {2025, 8, 4, 15.66, 15.71, 15.50, 15.53, 853287},
    {2025, 8, 5, 15.55, 15.90, 15.41, 15.88, 912004},
    {2025, 8, 6, 15.80, 16.02, 15.75, 15.97, 700150},
};

void ExpectTheThreeDays(const std::vector<TQuoteLine>& rows, const std::string& symbol,
                        const std::string& name, bool lastVolumeEmpty = false) {
    std::vector<TQuoteLine> mine;
    for (const TQuoteLine& q : rows)
        if (q.Symbol == symbol) mine.push_back(q);
    ASSERT_EQ(mine.size(), 3u) << symbol;
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const Day& d = kDays[i];
        const TQuoteLine& q = mine[i];
        if (!name.empty()) {
            EXPECT_EQ(q.StockName, name);
        }
        EXPECT_EQ(q.Date, EncodeDate(d.y, d.m, d.d));
        EXPECT_EQ(q.Open, d.open);
        EXPECT_EQ(q.High, d.high);
        EXPECT_EQ(q.Low, d.low);
        EXPECT_EQ(q.Close, d.close);
        EXPECT_EQ(q.Volume, lastVolumeEmpty && i == 2 ? 0 : d.volume);
    }
}

} // namespace

TEST(CsvFixtures, EachLayoutGivesTheSameRecords) {
    struct Case {
        const char* file;
        const char* described;
        const char* symbol;
        const char* name;
        std::size_t rows;
        std::map<std::string, int> skipped;
    } cases[] = {
        {"QRTZ.csv", "CSV (QRTZ)", "QRTZ", "QRTZ", 3, {}},
        // Byte-order mark and CRLF line ends; market suffix in the file name.
        {"zenit.us.txt", "CSV (ZENIT)", "ZENIT", "ZENIT", 3, {}},
        {"many_brackets.txt",
         "CSV (many symbols)",
         "ZENIT.US",
         "ZENIT.US",
         3,
         {{"not a daily row", 2}}},
        {"many_plain.csv", "CSV (many symbols)", "QRTZ", "QRTZ", 5, {}},
        // Lower-case names in another order, an extra column, decimal commas.
        {"lower_semicolon.csv", "CSV (many symbols)", "QRTZ", "QRTZ", 3, {}},
        // Byte-order mark, tabs, capitals.
        {"TABS.txt", "CSV (many symbols)", "QRTZ", "QRTZ", 3, {}},
        // A data-frame export with two more header lines.
        {"VLTA.csv", "CSV (VLTA)", "VLTA", "VLTA", 3, {{"header line", 2}}},
        // The import's own layout, with its header (BOM, CRLF) and without.
        {"native_header.txt", "native", "QRTZ", "Quartz Mills", 3, {{"native", 1}}},
        {"native_plain.txt", "native", "QRTZ", "Quartz Mills", 3, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const FileRead read = ReadFile(Fixture(c.file));
        EXPECT_EQ(DescribeLayout(read.layout), c.described);
        EXPECT_EQ(read.rows.size(), c.rows);
        EXPECT_EQ(read.skipped, c.skipped);
        ExpectTheThreeDays(read.rows, c.symbol, c.name);
    }
}

TEST(CsvFixtures, QuotedFieldsAndTheSecondSymbol) {
    const FileRead quoted = ReadFile(Fixture("quoted.csv"));
    ASSERT_EQ(quoted.rows.size(), 3u);
    EXPECT_EQ(quoted.rows[0].StockName, "O`Hara Mills, Ltd");
    // An empty name and an empty volume in the last row.
    EXPECT_EQ(quoted.rows[2].StockName, "OHRA");
    EXPECT_EQ(quoted.rows[1].StockName, "O`Hara Mills, Ltd");
    ExpectTheThreeDays(quoted.rows, "OHRA", "", true);

    const FileRead many = ReadFile(Fixture("many_plain.csv"));
    std::vector<std::string> symbols;
    for (const TQuoteLine& q : many.rows) symbols.push_back(q.Symbol);
    EXPECT_EQ(symbols,
              (std::vector<std::string>{"QRTZ", "LONGSYMBOL", "QRTZ", "LONGSYMBOL", "QRTZ"}));
    EXPECT_EQ(many.rows[1].StockName, "LONGSYMBOL12");
}

TEST(CsvFixtures, BadRowsAreSkippedAndCountedByReason) {
    const FileRead read = ReadFile(Fixture("bad_rows.csv"));
    ASSERT_EQ(read.layout.Format, QuoteFormat::Csv);
    std::vector<std::string> symbols;
    for (const TQuoteLine& q : read.rows) symbols.push_back(q.Symbol);
    EXPECT_EQ(symbols, (std::vector<std::string>{"GOOD", "NOVL"}));
    EXPECT_EQ(read.skipped, (std::map<std::string, int>{{"empty line", 1},
                                                        {"bad date", 1},
                                                        {"bad number", 4},
                                                        {"missing field", 2},
                                                        {"header line", 1}}));
}

TEST(CsvFixtures, AnUnrecognisedHeaderIsRefusedWithItsFileAndLine) {
    const std::string path = Fixture("close_only.csv");
    const FileRead read = ReadFile(path);
    EXPECT_EQ(read.layout.Format, QuoteFormat::Unrecognised);
    EXPECT_EQ(read.layout.Message, "->ERROR: UNRECOGNISED FILE LAYOUT " + path +
                                       " (no Open, High, Low column): Date,Close,Volume");
    EXPECT_TRUE(read.rows.empty());
}

TEST(CsvFixtures, FormatChoiceOverridesDetection) {
    // Forced native, a CSV file is read line by line as the import's own layout.
    const FileRead native = ReadFile(Fixture("QRTZ.csv"), QuoteFormatChoice::Native);
    EXPECT_EQ(native.layout.Format, QuoteFormat::Native);
    // Forced CSV, a native file without a header is refused.
    const FileRead csv = ReadFile(Fixture("native_plain.txt"), QuoteFormatChoice::Csv);
    EXPECT_EQ(csv.layout.Format, QuoteFormat::Unrecognised);
    // Forced CSV, the import's own header reads its DDMMYYYY rows too.
    const FileRead ownHeader = ReadFile(Fixture("native_header.txt"), QuoteFormatChoice::Csv);
    ASSERT_EQ(ownHeader.layout.Format, QuoteFormat::Csv);
    ExpectTheThreeDays(ownHeader.rows, "QRTZ", "Quartz Mills");
}
