// Brevant Dira — importing end-of-day quote files into the database.
#include "store/quote_import.h"

#include <optional>
#include <stdexcept>

#include "store/import_generation.h"
#include "store/quote_file.h"
#include "store/schema.h"
#include "store/to_float.h"
#include "store/transaction_guard.h"

namespace brevant {
namespace {

constexpr const char* kCountDividendSql =
    "Select Count(STOCKA) FROM SPLIT WHERE (SYMBOLA=?) AND (DATAA=? AND ACTIONA='Dividend')";
constexpr const char* kCountSplitSql =
    "Select Count(STOCKA) FROM SPLIT WHERE (SYMBOLA=?) AND (DATAA=? AND ACTIONA='Split')";

void Call(const std::function<void()>& f) {
    if (f) f();
}

} // namespace

TQuoteImport::TQuoteImport(TDataStore& store, char decimalSeparator, ImportCallbacks callbacks)
    : store_(store), decimalSeparator_(decimalSeparator), callbacks_(std::move(callbacks)) {}

ImportResult TQuoteImport::Run(const std::vector<std::string>& files) {
    ImportResult result;
    currentDate_ = 0;
    try {
        for (std::size_t i = 0; i < files.size(); ++i) {
            if (callbacks_.stopRequested && callbacks_.stopRequested()) {
                result.Stopped = true;
                break;
            }
            Call(callbacks_.processMessages);
            if (callbacks_.fileNumber) callbacks_.fileNumber(static_cast<int>(i) + 1);
            std::optional<TQuoteFile> file;
            try {
                file.emplace(files[i]);
            } catch (const std::runtime_error&) {
                result.Outcome = ImportOutcome::CannotOpenFile;
                result.Message = "->ERROR: CANNOT OPEN FILE " + files[i];
                return result;
            }
            ImportFile(*file, result);
            if (result.Abandoned) return result;
            ++result.FilesRead;
        }
        Call(callbacks_.organizing);
        Call(callbacks_.processMessages);
        RefreshStatistics();
    } catch (const std::exception& e) {
        // The unit that failed has rolled its transaction back.
        result.Outcome = ImportOutcome::Failed;
        result.Message = e.what();
    }
    return result;
}

void TQuoteImport::ImportFile(TQuoteFile& file, ImportResult& result) {
    StartTransactionRecovering(store_.tr3);
    TransactionGuard guard(store_.tr3);
    RaiseImportGeneration(store_.tr3);
    long counter = 0;
    long uncommitted = 0;
    bool stopSeen = false;
    TQuoteLine quote;
    std::string line;
    while (file.ReadLine(line)) {
        if (callbacks_.abandonFile && callbacks_.abandonFile()) {
            // The guard rolls the uncommitted rows back on the way out.
            result.LinesStored -= uncommitted;
            result.Abandoned = result.Stopped = true;
            return;
        }
        if (!stopSeen && callbacks_.stopRequested && callbacks_.stopRequested()) {
            stopSeen = true; // the file is still read to its end
            Call(callbacks_.finishingFile);
        }
        if (!ParseQuoteLine(line, decimalSeparator_, quote)) continue;
        if (quote.DateValid) currentDate_ = quote.Date;
        ++counter;
        Call(callbacks_.processMessages);
        if (callbacks_.lineNumber) callbacks_.lineNumber(counter);
        StoreQuote(quote);
        ++result.LinesStored;
        ++uncommitted;
        if (quote.HasDividend || quote.HasSplit) {
            StoreActions(quote); // commits the rows so far
            uncommitted = 0;
        }
    }
    // A failed commit would lose the file's rows: it ends the import as an error.
    guard.Commit();
}

void TQuoteImport::StoreQuote(const TQuoteLine& line) {
    TFBLDsql& sql = store_.sql3;
    sql.SetSQL(schema::kInsertQuote);
    sql.Prepare();
    sql.ParamAsString(0, line.Symbol);
    sql.ParamAsString(1, line.StockName);
    sql.ParamAsDateTime(2, currentDate_);
    sql.ParamAsFloat(3, NarrowToFloat(line.Open));
    sql.ParamAsFloat(4, NarrowToFloat(line.High));
    sql.ParamAsFloat(5, NarrowToFloat(line.Low));
    sql.ParamAsFloat(6, NarrowToFloat(line.Close));
    sql.ParamAsFloat(7, NarrowToFloat(line.Volume));
    sql.ExecSQL();
}

void TQuoteImport::StoreActions(const TQuoteLine& line) {
    // The quote rows so far are committed before every action row.
    if (store_.tr3.InTransaction()) store_.tr3.Commit();
    if (line.HasDividend) StoreAction(line, "Dividend", line.Dividend);
    if (line.HasSplit) StoreAction(line, "Split", line.SplitRatio);
    if (!store_.tr3.InTransaction()) {
        store_.tr3.StartTransaction();
        RaiseImportGeneration(store_.tr3);
    }
}

void TQuoteImport::StoreAction(const TQuoteLine& line, const char* action, double item) {
    const bool split = std::string_view(action) == "Split";
    StartTransactionRecovering(store_.TSplit);
    TransactionGuard guard(store_.TSplit);
    TFBLDsql& sql = store_.SQLSplit;
    // The first action of a kind for a symbol and day wins.
    sql.SetSQL(split ? kCountSplitSql : kCountDividendSql);
    sql.Prepare();
    sql.ParamAsString(0, line.Symbol);
    sql.ParamAsDateTime(1, currentDate_);
    sql.ExecSQL();
    sql.First();
    if (sql.FieldAsInteger(0) < 1) {
        sql.SetSQL(schema::kInsertSplit);
        sql.Prepare();
        sql.ParamAsString(0, line.Symbol);
        sql.ParamAsString(1, line.StockName);
        sql.ParamAsDateTime(2, currentDate_);
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
    for (const char* index : {"IDX0", "IDX1", "IDX2", "IDX3"}) {
        try {
            sql.SetSQL(std::string("SET STATISTICS INDEX ") + index);
            sql.ExecSQL();
            t.CommitRetaining();
        } catch (const EFBLError&) {
            // Statistics only guide the optimizer; a failure on IDX0 is tolerated.
            if (std::string_view(index) != "IDX0") throw;
        }
    }
    guard.Commit();
}

} // namespace brevant
