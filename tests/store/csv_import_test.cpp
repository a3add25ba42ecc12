// The import of whole files in every layout: each file's layout told from
// its first line, CSV rows stored like the import's own lines, unreadable
// rows skipped and counted, a refused file passed over.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "store/import_generation.h"
#include "store_fixture.h"
#include "ta/day_date.h"

using namespace brevant;
using namespace brevant::testing;

namespace {

class CsvImportTest : public StoreTest {
protected:
    int Generation() {
        TFBLTransaction t(&store.DB1);
        t.StartTransaction();
        return ReadImportGeneration(t).value_or(-1);
    }
};

std::string Fixture(const std::string& name) {
    return std::string(CSV_FIXTURES_DIR) + "/" + name;
}

// Skipped rows by reason, in RowStatus order (Read and Empty are never counted).
using Reasons = std::array<long, kRowStatusCount>;
Reasons ByReason(long missing, long badDate, long badNumber, long notDaily) {
    Reasons r{};
    r[static_cast<std::size_t>(RowStatus::MissingField)] = missing;
    r[static_cast<std::size_t>(RowStatus::BadDate)] = badDate;
    r[static_cast<std::size_t>(RowStatus::BadNumber)] = badNumber;
    r[static_cast<std::size_t>(RowStatus::NotDaily)] = notDaily;
    return r;
}

struct FileCase {
    const char* file;
    QuoteFormatChoice choice;
    const char* layout;
    long lines, headers, skipped;
    Reasons reasons;
    bool refused;
};

const FileCase kFileCases[] = {
    // One symbol per file: LF; with a byte-order mark and CRLF; a data-frame export.
    {"QRTZ.csv", QuoteFormatChoice::Auto, "CSV (QRTZ)", 3, 1, 0, {}, false},
    {"zenit.us.txt", QuoteFormatChoice::Auto, "CSV (ZENIT)", 3, 1, 0, {}, false},
    {"VLTA.csv", QuoteFormatChoice::Auto, "CSV (VLTA)", 3, 3, 0, {}, false},
    // Many symbols per file: CRLF, brackets with periods, tabs with a
    // byte-order mark, semicolons with decimal commas, quoted fields.
    {"many_plain.csv", QuoteFormatChoice::Auto, "CSV (many symbols)", 5, 1, 0, {}, false},
    {"many_brackets.txt", QuoteFormatChoice::Auto, "CSV (many symbols)", 3, 1, 2,
     ByReason(0, 0, 0, 2), false},
    {"TABS.txt", QuoteFormatChoice::Auto, "CSV (many symbols)", 3, 1, 0, {}, false},
    {"lower_semicolon.csv", QuoteFormatChoice::Auto, "CSV (many symbols)", 3, 1, 0, {}, false},
    {"quoted.csv", QuoteFormatChoice::Csv, "CSV (many symbols)", 3, 1, 0, {}, false},
    // Every kind of unreadable row, and a header repeated half-way.
    {"bad_rows.csv", QuoteFormatChoice::Auto, "CSV (many symbols)", 2, 2, 7, ByReason(2, 1, 4, 0),
     false},
    // The import's own layout: its "<" header behind a byte-order mark is
    // still a header; without a header.
    {"native_header.txt", QuoteFormatChoice::Auto, "native", 3, 1, 0, {}, false},
    {"native_plain.txt", QuoteFormatChoice::Auto, "native", 3, 0, 0, {}, false},
    // The layout forced: a CSV file read as native lines gives nothing but
    // skipped lines, and is refused; a native file is no CSV.
    {"QRTZ.csv", QuoteFormatChoice::Native, "native", 0, 0, 4, ByReason(4, 0, 0, 0), true},
    {"native_plain.txt", QuoteFormatChoice::Csv, "unrecognised", 0, 0, 0, {}, true},
    {"close_only.csv", QuoteFormatChoice::Auto, "unrecognised", 0, 0, 0, {}, true},
};

std::string Line(const std::string& symbol, const char* end) {
    return symbol + ",Quartz Mills,04082025,1,2,0.5,1.5,100" + end;
}

} // namespace

TEST_F(CsvImportTest, CountsWhatEachFileGaveInItsLayout) {
    for (const FileCase& c : kFileCases) {
        SCOPED_TRACE(std::string(c.file) + " as choice " +
                     std::to_string(static_cast<int>(c.choice)));
        const int rowsBefore = Count("DATATABLE");
        const ImportResult r = ImportFiles({Fixture(c.file)}, {}, '.', c.choice);
        EXPECT_EQ(r.Outcome, ImportOutcome::Completed);
        ASSERT_EQ(r.Files.size(), 1u);
        const FileCounts& got = r.Files[0];
        EXPECT_EQ(got.Layout, c.layout);
        EXPECT_EQ(got.Lines, c.lines);
        EXPECT_EQ(got.Headers, c.headers);
        EXPECT_EQ(got.Skipped, c.skipped);
        EXPECT_EQ(got.SkippedBy, c.reasons);
        EXPECT_EQ(got.Committed, !c.refused);
        EXPECT_EQ(!got.Refusal.empty(), c.refused);
        EXPECT_EQ(r.FilesRefused, c.refused ? 1 : 0);
        EXPECT_EQ(r.FilesRead, c.refused ? 0 : 1);
        EXPECT_EQ(Count("DATATABLE") - rowsBefore, c.lines);
    }
}

// CSV rows follow the rules of the import's own lines: symbol cut to 10,
// name the symbol when the layout has none, apostrophes replaced, the name
// cut to 55, single precision, raw prices (Adj Close not read).
TEST_F(CsvImportTest, StoresCsvRowsByTheRulesOfNativeLines) {
    const std::string longName(70, 'n');
    const std::string text = "Symbol,Name,Date,Open,High,Low,Close,Volume\n"
                             "LONGSYMBOL12,O'Hara " +
                             longName +
                             ",20250804,2.1,2.2,2.0,2.15,5000\n"
                             "SHORT,,2025-08-05,0.1,0.3,0.05,0.2,\n";
    const ImportResult r = ImportFiles({dir.write("many.csv", text), Fixture("QRTZ.csv")});
    ASSERT_EQ(r.Outcome, ImportOutcome::Completed);
    const auto quotes = Quotes();
    ASSERT_EQ(quotes.size(), 5u);
    EXPECT_EQ(quotes[0].symbol, "LONGSYMBOL");
    EXPECT_EQ(quotes[0].name, ("O`Hara " + longName).substr(0, kStockNameWidth));
    EXPECT_EQ(quotes[0].date, EncodeDate(2025, 8, 4));
    EXPECT_EQ(quotes[0].close, 2.15f);
    EXPECT_EQ(quotes[0].volume, 5000.0f);
    // QRTZ.csv: its Close column (15.53), not its Adj Close (15.21).
    EXPECT_EQ(quotes[1].symbol, "QRTZ");
    EXPECT_EQ(quotes[1].name, "QRTZ");
    EXPECT_EQ(quotes[1].date, EncodeDate(2025, 8, 4));
    EXPECT_EQ(quotes[1].open, 15.66f);
    EXPECT_EQ(quotes[1].close, 15.53f);
    EXPECT_EQ(quotes[1].volume, 853287.0f);
    EXPECT_EQ(quotes[4].symbol, "SHORT");
    EXPECT_EQ(quotes[4].name, "SHORT");
    EXPECT_EQ(quotes[4].open, 0.1f);
    EXPECT_EQ(quotes[4].volume, 0.0f);
    EXPECT_TRUE(Actions().empty());
}

// Before, the mark stayed in front of the first symbol: "\xEF\xBB\xBFQRLF"
// was stored as a stock of its own.
TEST_F(CsvImportTest, ByteOrderMarkOnANativeFirstLineIsDropped) {
    const std::string mark = "\xEF\xBB\xBF";
    const ImportResult r = Import({mark + Line("QRLF", "\n") + Line("QRLF", "\n"),
                                   mark + Line("QRCR", "\r\n") + Line("QRCR", "\r\n")});
    ASSERT_EQ(r.Files.size(), 2u);
    for (const FileCounts& c : r.Files) {
        SCOPED_TRACE(c.Path);
        EXPECT_EQ(c.Layout, "native");
        EXPECT_EQ(c.Lines, 2);
        EXPECT_EQ(c.Skipped, 0);
    }
    EXPECT_EQ(QuoteSymbols(), (std::vector<std::string>{"QRCR", "QRCR", "QRLF", "QRLF"}));
}

// A folder of every kind imported together: the refused file is reported
// and passed over, the files after it are stored, every stored file raised
// the import generation once.
TEST_F(CsvImportTest, MixedFolderWithARefusedFileInTheMiddle) {
    std::vector<std::string> layouts;
    ImportCallbacks callbacks;
    callbacks.fileLayout = [&](const std::string& layout) { layouts.push_back(layout); };
    const std::string refusedPath = Fixture("close_only.csv");
    const int generationBefore = Generation();
    const ImportResult r =
        ImportFiles({Fixture("native_plain.txt"), Fixture("zenit.us.txt"), refusedPath,
                     Fixture("many_plain.csv"), Fixture("bad_rows.csv")},
                    callbacks);
    ASSERT_EQ(r.Outcome, ImportOutcome::Completed);
    EXPECT_EQ(layouts, (std::vector<std::string>{"native", "CSV (ZENIT)", "unrecognised",
                                                 "CSV (many symbols)", "CSV (many symbols)"}));
    EXPECT_EQ(r.FilesRead, 4);
    EXPECT_EQ(r.FilesRefused, 1);
    EXPECT_EQ(r.LinesStored, 3 + 3 + 5 + 2);
    EXPECT_EQ(Count("DATATABLE"), 13);
    ASSERT_EQ(r.Files.size(), 5u);
    EXPECT_EQ(FileSummary(r.Files[2]), "->ERROR: UNRECOGNISED FILE LAYOUT " + refusedPath +
                                           " (no Open, High, Low column): Date,Close,Volume");
    EXPECT_EQ(FileSummary(r.Files[4]),
              "bad_rows.csv, CSV (many symbols): 2 lines stored, 2 header lines skipped, 7 other "
              "lines skipped (missing field 2, bad date 1, bad number 4)");
    EXPECT_EQ(FileSummary(r.Files[1]),
              "zenit.us.txt, CSV (ZENIT): 3 lines stored, 1 header line skipped, 0 other lines "
              "skipped");
    // The native line's dividend tail is stored as always.
    ASSERT_EQ(Actions().size(), 1u);
    EXPECT_EQ(Generation() - generationBefore, 4);
}
