// Brevant Dira — opening the database file, creating or completing it.
#include "store/bootstrap.h"

#include <filesystem>

#include "store/import_generation.h"
#include "store/schema.h"
#include "store/transaction_guard.h"
#include "ta/indicator_params.h"

namespace brevant {
namespace {

// Set on the settings table between its creation and the commit of its
// default rows. A creation cut off in between leaves the mark, and the next
// start puts the rows in; a table emptied by hand carries no mark and stays
// empty.
constexpr const char* kMarkSettingsPending = "COMMENT ON TABLE INDICATOR IS 'defaults pending'";
constexpr const char* kClearSettingsMark = "COMMENT ON TABLE INDICATOR IS NULL";
constexpr const char* kCountSettingsMark =
    "SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = 'INDICATOR' AND "
    "CAST(RDB$DESCRIPTION AS VARCHAR(40)) = 'defaults pending'";

void Say(const ProgressCallbacks& p, const char* text) {
    if (p.status) p.status(text);
    if (p.processMessages) p.processMessages();
}

void Exec(TFBLDsql& sql, const char* text) {
    sql.SetSQL(text);
    sql.ExecSQL();
}

// A count read with one text parameter.
int Count(TFBLDsql& sql, const char* text, const std::string& name) {
    sql.SetSQL(text);
    sql.Prepare();
    sql.ParamAsString(0, name);
    sql.ExecSQL();
    sql.First();
    return sql.FieldAsInteger(0);
}

// Each step looks and, when its part is missing, creates it in one
// transaction on TR1: a start cut off anywhere leaves whole steps behind.
template <class Work> void InTransaction(TDataStore& s, Work work) {
    s.TR1.StartTransaction();
    TransactionGuard guard(s.TR1);
    work(s.SQL1);
    guard.Commit();
}

bool TableExists(TFBLDsql& sql, const char* table) {
    return Count(sql,
                 "SELECT COUNT(RDB$RELATION_NAME) FROM RDB$RELATIONS WHERE "
                 "(RDB$RELATION_NAME = ?) AND RDB$VIEW_SOURCE IS NULL",
                 table) > 0;
}

bool IndexExists(TFBLDsql& sql, const char* index) {
    return Count(sql, "SELECT COUNT(*) FROM RDB$INDICES WHERE RDB$INDEX_NAME = ?", index) > 0;
}

void CreateTable(TDataStore& s, const char* table, const char* statement) {
    InTransaction(s, [&](TFBLDsql& sql) {
        if (!TableExists(sql, table)) Exec(sql, statement);
    });
}

// --- The steps, in order ---

void CreateFileWhenMissing(BootstrapContext& c) {
    std::error_code ec;
    if (std::filesystem::exists(c.path, ec)) {
        Say(c.progress, "Checking existing database...");
        return;
    }
    Say(c.progress, "Creating empty database...");
    c.store.DB1.CreateDatabase(c.path, kDatabaseUser, kDatabasePassword, schema::kDialect,
                               schema::kPageSize);
}

void Attach(BootstrapContext& c) {
    c.store.DB1.DBFile = c.path;
    c.store.DB1.Connect();
}

// A file without the quote table is new, or its creation was cut off before
// that table: it gets the page cache the program creates files with.
void StorePageCacheInNewFile(BootstrapContext& c) {
    bool quoteTable = false;
    InTransaction(c.store, [&](TFBLDsql& sql) { quoteTable = TableExists(sql, "DATATABLE"); });
    if (quoteTable) return;
    // The embedded engine takes its page-cache size from the file's header
    // when the file is opened; store ours there and open the file again so
    // that the first import already runs with it.
    TFBLDatabase& db = c.store.DB1;
    db.Disconnect();
    db.SetPageBuffers = kDatabasePageBuffers;
    db.Connect();
    db.SetPageBuffers = 0;
    db.Disconnect();
    db.Connect();
}

void CreateQuoteTable(BootstrapContext& c) {
    InTransaction(c.store, [&](TFBLDsql& sql) {
        if (TableExists(sql, "DATATABLE")) return;
        Say(c.progress, "Creating table...");
        Exec(sql, schema::kCreateDataTable);
    });
}

template <int N> void CreateQuoteIndex(BootstrapContext& c) {
    static constexpr const char* kNames[] = {"IDX0", "IDX1", "IDX2", "IDX3"};
    static_assert(N >= 0 && N < 4);
    InTransaction(c.store, [](TFBLDsql& sql) {
        if (!IndexExists(sql, kNames[N])) Exec(sql, schema::kCreateIndexes[N]);
    });
}

void CreateActionTable(BootstrapContext& c) {
    CreateTable(c.store, "SPLIT", schema::kCreateSplit);
}

void CreateSettingsTable(BootstrapContext& c) {
    InTransaction(c.store, [](TFBLDsql& sql) {
        if (TableExists(sql, "INDICATOR")) return;
        Exec(sql, schema::kCreateIndicator);
        Exec(sql, kMarkSettingsPending);
    });
}

// All fifteen rows and the end of the mark commit together.
void InsertDefaultSettings(BootstrapContext& c) {
    InTransaction(c.store, [](TFBLDsql& sql) {
        sql.SetSQL(kCountSettingsMark);
        sql.ExecSQL();
        sql.First();
        if (sql.FieldAsInteger(0) == 0) return;
        for (const IndicatorParamKey& k : kIndicatorParamKeys) {
            sql.SetSQL(schema::kInsertIndicator);
            sql.Prepare();
            sql.ParamAsString(0, std::string(k.key));
            sql.ParamAsString(1, k.DefaultText());
            sql.ExecSQL();
        }
        Exec(sql, kClearSettingsMark);
    });
}

void CreateImportGeneration(BootstrapContext& c) {
    c.store.TR1.StartTransaction();
    TransactionGuard guard(c.store.TR1);
    EnsureImportGeneration(c.store.TR1);
    guard.Commit();
}

const BootstrapStep kSteps[] = {
    {"create the file when missing", CreateFileWhenMissing},
    {"attach", Attach},
    {"page cache of a new file", StorePageCacheInNewFile},
    {"DATATABLE", CreateQuoteTable},
    {"IDX0", CreateQuoteIndex<0>},
    {"IDX1", CreateQuoteIndex<1>},
    {"IDX2", CreateQuoteIndex<2>},
    {"IDX3", CreateQuoteIndex<3>},
    {"SPLIT", CreateActionTable},
    {"INDICATOR", CreateSettingsTable},
    {"default settings", InsertDefaultSettings},
    {"IMPORTGEN", CreateImportGeneration},
};

} // namespace

std::span<const BootstrapStep> BootstrapSteps() {
    return kSteps;
}

bool CheckFirebird(TDataStore& store, const std::string& path, const ProgressCallbacks& progress,
                   std::string* error) {
    if (store.DB1.Connected()) return true;
    try {
        BootstrapContext context{store, path, progress};
        for (const BootstrapStep& step : BootstrapSteps()) step.run(context);
        if (progress.processMessages) progress.processMessages();
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
