// Brevant Dira — importing end-of-day quote files into the database.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "quotes/csv_layout.h"
#include "quotes/csv_quotes.h"
#include "quotes/import_progress.h"
#include "quotes/quote_line.h"
#include "store/data_store.h"
#include "store/quote_changes.h"
#include "store/quote_rows.h"
#include "store/stock_upkeep.h"

namespace brevant {

class TQuoteFile;
struct FileCounts;

// What the progress displays and the stop requests hook into. Every callback
// may be left empty. The import asks on a clock, not per line, so that a
// window's repainting never slows it down.
struct ImportCallbacks {
    std::function<void(int)> fileNumber; // ordinal of the file about to be read, from 1
    // The layout told from the file's first line (DescribeLayout), before
    // its rows are read; "unrecognised" for a file that is refused.
    std::function<void(const std::string&)> fileLayout;
    // At most every kProgressInterval, and once at the end of every file
    // with its final count.
    std::function<void(const ImportProgress&)> progress;
    // Lets a window run its pending messages: every kMessageInterval.
    std::function<void()> processMessages;
    // Honoured at the next file: the current file is still read to its end.
    std::function<bool()> stopRequested;
    // Ends the current file at once: its quote rows are rolled back and no
    // further file is read (its action rows already stored stay); the
    // indexes and statistics are refreshed as after a stop. Asked before
    // every line: a flag that a signal handler sets is seen at once.
    std::function<bool()> abandonRequested;
    std::function<void()> finishingFile; // the stop was seen; the current file is finished
    std::function<void()> organizing;    // files read; indexes and statistics are refreshed
    // After each file that was opened: committed, refused or rolled back
    // (see FileCounts), before the next one is opened.
    std::function<void(const FileCounts&)> fileDone;
};

inline constexpr std::chrono::milliseconds kMessageInterval{25};
inline constexpr std::chrono::milliseconds kProgressInterval{100};
// Days of a file that wait to replace the stored ones (ImportMode::Replace).
inline constexpr std::size_t kReplaceBatch = 10000;

// What one file gave. Empty lines are not counted.
struct FileCounts {
    std::string Path;
    long Lines = 0;   // quote lines read (stored when Committed)
    long Headers = 0; // lines starting with "<" (native), the column header and its repeats (CSV)
    // Lines skipped for any other reason, in either layout. A line that cannot
    // be read whole is never stored: it has no date or price to trust.
    long Skipped = 0;
    long Cut = 0;           // lines longer than kMaxLineLength, cut there
    long Replaced = 0;      // stored rows the file's rows replaced (ImportMode::Replace)
    bool Committed = false; // the file's quote rows are stored
    // What the first line told (empty until the file is opened). A refused
    // file has its refusal message in Refusal and nothing of it is stored:
    // its layout is not recognised, it is not a regular file, or no line of
    // it could be read though some were tried.
    QuoteFormat Format = QuoteFormat::Native;
    std::string Layout{}; // DescribeLayout
    std::string Refusal{};
    // Lines skipped, by RowStatus (their sum is Skipped).
    std::array<long, kRowStatusCount> SkippedBy{};
};

// "a.txt, native: 175,000 lines stored, 1 header line skipped, 2 other lines
// skipped (bad date 1, bad number 1)" for a person; a refused file gives its
// refusal message.
std::string FileSummary(const FileCounts& counts);

// What the import does with a day a symbol has stored already.
enum class ImportMode {
    Add,     // stores the file's row beside the stored ones (as always)
    Replace, // the file's row replaces every stored row of that symbol and day
             // (the file's last row of a day wins), in the file's transaction;
             // a dividend or split replaces the stored one of its kind and day
};

enum class ImportOutcome {
    Completed,      // files read (or stopped) and statistics refreshed
    CannotOpenFile, // Message is "->ERROR: CANNOT OPEN FILE " + path
    Failed,         // a database or read error; Message is its text
};

struct ImportResult {
    ImportOutcome Outcome = ImportOutcome::Completed;
    std::string Message;
    int FilesRead = 0;             // files whose quote rows are stored
    int FilesRefused = 0;          // files whose layout was not recognised (nothing read)
    long LinesStored = 0;          // quote rows stored, all files
    bool Stopped = false;          // a stop request skipped the remaining files
    bool Abandoned = false;        // the file being read when the request came was rolled back
    std::vector<FileCounts> Files; // every file opened, in order
};

// Reads quote files and stores one DATATABLE row per line read and one
// SPLIT row per new dividend or split. Each file's layout is told from its
// first line (quotes/csv_layout.h): the import's own (quotes/quote_line.h)
// or a CSV layout (quotes/csv_quotes.h); a file whose layout is refused is
// reported and passed over, and the import goes on.
// Each file's quote rows go in one transaction: a file cut off by a failure
// or a killed process leaves none of them; the stock table and the stored
// bars change in the same transaction (store/stock_upkeep.h). Action rows are committed one by
// one as they come (their duplicate check keeps a second import from adding
// them again). Files stored before a failure stay stored. When the files are
// large against the table and no other attachment is on the database, the
// four indexes are switched off during the load and rebuilt after it, also
// when the import fails.
class TQuoteImport {
public:
    // `decimalSeparator` is the user's, for ToFloat. `store.DB1` must be attached.
    TQuoteImport(TDataStore& store, char decimalSeparator, ImportCallbacks callbacks = {},
                 QuoteFormatChoice format = QuoteFormatChoice::Auto,
                 ImportMode mode = ImportMode::Add);

    ImportResult Run(const std::vector<std::string>& files);

private:
    using Clock = std::chrono::steady_clock;

    // A row waiting for its day's stored rows to be deleted (Replace).
    struct PendingRow {
        std::string Name;
        std::array<float, 5> Values;
    };

    bool SwitchIndexesOffWhenWorthIt(std::uint64_t bytes);
    void SwitchIndexesOn();
    void OpenAndImport(const std::string& path, ImportResult& result);
    void ImportFile(TQuoteFile& file, FileCounts& counts, ImportResult& result);
    void ReadLines(TQuoteFile& file, std::string& line, bool more, const QuoteFileLayout& layout,
                   FileCounts& counts, ImportResult& result);
    void StoreQuote(const TQuoteLine& line, FileCounts& counts);
    void WritePending(FileCounts& counts);
    void StoreActions(const TQuoteLine& line);
    void StoreAction(const TQuoteLine& line, const char* action, double item);
    void RefreshStatistics();
    void Tick(bool force);

    TDataStore& store_;
    char decimalSeparator_;
    ImportCallbacks callbacks_;
    QuoteFormatChoice format_;
    ImportMode mode_;
    bool indexesOff_ = false;
    ImportProgress progress_;
    std::uint64_t bytesBefore_ = 0; // of the files before the current one
    const TQuoteFile* file_ = nullptr;
    TQuoteRowWriter rows_{store_.sql3};
    std::size_t rowsPerStatement_ = 1;
    // Replace: the file's rows by day, the last of a day kept, until
    // kReplaceBatch days wait; then the stored rows of those days go, and the
    // waiting rows are written. A later day in the same file deletes a row an
    // earlier batch wrote: the file's last row of a day wins.
    std::map<QuoteDay, PendingRow> pending_;
    TFBLDsql deleteSql_{&store_.tr3};
    TStockUpkeep upkeep_; // the stock table and the stored bars, kept file by file
    Clock::time_point start_, lastMessages_, lastProgress_;
};

} // namespace brevant
