// Brevant Dira — opening the database file, creating it on the first run.
#include "store/bootstrap.h"

#include <filesystem>

#include "store/import_generation.h"
#include "store/quote_indexes.h"
#include "store/schema.h"
#include "store/transaction_guard.h"
#include "ta/indicator_params.h"

namespace brevant {
namespace {

void Say(const ProgressCallbacks& p, const char* text) {
    if (p.status) p.status(text);
    if (p.processMessages) p.processMessages();
}

void Exec(TFBLDsql& sql, const char* text) {
    sql.SetSQL(text);
    sql.ExecSQL();
}

int Count(TFBLDsql& sql, const char* text) {
    Exec(sql, text);
    sql.First();
    return sql.FieldAsInteger(0);
}

// All fifteen rows in one transaction, committed by the caller.
void InsertDefaultSettings(TFBLDsql& sql) {
    for (const IndicatorParamKey& k : kIndicatorParamKeys) {
        sql.SetSQL(schema::kInsertIndicator);
        sql.Prepare();
        sql.ParamAsString(0, std::string(k.key));
        sql.ParamAsString(1, k.DefaultText());
        sql.ExecSQL();
    }
}

void OpenExisting(TDataStore& s, const std::string& path, const ProgressCallbacks& progress) {
    Say(progress, "Checking existing database...");
    s.DB1.DBFile = path;
    s.DB1.Connect();
    s.TR1.StartTransaction();
    TransactionGuard guard(s.TR1);
    if (Count(s.SQL1, schema::kCountSplit) == 0) Exec(s.SQL1, schema::kCreateSplit);
    guard.Commit();
    s.TR1.StartTransaction();
    if (Count(s.SQL1, schema::kCountIndicator) == 0) {
        Exec(s.SQL1, schema::kCreateIndicator);
        guard.Commit();
        s.TR1.StartTransaction();
        InsertDefaultSettings(s.SQL1);
    }
    guard.Commit();
    s.TR1.StartTransaction();
    EnsureImportGeneration(s.TR1);
    guard.Commit();
    ReactivateQuoteIndexes(s.TR1);
    if (progress.processMessages) progress.processMessages();
}

void CreateNew(TDataStore& s, const std::string& path, const ProgressCallbacks& progress) {
    Say(progress, "Creating empty database...");
    s.DB1.CreateDatabase(path, kDatabaseUser, kDatabasePassword, schema::kDialect,
                         schema::kPageSize);
    s.DB1.DBFile = path;
    // The embedded engine takes its page-cache size from the file's header
    // when the file is opened; store ours there and open the file again so
    // that the first import already runs with it.
    s.DB1.SetPageBuffers = kDatabasePageBuffers;
    s.DB1.Connect();
    s.DB1.SetPageBuffers = 0;
    s.DB1.Disconnect();
    s.DB1.Connect();

    Say(progress, "Creating table...");
    s.TR1.StartTransaction();
    TransactionGuard guard(s.TR1);
    // Each definition is committed before the next one uses it.
    Exec(s.SQL1, schema::kCreateDataTable);
    s.TR1.CommitRetaining();
    for (const char* index : schema::kCreateIndexes) {
        Exec(s.SQL1, index);
        s.TR1.CommitRetaining();
    }
    Exec(s.SQL1, schema::kCreateSplit);
    s.TR1.CommitRetaining();
    Exec(s.SQL1, schema::kCreateIndicator);
    guard.Commit();
    s.TR1.StartTransaction();
    InsertDefaultSettings(s.SQL1);
    guard.Commit();
    s.TR1.StartTransaction();
    EnsureImportGeneration(s.TR1);
    guard.Commit();
}

} // namespace

bool CheckFirebird(TDataStore& store, const std::string& path, const ProgressCallbacks& progress,
                   std::string* error) {
    if (store.DB1.Connected()) return true;
    try {
        std::error_code ec;
        if (std::filesystem::exists(path, ec))
            OpenExisting(store, path, progress);
        else
            CreateNew(store, path, progress);
        return true;
    } catch (const std::exception& e) {
        if (error) *error = e.what();
    } catch (...) {
        if (error) *error = "unknown error";
    }
    // Nothing is deleted; the failed step's transaction was rolled back by
    // its guard.
    try {
        if (store.DB1.Connected()) store.DB1.Disconnect();
    } catch (...) {
    }
    return false;
}

std::string MissingFileMessage() {
    return "Congratulation! You have successfully install the software.\r\n"
           "However, you are missing a file. Try to reinstall the software\r\n"
           "again. If this error repeats, then email support@brevant-dira.example\r\n"
           "and inform that you are missing file a file.";
}

} // namespace brevant
