// Brevant Dira — importing end-of-day quote files into the database.
#include "store/quote_import.h"

#include <filesystem>
#include <optional>
#include <stdexcept>

#include "fbl/fbl_errors.h"
#include "quotes/quote_file.h"
#include "quotes/to_float.h"
#include "store/import_generation.h"
#include "store/quote_indexes.h"
#include "store/schema.h"
#include "store/stock_tables.h"
#include "store/transaction_guard.h"
#include "store/work_error.h"

namespace brevant {
namespace {

constexpr const char* kCountDividendSql =
    "Select Count(STOCKA) FROM SPLIT WHERE (SYMBOLA=?) AND (DATAA=? AND ACTIONA='Dividend')";
constexpr const char* kCountSplitSql =
    "Select Count(STOCKA) FROM SPLIT WHERE (SYMBOLA=?) AND (DATAA=? AND ACTIONA='Split')";
constexpr const char* kDeleteActionSql =
    "DELETE FROM SPLIT WHERE SYMBOLA=? AND DATAA=? AND ACTIONA=?";

void Call(const std::function<void()>& f) {
    if (f) f();
}

bool Asked(const std::function<bool()>& f) {
    return f && f();
}

std::uint64_t FileSize(const std::string& path) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    return ec ? 0 : static_cast<std::uint64_t>(size);
}

std::string Counted(long n, const char* one, const char* many) {
    return GroupedNumber(static_cast<double>(n)) + " " + (n == 1 ? one : many);
}

// "bad date 2, bad number 1": the reasons lines were skipped.
std::string SkipReasons(const FileCounts& c) {
    std::string reasons;
    for (std::size_t i = 0; i < c.SkippedBy.size(); ++i) {
        if (c.SkippedBy[i] == 0) continue;
        if (!reasons.empty()) reasons += ", ";
        reasons += RowStatusText(static_cast<RowStatus>(i));
        reasons += " " + GroupedNumber(static_cast<double>(c.SkippedBy[i]));
    }
    return reasons;
}

} // namespace

std::string FileSummary(const FileCounts& c) {
    if (!c.Refusal.empty()) return c.Refusal;
    std::string text = std::filesystem::path(c.Path).filename().string();
    if (!c.Layout.empty()) text += ", " + c.Layout;
    text += ": ";
    if (c.Committed)
        text += Counted(c.Lines, "line stored", "lines stored");
    else
        text += "nothing stored (" + Counted(c.Lines, "line", "lines") + " rolled back)";
    if (c.Replaced > 0)
        text += ", " + Counted(c.Replaced, "stored row", "stored rows") +
                (c.Committed ? " replaced" : " kept");
    text += ", " + Counted(c.Headers, "header line skipped", "header lines skipped");
    text += ", " + Counted(c.Skipped, "other line", "other lines") + " skipped";
    if (const std::string reasons = SkipReasons(c); !reasons.empty()) text += " (" + reasons + ")";
    if (c.Cut > 0) text += ", " + Counted(c.Cut, "line", "lines") + " cut at 1 MB";
    return text;
}

TQuoteImport::TQuoteImport(TDataStore& store, char decimalSeparator, ImportCallbacks callbacks,
                           QuoteFormatChoice format, ImportMode mode)
    : store_(store), decimalSeparator_(decimalSeparator), callbacks_(std::move(callbacks)),
      format_(format), mode_(mode) {}

ImportResult TQuoteImport::Run(const std::vector<std::string>& files) {
    ImportResult result;
    start_ = lastMessages_ = lastProgress_ = Clock::now();
    progress_ = ImportProgress{};
    progress_.Files = static_cast<int>(files.size());
    for (const std::string& f : files) progress_.BytesTotal += FileSize(f);
    bytesBefore_ = 0;
    // What a failed import of ours left started must not hold the table.
    RollbackQuietly(store_.tr3);
    upkeep_.StartRun();
    try {
        indexesOff_ = SwitchIndexesOffWhenWorthIt(progress_.BytesTotal);
        for (std::size_t i = 0; i < files.size(); ++i) {
            if (Asked(callbacks_.stopRequested)) {
                result.Stopped = true;
                break;
            }
            progress_.File = static_cast<int>(i) + 1;
            progress_.FileLines = 0;
            if (callbacks_.fileNumber) callbacks_.fileNumber(progress_.File);
            Call(callbacks_.processMessages);
            OpenAndImport(files[i], result);
            if (result.Outcome != ImportOutcome::Completed || result.Abandoned) break;
        }
        if (result.Outcome == ImportOutcome::Completed) {
            Call(callbacks_.organizing);
            Call(callbacks_.processMessages);
        }
        if (indexesOff_) SwitchIndexesOn();
        if (result.Outcome == ImportOutcome::Completed) RefreshStatistics();
        upkeep_.Seal(store_.DB1);
    } catch (const std::exception& e) {
        // The unit that failed has rolled its transaction back.
        file_ = nullptr;
        result.Outcome = ImportOutcome::Failed;
        result.Message = WorkErrorText(e);
    }
    if (indexesOff_) {
        // Left off by the failure: try once more; the next open does it otherwise.
        try {
            SwitchIndexesOn();
        } catch (const std::exception&) {
        }
    }
    // The files stored before a failure keep their tables when it can be done.
    if (!indexesOff_) upkeep_.Seal(store_.DB1);
    return result;
}

bool TQuoteImport::SwitchIndexesOffWhenWorthIt(std::uint64_t bytes) {
    const std::uint64_t newRows = EstimatedRows(bytes);
    if (newRows == 0) return false;
    TFBLTransaction& t = store_.Tindex;
    StartTransactionRecovering(t);
    TransactionGuard guard(t);
    try {
        // Counting stops where the answer is known: cheap on a large table.
        const std::uint64_t limit = BulkLoadTableLimit(newRows);
        if (CountQuoteRowsUpTo(t, limit + 1) > limit) return false;
        if (OtherAttachmentsPresent(t)) return false;
        // Asked while the indexes can still answer at once.
        upkeep_.SetCurrentAtStart(StoredTablesCurrent(t));
        SetQuoteIndexesActive(t, false);
        return true;
    } catch (const EFBLError&) {
        // In use, or not ours to change: load row by row as always.
        return false;
    }
}

void TQuoteImport::SwitchIndexesOn() {
    TFBLTransaction& t = store_.Tindex;
    StartTransactionRecovering(t);
    TransactionGuard guard(t);
    SetQuoteIndexesActive(t, true);
    indexesOff_ = false;
}

void TQuoteImport::Tick(bool force) {
    const Clock::time_point now = Clock::now();
    if (force || now - lastProgress_ >= kProgressInterval) {
        lastProgress_ = now;
        if (callbacks_.progress) {
            progress_.BytesRead = bytesBefore_ + (file_ ? file_->BytesRead() : 0);
            progress_.Seconds = std::chrono::duration<double>(now - start_).count();
            callbacks_.progress(progress_);
        }
    }
    if (now - lastMessages_ >= kMessageInterval) {
        lastMessages_ = now;
        Call(callbacks_.processMessages);
    }
}

void TQuoteImport::OpenAndImport(const std::string& path, ImportResult& result) {
    std::optional<TQuoteFile> file;
    try {
        file.emplace(path);
    } catch (const NotARegularFile& e) {
        // Reading a pipe could wait for ever, a device never end: refused.
        FileCounts refused{path};
        refused.Refusal =
            "->ERROR: NOT A REGULAR FILE " + path + " (" + e.Kind + "): nothing is read from it";
        result.Files.push_back(refused);
        ++result.FilesRefused;
        if (callbacks_.fileDone) callbacks_.fileDone(refused);
        return;
    } catch (const std::runtime_error&) {
        result.Outcome = ImportOutcome::CannotOpenFile;
        result.Message = "->ERROR: CANNOT OPEN FILE " + path;
        return;
    }
    result.Files.push_back(FileCounts{path});
    FileCounts& counts = result.Files.back();
    ImportFile(*file, counts, result);
    if (!counts.Refusal.empty()) ++result.FilesRefused;
    bytesBefore_ += file->Size();
    if (callbacks_.fileDone) callbacks_.fileDone(counts);
}

void TQuoteImport::ImportFile(TQuoteFile& file, FileCounts& counts, ImportResult& result) {
    file_ = &file;
    // A file of gigabytes without a line feed is one line: its reading must
    // still answer the window and a stop.
    file.SetKeepReading([this] {
        Tick(false);
        return !Asked(callbacks_.stopRequested) && !Asked(callbacks_.abandonRequested);
    });
    std::string line;
    bool more = file.ReadLine(line);
    const QuoteFileLayout layout = DetectFileLayout(
        file.Head(), more ? std::string_view(line) : std::string_view(), counts.Path, format_);
    counts.Format = layout.Format;
    counts.Layout = DescribeLayout(layout);
    if (callbacks_.fileLayout) callbacks_.fileLayout(counts.Layout);
    if (layout.Format == QuoteFormat::Unrecognised) {
        // Nothing of it is read: its rows would be garbage.
        counts.Refusal = layout.Message;
        Tick(true);
        file_ = nullptr;
        return;
    }
    if (layout.Format == QuoteFormat::Csv) {
        if (file.LineWasCut()) ++counts.Cut;
        ++counts.Headers;
        more = file.ReadLine(line);
    } else if (more) {
        // A byte-order mark would make the first line unreadable.
        line.erase(0, line.size() - StripByteOrderMark(line).size());
    }
    StartTransactionRecovering(store_.tr3);
    TransactionGuard guard(store_.tr3);
    // First in the file's transaction, before any row (see import_generation.h).
    RaiseImportGeneration(store_.tr3);
    upkeep_.Begin(store_.tr3, indexesOff_);
    // Through a server each statement is a round trip: many rows a statement.
    rowsPerStatement_ = AttachedThroughServer(store_.tr3) ? kQuoteRowsPerStatement : 1;
    rows_.Begin(rowsPerStatement_);
    pending_.clear();
    ReadLines(file, line, more, layout, counts, result);
    if (result.Abandoned) {
        file_ = nullptr;
        return; // the guard rolls the file's quote rows back
    }
    if (counts.Lines == 0 && counts.Skipped > 0) {
        // Not one line could be read: the file is not what it seems. Nothing
        // of it is stored (no action either: only lines read have them).
        counts.Refusal = "->ERROR: NO READABLE QUOTE IN FILE " + counts.Path + " (" +
                         Counted(counts.Skipped, "line", "lines") +
                         " skipped: " + SkipReasons(counts) + ")";
        Tick(true);
        file_ = nullptr;
        return;
    }
    WritePending(counts);
    rows_.Flush();
    upkeep_.Apply(store_.tr3);
    // A failed commit would lose the file's rows: it ends the import as an error.
    guard.Commit();
    counts.Committed = true;
    ++result.FilesRead;
    result.LinesStored += counts.Lines;
    // With the file still set, so that the last report counts its bytes.
    Tick(true);
    file_ = nullptr;
}

void TQuoteImport::ReadLines(TQuoteFile& file, std::string& line, bool more,
                             const QuoteFileLayout& layout, FileCounts& counts,
                             ImportResult& result) {
    std::optional<TCsvQuoteReader> csv;
    if (layout.Format == QuoteFormat::Csv) csv.emplace(layout.Csv);
    bool stopSeen = false;
    TQuoteLine quote;
    for (; more; more = file.ReadLine(line)) {
        // Skipped lines count too: a file of nothing but them must not
        // freeze the window.
        Tick(false);
        if (Asked(callbacks_.abandonRequested)) {
            result.Abandoned = result.Stopped = true;
            return;
        }
        if (!stopSeen && Asked(callbacks_.stopRequested)) {
            stopSeen = true; // the file is still read to its end
            Call(callbacks_.finishingFile);
            Call(callbacks_.processMessages);
        }
        if (file.LineWasCut()) ++counts.Cut;
        const RowStatus status =
            csv ? csv->Read(line, quote) : ParseQuoteLine(line, decimalSeparator_, quote);
        if (status == RowStatus::Header) {
            ++counts.Headers;
        } else if (status != RowStatus::Read && status != RowStatus::Empty) {
            ++counts.Skipped;
            ++counts.SkippedBy[static_cast<std::size_t>(status)];
        }
        if (status != RowStatus::Read) continue;
        ++counts.Lines;
        ++progress_.FileLines;
        ++progress_.Lines;
        StoreQuote(quote, counts);
        if (quote.HasDividend || quote.HasSplit) StoreActions(quote);
    }
}

void TQuoteImport::StoreQuote(const TQuoteLine& line, FileCounts& counts) {
    const std::array<float, 5> values = {NarrowToFloat(line.Open), NarrowToFloat(line.High),
                                         NarrowToFloat(line.Low), NarrowToFloat(line.Close),
                                         NarrowToFloat(line.Volume)};
    if (mode_ == ImportMode::Add) {
        rows_.Add(line.Symbol, line.StockName, line.Date, values);
        upkeep_.Added(line.Symbol, line.StockName, line.Date, values);
        return;
    }
    // A day the file gave before: its earlier row is replaced as well.
    const auto [held, added] = pending_.insert_or_assign(QuoteDay{line.Symbol, line.Date},
                                                         PendingRow{line.StockName, values});
    if (!added) ++counts.Replaced;
    if (pending_.size() >= kReplaceBatch) WritePending(counts);
}

void TQuoteImport::WritePending(FileCounts& counts) {
    if (pending_.empty()) return;
    std::vector<QuoteDay> days;
    days.reserve(pending_.size());
    for (const auto& [day, row] : pending_) days.push_back(day);
    // The rows written earlier go first, so that the stored rows of these
    // days are deleted before the new ones arrive.
    rows_.Flush();
    counts.Replaced += DeleteQuoteDays(deleteSql_, days, rowsPerStatement_).Rows;
    // Replaced days change a stock's counts and bars in place: read again.
    for (const auto& [day, row] : pending_) {
        rows_.Add(day.Symbol, row.Name, day.Date, row.Values);
        upkeep_.Removed(day.Symbol);
    }
    rows_.Flush();
    pending_.clear();
}

void TQuoteImport::StoreActions(const TQuoteLine& line) {
    // Action rows have a transaction of their own; the quote rows of the
    // file stay in theirs until the file ends.
    if (line.HasDividend) StoreAction(line, "Dividend", line.Dividend);
    if (line.HasSplit) StoreAction(line, "Split", line.SplitRatio);
}

void TQuoteImport::StoreAction(const TQuoteLine& line, const char* action, double item) {
    const bool split = std::string_view(action) == "Split";
    StartTransactionRecovering(store_.TSplit);
    TransactionGuard guard(store_.TSplit);
    TFBLDsql& sql = store_.SQLSplit;
    // Replacing: the file's action takes the place of the stored one.
    // Otherwise the first action of a kind for a symbol and day wins.
    sql.SetSQL(mode_ == ImportMode::Replace ? kDeleteActionSql
               : split                      ? kCountSplitSql
                                            : kCountDividendSql);
    sql.Prepare();
    sql.ParamAsString(0, line.Symbol);
    sql.ParamAsDateTime(1, line.Date);
    if (mode_ == ImportMode::Replace) sql.ParamAsString(2, action);
    sql.ExecSQL();
    bool stored = false;
    if (mode_ == ImportMode::Add) {
        sql.First();
        stored = sql.FieldAsInteger(0) >= 1;
    }
    if (!stored) {
        sql.SetSQL(schema::kInsertSplit);
        sql.Prepare();
        sql.ParamAsString(0, line.Symbol);
        sql.ParamAsString(1, line.StockName);
        sql.ParamAsDateTime(2, line.Date);
        sql.ParamAsFloat(3, NarrowToFloat(item));
        sql.ParamAsString(4, action);
        sql.ExecSQL();
    }
    guard.Commit();
}

void TQuoteImport::RefreshStatistics() {
    TFBLTransaction& t = store_.Tindex;
    TFBLDsql& sql = store_.SQL_index;
    StartTransactionRecovering(t);
    TransactionGuard guard(t);
    for (const char* index : schema::kQuoteIndexes) {
        try {
            sql.SetSQL(std::string("SET STATISTICS INDEX ") + index);
            sql.ExecSQL();
            t.CommitRetaining();
        } catch (const EFBLError& e) {
            // Statistics only guide the optimizer; a failure on IDX0 is tolerated,
            // and so is another client's import refreshing them at the same time,
            // and a login that may not alter the table (a team member other than
            // its owner): the rows are committed, the owner's next import
            // refreshes the statistics.
            if (std::string_view(index) != schema::kRowsIndex && !IsLockConflict(e) &&
                !IsNotPermitted(e))
                throw;
        }
    }
    guard.Commit();
}

} // namespace brevant
