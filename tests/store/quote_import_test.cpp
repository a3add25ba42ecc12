#include <gtest/gtest.h>

#include <random>

#include "quotes/quote_file.h"
#include "quotes/quote_line.h"
#include "quotes/to_float.h"
#include "store/price_history.h"
#include "store_fixture.h"
#include "ta/day_date.h"

using namespace brevant;
using namespace brevant::testing;

namespace {
using ImportTest = StoreTest;

const std::string kExampleFile =
    "<ticker>,<name>,<date>,<open>,<high>,<low>,<close>,<vol>\r\n"
    "ABC,ABC HOLDINGS,03012006,10.50,10.90,10.40,10.80,125000\r\n"
    "ABC,ABC HOLDINGS,15032006,11.00,11.20,10.95,11.10,98000,*Dividend,0.25,,:,\r\n"
    "ABC,ABC HOLDINGS,20042006,22.00,22.40,21.80,22.30,150000,,,*Split,2:1,\r\n"
    "ABC,ABC HOLDINGS,21042006,22.30,22.50,22.00,22.40,90000,*Dividend,0.5,*Split,3:2,\r\n";

std::string Line(const std::string& symbol, const std::string& date, const std::string& tail = "") {
    return symbol + "," + symbol + " Corp," + date + ",1,2,0.5,1.5,100" + tail + "\n";
}
} // namespace

TEST_F(ImportTest, StoresQuoteAndActionRowsOfTheExampleLines) {
    const ImportResult r = Import({kExampleFile});
    EXPECT_EQ(r.Outcome, ImportOutcome::Completed);
    EXPECT_EQ(r.FilesRead, 1);
    EXPECT_EQ(r.LinesStored, 4);

    const auto quotes = Quotes();
    ASSERT_EQ(quotes.size(), 4u);
    const QuoteRow& q = quotes[0];
    EXPECT_EQ(q.symbol, "ABC");
    EXPECT_EQ(q.name, "ABC HOLDINGS");
    EXPECT_EQ(q.date, EncodeDate(2006, 1, 3));
    EXPECT_EQ(q.open, 10.5f);
    EXPECT_EQ(q.high, 10.9f);
    EXPECT_EQ(q.low, 10.4f);
    EXPECT_EQ(q.close, 10.8f);
    EXPECT_EQ(q.volume, 125000.0f);

    const auto actions = Actions();
    ASSERT_EQ(actions.size(), 4u);
    struct Expected {
        int y, m, d;
        float item;
        const char* action;
    } expected[] = {{2006, 3, 15, 0.25f, "Dividend"},
                    {2006, 4, 20, 2.1f, "Split"},
                    {2006, 4, 21, 0.5f, "Dividend"},
                    {2006, 4, 21, 3.2f, "Split"}};
    for (std::size_t i = 0; i < actions.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(actions[i].symbol, "ABC");
        EXPECT_EQ(actions[i].name, "ABC HOLDINGS");
        EXPECT_EQ(actions[i].date, EncodeDate(expected[i].y, expected[i].m, expected[i].d));
        EXPECT_EQ(actions[i].item, expected[i].item);
        EXPECT_EQ(actions[i].action, expected[i].action);
    }
}

TEST_F(ImportTest, CountsWhatEachFileGave) {
    const std::string cut =
        "CUT,Cut Corp,03012006,1,2,3,4,5" + std::string(kMaxLineLength, '9') + "\n";
    struct Case {
        const char* name;
        std::string text;
        long lines, headers, cut;
        std::vector<std::pair<RowStatus, long>> skipped;
    } cases[] = {
        {"header only", "<header only>\n", 0, 1, 0, {}},
        {"headers, empty and malformed lines",
         "<a>\n\n" + Line("A", "03012006") + "garbage\n,X,1\n<b>\n" + Line("B", "04012006"),
         2,
         2,
         0,
         {{RowStatus::MissingField, 2}}},
        {"unreadable dates",
         Line("A", "31022006") + Line("A", "xx") + Line("A", "03012006"),
         1,
         0,
         0,
         {{RowStatus::BadDate, 2}}},
        {"unreadable numbers, counted once a line; an empty volume is none traded",
         "A,N,03012006,x,y,1,1,1\nB,N,03012006,1,1e40,1,1,1\nC,N,03012006,1,1,1,1, \n" +
             Line("D", "03012006"),
         2,
         0,
         0,
         {{RowStatus::BadNumber, 2}}},
        {"a line cut at its limit",
         cut + Line("A", "03012006"),
         1,
         0,
         1,
         {{RowStatus::BadNumber, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ImportResult r = Import({c.text});
        ASSERT_EQ(r.Files.size(), 1u);
        const FileCounts& got = r.Files[0];
        EXPECT_TRUE(got.Committed);
        EXPECT_EQ(got.Lines, c.lines);
        EXPECT_EQ(got.Headers, c.headers);
        std::array<long, kRowStatusCount> by{};
        long skipped = 0;
        for (const auto& [status, n] : c.skipped) {
            by[static_cast<std::size_t>(status)] = n;
            skipped += n;
        }
        EXPECT_EQ(got.SkippedBy, by);
        EXPECT_EQ(got.Skipped, skipped);
        EXPECT_EQ(got.Cut, c.cut);
        EXPECT_EQ(r.LinesStored, c.lines);
    }
}

TEST_F(ImportTest, SummaryOfAFile) {
    FileCounts c{"/some/folder/eod.txt", 175000, 1};
    c.Committed = true;
    EXPECT_EQ(FileSummary(c),
              "eod.txt: 175,000 lines stored, 1 header line skipped, 0 other lines skipped");
    c.Committed = false;
    c.Skipped = 6;
    c.SkippedBy[static_cast<std::size_t>(RowStatus::MissingField)] = 3;
    c.SkippedBy[static_cast<std::size_t>(RowStatus::BadDate)] = 2;
    c.SkippedBy[static_cast<std::size_t>(RowStatus::BadNumber)] = 1;
    c.Cut = 1;
    c.Layout = "native";
    EXPECT_EQ(FileSummary(c),
              "eod.txt, native: nothing stored (175,000 lines rolled back), 1 header line "
              "skipped, 6 other lines skipped (missing field 3, bad date 2, bad number 1), 1 "
              "line cut at 1 MB");
    c.Committed = true;
    c.Replaced = 1200;
    EXPECT_EQ(FileSummary(c),
              "eod.txt, native: 175,000 lines stored, 1,200 stored rows replaced, 1 header line "
              "skipped, 6 other lines skipped (missing field 3, bad date 2, bad number 1), 1 "
              "line cut at 1 MB");

    // A CSV file: the same words.
    FileCounts csv{"ACME.csv", 1, 1};
    csv.Committed = true;
    csv.Format = QuoteFormat::Csv;
    csv.Layout = "CSV (ACME)";
    EXPECT_EQ(FileSummary(csv), "ACME.csv, CSV (ACME): 1 line stored, 1 header line skipped, 0 "
                                "other lines skipped");
    csv.Skipped = 1201;
    csv.SkippedBy[static_cast<std::size_t>(RowStatus::BadDate)] = 1;
    csv.SkippedBy[static_cast<std::size_t>(RowStatus::NotDaily)] = 1200;
    EXPECT_EQ(FileSummary(csv), "ACME.csv, CSV (ACME): 1 line stored, 1 header line skipped, "
                                "1,201 other lines skipped (bad date 1, not a daily row 1,200)");

    FileCounts refused{"odd.csv"};
    refused.Format = QuoteFormat::Unrecognised;
    refused.Layout = "unrecognised";
    refused.Refusal = "->ERROR: UNRECOGNISED FILE LAYOUT odd.csv (no Open, High column): x";
    EXPECT_EQ(FileSummary(refused), refused.Refusal);
}

// The displays hear from the import on a clock, and once at the end of every
// file with its final count.
TEST_F(ImportTest, ProgressEndsEveryFileWithItsCount) {
    std::vector<ImportProgress> seen;
    ImportCallbacks cb;
    cb.progress = [&](const ImportProgress& p) { seen.push_back(p); };
    std::string big;
    for (int i = 0; i < 3000; ++i) big += Line("S" + std::to_string(i % 50), "03012006");
    const ImportResult r = Import({"<header only>\n", big, Line("A", "03012006")}, cb);
    ASSERT_EQ(r.LinesStored, 3001);
    ASSERT_GE(seen.size(), 3u);
    // Time goes on, bytes are read in order, the file's count never falls back
    // within a file.
    for (std::size_t i = 1; i < seen.size(); ++i) {
        EXPECT_GE(seen[i].Seconds, seen[i - 1].Seconds);
        EXPECT_GE(seen[i].BytesRead, seen[i - 1].BytesRead);
        EXPECT_GE(seen[i].Lines, seen[i - 1].Lines);
    }
    std::vector<std::pair<int, long>> ends; // the last report of each file
    for (const ImportProgress& p : seen) {
        if (!ends.empty() && ends.back().first == p.File)
            ends.back().second = p.FileLines;
        else
            ends.emplace_back(p.File, p.FileLines);
    }
    EXPECT_EQ(ends, (std::vector<std::pair<int, long>>{{1, 0}, {2, 3000}, {3, 1}}));
    EXPECT_EQ(seen.back().Files, 3);
    EXPECT_EQ(seen.back().Lines, 3001);
    EXPECT_EQ(seen.back().BytesRead, seen.back().BytesTotal);
    EXPECT_DOUBLE_EQ(seen.back().Fraction(), 1.0);
}

// A line with a date or a number that cannot be read is never stored (it
// used to be, under the previous line's date or as -99999999); a file of
// which no line could be read is refused whole, and the import goes on.
TEST_F(ImportTest, UnreadableLinesAreSkippedAndAFileOfThemRefused) {
    const ImportResult r = Import({Line("A", "31022006") + Line("B", "03012006") + Line("C", "xx") +
                                       "D,N,04012006,null,1,1,1,5,*Dividend,0.25,,:,\n",
                                   "E,N,05012006,null,1,1,1,5\n" + Line("F", "") + "<header>\n",
                                   Line("G", "03012006")});
    EXPECT_EQ(r.Outcome, ImportOutcome::Completed);
    EXPECT_EQ(QuoteSymbols(), (std::vector<std::string>{"B", "G"}));
    EXPECT_EQ(Count("SPLIT"), 0); // the unreadable line's dividend went with it
    ASSERT_EQ(r.Files.size(), 3u);
    EXPECT_EQ(r.FilesRead, 2);
    EXPECT_EQ(r.FilesRefused, 1);
    EXPECT_FALSE(r.Files[1].Committed);
    EXPECT_EQ(FileSummary(r.Files[1]), "->ERROR: NO READABLE QUOTE IN FILE " + r.Files[1].Path +
                                           " (2 lines skipped: bad date 1, bad number 1)");
    EXPECT_FALSE(store.tr3.InTransaction());
    // A file of headers and empty lines alone is no such file: nothing was
    // unreadable in it.
    EXPECT_EQ(Import({"<header>\n\n"}).FilesRefused, 0);
}

TEST_F(ImportTest, ImportingTwiceDoublesQuotesButNotActions) {
    Import({kExampleFile});
    Import({kExampleFile});
    EXPECT_EQ(Count("DATATABLE"), 8);
    EXPECT_EQ(Count("SPLIT"), 4);
}

TEST_F(ImportTest, FirstActionOfAKindForASymbolAndDayWins) {
    Import({Line("A", "03012006", ",*Dividend,0.25,,:,") +
            Line("A", "03012006", ",*Dividend,0.75,,:,") + Line("A", "03012006", ",,,*Split,2:1,") +
            Line("B", "03012006", ",*Dividend,0.75,,:,")});
    const auto actions = Actions();
    ASSERT_EQ(actions.size(), 3u);
    EXPECT_EQ(actions[0].symbol, "A");
    EXPECT_EQ(actions[0].item, 0.25f);
    EXPECT_EQ(actions[1].symbol, "B");
    EXPECT_EQ(actions[2].action, "Split");
}

TEST_F(ImportTest, ApostrophesInSymbolAndNameAreSafe) {
    const std::string line = "O'NEIL,O'Neil's Stores,03012006,1,2,3,4,5,*Dividend,1,*Split,2:1,\n";
    Import({line, line});
    const auto quotes = Quotes();
    ASSERT_EQ(quotes.size(), 2u);
    EXPECT_EQ(quotes[0].symbol, "O'NEIL");
    EXPECT_EQ(quotes[0].name, "O`Neil`s Stores");
    EXPECT_EQ(Count("SPLIT"), 2); // the duplicate check found the earlier rows

    TBars bars;
    LoadDataForName(store, "O`Neil`s Stores , O'NEIL", true, bars);
    EXPECT_EQ(bars.size(), 1u);
}

TEST_F(ImportTest, LongSymbolAndNameAreCutAndStillDeduplicateActions) {
    const std::string line =
        "ABCDEFGHIJKL," + std::string(60, 'n') + ",03012006,1,2,3,4,5,*Dividend,1,,:,\n";
    Import({line, line});
    const auto quotes = Quotes();
    ASSERT_EQ(quotes.size(), 2u);
    EXPECT_EQ(quotes[0].symbol, "ABCDEFGHIJ");
    EXPECT_EQ(quotes[0].name, std::string(55, 'n'));
    EXPECT_EQ(Count("SPLIT"), 1);
}

TEST_F(ImportTest, NumbersAreNarrowedToTheFloatColumns) {
    Import({"A,N,03012006,0.1,12,-0.5,10.80,123456789\n"
            "B,N,03012006,1,1,1,1,,*Dividend,0.25,,:,\n"});
    const auto quotes = Quotes();
    ASSERT_EQ(quotes.size(), 2u);
    EXPECT_EQ(quotes[0].open, 0.1f);
    EXPECT_EQ(quotes[0].low, -0.5f);
    EXPECT_EQ(quotes[0].close, 10.8f);
    EXPECT_EQ(quotes[0].volume, 123456792.0f);
    EXPECT_EQ(quotes[1].volume, 0.0f); // an empty volume: none traded
    ASSERT_EQ(Count("SPLIT"), 1);
    EXPECT_EQ(Actions()[0].item, 0.25f);
}

TEST_F(ImportTest, DecimalCommaUserStoresTheSameValues) {
    Import({"A,N,03012006,10.50,1,1,1,5,*Dividend,0.25,*Split,3:2,\n"}, {}, ',');
    ASSERT_EQ(Quotes().size(), 1u);
    EXPECT_EQ(Quotes()[0].open, 10.5f);
    const auto actions = Actions();
    ASSERT_EQ(actions.size(), 2u);
    EXPECT_EQ(actions[0].item, 0.25f);
    EXPECT_EQ(actions[1].item, 3.2f);
}

TEST_F(ImportTest, StopDuringSecondFileFinishesItAndSkipsTheRest) {
    int file = 0;
    bool finishing = false, organizing = false;
    ImportCallbacks cb;
    cb.fileNumber = [&](int n) { file = n; };
    cb.stopRequested = [&] { return file >= 2; };
    cb.finishingFile = [&] { finishing = true; };
    cb.organizing = [&] { organizing = true; };
    const ImportResult r =
        Import({Line("A", "03012006"), Line("B", "03012006") + Line("B", "04012006"),
                Line("C", "03012006")},
               cb);
    EXPECT_EQ(r.Outcome, ImportOutcome::Completed);
    EXPECT_TRUE(r.Stopped);
    EXPECT_EQ(r.FilesRead, 2);
    EXPECT_EQ(r.Files.size(), 2u);
    EXPECT_EQ(file, 2);
    EXPECT_TRUE(finishing);
    EXPECT_TRUE(organizing);
    EXPECT_EQ(Count("DATATABLE"), 3);
}

TEST_F(ImportTest, MissingFileEndsTheImportKeepingEarlierFiles) {
    bool organizing = false;
    ImportCallbacks cb;
    cb.organizing = [&] { organizing = true; };
    const std::string missing = dir.file("missing.txt");
    const ImportResult r = ImportFiles({dir.write("a.txt", Line("A", "03012006")),
                                        dir.write("b.txt", Line("B", "03012006")), missing,
                                        dir.write("d.txt", Line("D", "03012006"))},
                                       cb);
    EXPECT_EQ(r.Outcome, ImportOutcome::CannotOpenFile);
    EXPECT_EQ(r.Message, "->ERROR: CANNOT OPEN FILE " + missing);
    EXPECT_EQ(r.FilesRead, 2);
    EXPECT_FALSE(organizing);
    EXPECT_EQ(Count("DATATABLE"), 2);
    EXPECT_FALSE(store.tr3.InTransaction());
}

TEST_F(ImportTest, NoFilesStillRefreshesStatistics) {
    bool organizing = false;
    ImportCallbacks cb;
    cb.organizing = [&] { organizing = true; };
    EXPECT_EQ(ImportFiles({}, cb).Outcome, ImportOutcome::Completed);
    EXPECT_TRUE(organizing);
}

TEST_F(ImportTest, StatisticsAreRefreshedAfterTheImport) {
    Import({Line("A", "03012006") + Line("B", "03012006") + Line("C", "03012006") +
            Line("D", "03012006")});
    TFBLTransaction t(&store.DB1);
    TFBLDsql q(&t);
    t.StartTransaction();
    q.SetSQL("SELECT RDB$STATISTICS FROM RDB$INDICES WHERE RDB$INDEX_NAME = 'IDX1'");
    q.ExecSQL();
    EXPECT_FLOAT_EQ(q.FieldAsFloat(0), 0.25f); // four distinct symbols
}

// A file cut off by a failure leaves none of its quote rows; the files
// before it stay.
TEST_F(ImportTest, DatabaseErrorEndsTheImportInOrder) {
    Exec("DROP TABLE SPLIT");
    bool organizing = false;
    ImportCallbacks cb;
    cb.organizing = [&] { organizing = true; };
    const ImportResult r = Import(
        {Line("A", "03012006"),
         Line("B", "03012006") + Line("B", "04012006", ",*Dividend,1,,:,") + Line("B", "05012006")},
        cb);
    EXPECT_EQ(r.Outcome, ImportOutcome::Failed);
    EXPECT_NE(r.Message.find("SPLIT"), std::string::npos) << r.Message;
    EXPECT_EQ(r.FilesRead, 1);
    EXPECT_EQ(r.LinesStored, 1);
    ASSERT_EQ(r.Files.size(), 2u);
    EXPECT_TRUE(r.Files[0].Committed);
    EXPECT_FALSE(r.Files[1].Committed);
    EXPECT_FALSE(organizing);
    EXPECT_FALSE(store.tr3.InTransaction());
    EXPECT_FALSE(store.TSplit.InTransaction());
    EXPECT_FALSE(store.Tindex.InTransaction());
    EXPECT_EQ(QuoteSymbols(), std::vector<std::string>{"A"});
    EXPECT_TRUE(InactiveIndexes().empty());
    // The store is usable afterwards.
    EXPECT_EQ(Import({Line("C", "03012006")}).Outcome, ImportOutcome::Completed);
}

// An action row is stored as its line comes; when the file's quote rows are
// rolled back, importing the file again adds no second action row.
TEST_F(ImportTest, AbandonedFileRollsBackItsQuotesAndKeepsItsActions) {
    const std::string second =
        Line("B", "03012006", ",*Dividend,0.5,,:,") + Line("B", "04012006") + Line("B", "05012006");
    long lines = 0;
    int file = 0;
    ImportCallbacks cb;
    cb.fileNumber = [&](int n) { file = n; };
    cb.abandonRequested = [&] { return file == 2 && ++lines > 2; };
    bool organizing = false;
    cb.organizing = [&] { organizing = true; };
    const ImportResult r = Import({Line("A", "03012006"), second, Line("C", "03012006")}, cb);
    EXPECT_EQ(r.Outcome, ImportOutcome::Completed);
    EXPECT_TRUE(r.Abandoned);
    EXPECT_TRUE(r.Stopped);
    EXPECT_EQ(r.FilesRead, 1);
    EXPECT_EQ(r.LinesStored, 1);
    ASSERT_EQ(r.Files.size(), 2u);
    EXPECT_FALSE(r.Files[1].Committed);
    EXPECT_EQ(file, 2);
    EXPECT_TRUE(organizing);
    EXPECT_EQ(QuoteSymbols(), std::vector<std::string>{"A"});
    EXPECT_EQ(Count("SPLIT"), 1);
    EXPECT_FALSE(store.tr3.InTransaction());

    Import({second});
    EXPECT_EQ(QuoteSymbols(), (std::vector<std::string>{"A", "B", "B", "B"}));
    EXPECT_EQ(Count("SPLIT"), 1);
}

TEST_F(ImportTest, HostileFilesImportWithoutErrorAndStoreOnlyAcceptedLines) {
    std::mt19937 rng(11);
    std::string garbage;
    for (int i = 0; i < 200000; ++i) {
        // Bytes of every kind, with commas, digits and line ends often enough to
        // form lines the rules accept now and then.
        const unsigned r = rng() % 16;
        char c = r < 4    ? ','
                 : r < 8  ? static_cast<char>('0' + rng() % 10)
                 : r == 8 ? '\n'
                          : static_cast<char>(rng() % 256);
        // Ctrl-Z would end the file here, a NUL byte have it refused.
        garbage += c == '\x1a' || c == '\0' ? 'z' : c;
        // Now and then a whole line the rules read.
        if (i % 1000 == 999) garbage += "\nG,N,03012006,1,2,3,4,5\n";
    }
    const std::string longLine =
        "LONG," + std::string(1 << 19, 'L') + ",03012006,1,2,3,4,5\n" + std::string(1 << 20, ',');
    const std::vector<std::string> files = {garbage, longLine, std::string(1000, '\r'),
                                            std::string(1000, '\x1a')};
    std::vector<std::string> paths;
    long accepted = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        paths.push_back(dir.write("hostile" + std::to_string(i), files[i]));
        TQuoteFile f(paths.back());
        std::string line;
        TQuoteLine q;
        while (f.ReadLine(line)) accepted += ParseQuoteLine(line, '.', q) == RowStatus::Read;
    }
    ASSERT_GT(accepted, 1);
    const ImportResult r = ImportFiles(paths);
    EXPECT_EQ(r.Outcome, ImportOutcome::Completed) << r.Message;
    EXPECT_EQ(r.FilesRead, 4);
    EXPECT_EQ(r.LinesStored, accepted);
    EXPECT_EQ(Count("DATATABLE"), accepted);
    int longRows = 0;
    for (const QuoteRow& q : Quotes()) {
        if (q.symbol != "LONG") continue;
        ++longRows;
        EXPECT_EQ(q.name, std::string(55, 'L'));
    }
    EXPECT_EQ(longRows, 1);
}
