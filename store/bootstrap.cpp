// Brevant Dira — opening the database file, creating or completing it.
#include "store/bootstrap.h"

#include <sys/stat.h>

#include <filesystem>
#include <stdexcept>

#include "fbl/fbl_errors.h"
#include "store/database_address.h"
#include "store/drawings_table.h"
#include "store/import_generation.h"
#include "store/quote_indexes.h"
#include "store/saved_screens.h"
#include "store/schema.h"
#include "store/stock_rebuild.h"
#include "store/stock_tables.h"
#include "store/transaction_guard.h"
#include "ta/indicator_params.h"

namespace brevant {
namespace {

// Set on the settings table in the transaction that creates it and taken off
// in the one that commits its default rows. A creation cut off in between
// leaves the mark, and the next start puts the rows in; a table emptied by
// hand carries no mark and stays empty.
constexpr const char* kMarkSettingsPending = "COMMENT ON TABLE INDICATOR IS 'defaults pending'";
constexpr const char* kClearSettingsMark = "COMMENT ON TABLE INDICATOR IS NULL";

// A failure whose kind is known where it happens; any other failure of a
// step is told apart by CheckFirebird.
class OpenError : public std::runtime_error {
public:
    OpenError(OpenFailure failure, const std::string& message)
        : std::runtime_error(message), failure(failure) {}
    OpenFailure failure;
};

void Say(const ProgressCallbacks& p, const char* text) {
    if (p.status) p.status(text);
    if (p.processMessages) p.processMessages();
}

void Exec(TFBLDsql& sql, const std::string& text) {
    sql.SetSQL(text);
    sql.ExecSQL();
}

// Every name the query's first column lists.
std::set<std::string> Names(TFBLDsql& sql, const std::string& text) {
    std::set<std::string> names;
    Exec(sql, text);
    for (sql.First(); !sql.Eof(); sql.Next()) names.insert(sql.FieldAsString(0));
    return names;
}

int Count(TFBLDsql& sql, const std::string& text) {
    Exec(sql, text);
    sql.First();
    return sql.FieldAsInteger(0);
}

// One transaction on TR1 for each change, so that a start cut off anywhere
// leaves whole steps behind.
template <class Work> void InTransaction(TDataStore& s, Work work) {
    s.TR1.StartTransaction();
    TransactionGuard guard(s.TR1);
    work(s.SQL1);
    guard.Commit();
}

// --- The steps, in order ---

void CreateFileWhenMissing(BootstrapContext& c) {
    // A database on a server is the server's: attaching tells whether it exists.
    if (c.onServer) return;
    std::error_code ec;
    if (std::filesystem::exists(c.path, ec)) {
        Say(c.progress, "Checking existing database...");
        return;
    }
    if (c.whenMissing == WhenMissing::Refuse)
        throw OpenError(OpenFailure::Missing, "no database at " + c.path);
    Say(c.progress, "Creating empty database...");
    c.store.DB1.CreateDatabase(c.path, kDatabaseUser, kDatabasePassword, schema::kDialect,
                               schema::kPageSize);
    // The user's quotes are the user's: the engine would let the group read them.
    chmod(c.path.c_str(), S_IRUSR | S_IWUSR);
}

std::string UserText(const TFBLDatabase& db) {
    return db.User.empty() ? std::string("(none given)") : "\"" + db.User + "\"";
}

// The server's refusals, said in words a user can act on; any other error
// keeps the server's own text.
[[noreturn]] void ThrowServerError(const EFBLError& e, const BootstrapContext& c) {
    const TFBLDatabase& db = c.store.DB1;
    if (IsServerUnreachable(e))
        throw OpenError(
            OpenFailure::Unreachable,
            "cannot reach the database server of " + c.path + " (waited at most " +
                std::to_string(kServerConnectTimeoutSeconds) +
                " s): check that the server runs and that the host name and port are right. " +
                "The server said: " + e.what());
    if (IsWireCryptRefused(e))
        throw OpenError(OpenFailure::Other,
                        "the database server of " + c.path +
                            " does not encrypt its connections, and the program logs in over "
                            "encrypted connections only: set WireCrypt = Enabled (or Required) "
                            "in the server's firebird.conf and restart the server. The server "
                            "said: " +
                            e.what());
    if (IsLoginRefused(e))
        throw OpenError(OpenFailure::LoginRefused,
                        "the database server refused the login of user " + UserText(db) +
                            ": give a user name and password the server knows "
                            "(ISC_USER and ISC_PASSWORD, or --user and --password-file)");
    throw e;
}

// Creates the database through the server, with the login's own settings
// (SRP, encryption); when the server does not allow it, says what to do
// instead. Leaves DB1 attached.
void CreateOnServer(BootstrapContext& c) {
    TFBLDatabase& db = c.store.DB1;
    if (c.whenMissing == WhenMissing::Refuse)
        throw OpenError(OpenFailure::Missing,
                        "there is no database at " + c.path +
                            " on the server: create it with brevant-cli --db " + c.path +
                            " init (or import), or check the path or alias");
    Say(c.progress, "Creating empty database on the server...");
    try {
        db.Create(schema::kDialect, schema::kPageSize);
    } catch (const EFBLError& e) {
        if (!IsNotPermitted(e) && !IsDatabaseMissing(e)) ThrowServerError(e, c);
        throw OpenError(
            OpenFailure::Other,
            "there is no database at " + c.path + " and the server did not create it for user " +
                UserText(db) +
                ": ask the server's administrator to create it (isql-fb: CREATE DATABASE "
                "'/path/BREVDATA.BVD';) and to give its path or an alias, or to allow you to "
                "create databases (GRANT CREATE DATABASE TO USER name) in a folder the server may "
                "write to. The server said: " +
                e.what());
    }
}

void Attach(BootstrapContext& c) {
    TFBLDatabase& db = c.store.DB1;
    db.DBFile = c.path;
    if (!c.onServer) {
        db.Connect();
        return;
    }
    db.ConnectTimeout = kServerConnectTimeoutSeconds;
    db.ClientConfig = kServerClientConfig;
    try {
        db.Connect();
        return;
    } catch (const EFBLError& e) {
        if (!IsDatabaseMissing(e)) ThrowServerError(e, c);
    }
    CreateOnServer(c);
}

// One look at what the file holds, for all the steps after it.
void LookAtTheFile(BootstrapContext& c) {
    FileParts& parts = c.parts;
    InTransaction(c.store, [&](TFBLDsql& sql) {
        parts.tables = Names(sql, "SELECT TRIM(RDB$RELATION_NAME) FROM RDB$RELATIONS WHERE "
                                  "RDB$VIEW_SOURCE IS NULL AND RDB$RELATION_NAME IN "
                                  "('DATATABLE', 'SPLIT', 'INDICATOR', 'IMPORTGEN', "
                                  "'SAVEDSCREEN', 'STOCKS', 'STOCKBARS', 'STOCKSTATE', 'DRAWING')");
        parts.indexes = Names(sql, "SELECT TRIM(RDB$INDEX_NAME) FROM RDB$INDICES WHERE "
                                   "RDB$INDEX_NAME IN " +
                                       schema::QuoteIndexList());
        parts.settingsPending =
            Count(sql, "SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = "
                       "'INDICATOR' AND RDB$DESCRIPTION = 'defaults pending'") > 0;
        parts.inactiveIndexes = !InactiveQuoteIndexes(c.store.TR1).empty();
        parts.importGenerationRow = parts.tables.contains("IMPORTGEN") &&
                                    Count(sql, "SELECT COUNT(*) FROM IMPORTGEN WHERE ID = 1") > 0;
        try {
            parts.stockStateRow = parts.tables.contains(kStoredStateTable) &&
                                  Count(sql, "SELECT COUNT(*) FROM STOCKSTATE WHERE ID = 1") > 0;
        } catch (const EFBLError& e) {
            // A login without rights on the stock tables works without them,
            // and could not fill them either.
            if (!IsNotPermitted(e)) throw;
            parts.stockStateRow = true;
        }
    });
}

// The embedded engine takes its page-cache size from the file's header
// when the file is opened: store ours there and open the file again, so that
// this session already runs with it.
void StorePageCache(TFBLDatabase& db) {
    db.Disconnect();
    db.SetPageBuffers = kDatabasePageBuffers;
    try {
        db.Connect();
    } catch (const EFBLError&) {
        // A login that may not change the header opens the file as it is.
        db.SetPageBuffers = 0;
        db.Connect();
        return;
    }
    db.SetPageBuffers = 0;
    db.Disconnect();
    db.Connect();
}

// A file without the quote table is new, or its creation was cut off before
// that table: it gets the page cache the program creates files with.
void StorePageCacheInNewFile(BootstrapContext& c) {
    // On a server the header is the server's business, and its cache size
    // comes from its own configuration.
    if (c.onServer || c.parts.tables.contains("DATATABLE")) return;
    StorePageCache(c.store.DB1);
}

// Files made by earlier versions carry a cache of kFormerPageBuffers pages,
// which the engine sets up and tears down at every start and end of a
// process (a few tenths of a second) and which imports did not need: such
// a file gets the cache new files get, once.
void ShrinkFormerPageCache(BootstrapContext& c) {
    if (c.onServer || c.store.DB1.PageBuffers() != kFormerPageBuffers) return;
    StorePageCache(c.store.DB1);
}

void CreateTable(BootstrapContext& c, const char* table, const std::string& statement) {
    if (c.parts.tables.contains(table)) return;
    InTransaction(c.store, [&](TFBLDsql& sql) { Exec(sql, statement); });
    c.parts.tables.insert(table);
}

void CreateQuoteTable(BootstrapContext& c) {
    if (!c.parts.tables.contains("DATATABLE")) Say(c.progress, "Creating table...");
    CreateTable(c, "DATATABLE", schema::CreateDataTable());
}

template <std::size_t N> void CreateQuoteIndex(BootstrapContext& c) {
    if (c.parts.indexes.contains(schema::kQuoteIndexes[N])) return;
    InTransaction(c.store, [](TFBLDsql& sql) { Exec(sql, schema::CreateQuoteIndex(N)); });
    c.parts.indexes.insert(schema::kQuoteIndexes[N]);
}

// An import killed while the indexes were off for a bulk load leaves them
// off: switch them on again (unless another attachment may be importing).
void ReactivateIndexes(BootstrapContext& c) {
    if (!c.parts.inactiveIndexes) return;
    ReactivateQuoteIndexes(c.store.TR1);
    c.parts.inactiveIndexes = false;
}

void CreateActionTable(BootstrapContext& c) {
    CreateTable(c, "SPLIT", schema::CreateSplit());
}

void CreateSettingsTable(BootstrapContext& c) {
    if (c.parts.tables.contains("INDICATOR")) return;
    InTransaction(c.store, [](TFBLDsql& sql) {
        Exec(sql, schema::kCreateIndicator);
        Exec(sql, kMarkSettingsPending);
    });
    c.parts.tables.insert("INDICATOR");
    c.parts.settingsPending = true;
}

// All fifteen rows and the end of the mark commit together.
void InsertDefaultSettings(BootstrapContext& c) {
    if (!c.parts.settingsPending) return;
    InTransaction(c.store, [](TFBLDsql& sql) {
        for (const IndicatorParamKey& k : kIndicatorParamKeys) {
            sql.SetSQL(schema::kInsertIndicator);
            sql.Prepare();
            sql.ParamAsString(0, std::string(k.key));
            sql.ParamAsString(1, k.DefaultText());
            sql.ExecSQL();
        }
        Exec(sql, kClearSettingsMark);
    });
    c.parts.settingsPending = false;
}

void CreateImportGeneration(BootstrapContext& c) {
    if (c.parts.importGenerationRow) return;
    InTransaction(c.store, [&](TFBLDsql&) { EnsureImportGeneration(c.store.TR1); });
    c.parts.tables.insert("IMPORTGEN");
    c.parts.importGenerationRow = true;
}

void CreateSavedScreens(BootstrapContext& c) {
    CreateTable(c, "SAVEDSCREEN", kCreateSavedScreens);
}

// A login that may not create tables works without drawings.
void CreateDrawingsTable(BootstrapContext& c) {
    try {
        CreateTable(c, kDrawingsTable, kCreateDrawings);
    } catch (const EFBLError& e) {
        if (!IsNotPermitted(e)) throw;
    }
}

// The stock table and the stored bars: created when missing; a login that
// may not create tables works without them.
void CreateStockTables(BootstrapContext& c) {
    const std::pair<const char*, std::string> tables[] = {
        {kStockTable, CreateStockTable()},
        {kStoredBarsTable, CreateStoredBarsTable()},
        {kStoredStateTable, CreateStoredStateTable()},
    };
    try {
        for (const auto& [table, statement] : tables) CreateTable(c, table, statement);
    } catch (const EFBLError& e) {
        if (!IsNotPermitted(e)) throw;
    }
}

// Filled once from the quote table, in a transaction of its own. A file with
// years of quotes takes a while: the progress text says what it waits for.
void FillStockTables(BootstrapContext& c) {
    if (c.parts.stockStateRow || !c.parts.tables.contains(kStoredStateTable)) return;
    TFBLTransaction t(&c.store.DB1);
    t.StartTransaction();
    TransactionGuard guard(t);
    TFBLDsql sql(&t);
    if (Count(sql, "SELECT COUNT(*) FROM (SELECT FIRST 1 1 AS ONE FROM DATATABLE)") > 0)
        Say(c.progress, "Building the stock table...");
    QuoteTableContents contents;
    BarCacheFillCallbacks reading;
    reading.reading = [&c](long, long) {
        if (c.progress.processMessages) c.progress.processMessages();
    };
    ReadQuoteTable(t, contents, reading);
    c.parts.stockStateRow = StoreStockTables(t, contents);
    guard.Commit();
}

const BootstrapStep kSteps[] = {
    {"create the file when missing", CreateFileWhenMissing},
    {"attach", Attach},
    {"look at the file", LookAtTheFile},
    {"page cache of a new file", StorePageCacheInNewFile},
    {"page cache of an older file", ShrinkFormerPageCache},
    {"DATATABLE", CreateQuoteTable},
    {schema::kQuoteIndexes[0], CreateQuoteIndex<0>},
    {schema::kQuoteIndexes[1], CreateQuoteIndex<1>},
    {schema::kQuoteIndexes[2], CreateQuoteIndex<2>},
    {schema::kQuoteIndexes[3], CreateQuoteIndex<3>},
    {"indexes left off", ReactivateIndexes},
    {"SPLIT", CreateActionTable},
    {"INDICATOR", CreateSettingsTable},
    {"default settings", InsertDefaultSettings},
    {"IMPORTGEN", CreateImportGeneration},
    {"SAVEDSCREEN", CreateSavedScreens},
    {"DRAWING", CreateDrawingsTable},
    {"stock tables", CreateStockTables},
    {"stock tables filled", FillStockTables},
};

} // namespace

std::span<const BootstrapStep> BootstrapSteps() {
    return kSteps;
}

OpenResult CheckFirebird(TDataStore& store, const std::string& path,
                         const ProgressCallbacks& progress, WhenMissing whenMissing) {
    if (store.DB1.Connected()) return {};
    // The client library would send it to a "server" named by its folders.
    if (LocalPathWithColon(path))
        return {OpenFailure::LocalPathWithColon, LocalPathWithColonMessage(path)};
    const bool onServer = IsServerAddress(path);
    OpenResult result;
    try {
        BootstrapContext context{store, path, progress, {}, onServer, whenMissing};
        for (const BootstrapStep& step : BootstrapSteps()) step.run(context);
        if (progress.processMessages) progress.processMessages();
        return result;
    } catch (const OpenError& e) {
        result = {e.failure, e.what()};
    } catch (const EFBLError& e) {
        // The embedded engine keeps an open file to its own process; a server
        // speaks for itself.
        result = {!onServer && IsInUseElsewhere(e) ? OpenFailure::InUseElsewhere
                                                   : OpenFailure::Other,
                  e.what()};
    } catch (const std::exception& e) {
        result = {OpenFailure::Other, e.what()};
    } catch (...) {
        result = {OpenFailure::Other, "unknown error"};
    }
    // Nothing is deleted; the failed step's transaction was rolled back by
    // its guard.
    try {
        if (store.DB1.Connected()) store.DB1.Disconnect();
    } catch (...) {
    }
    return result;
}

std::string MissingFileMessage() {
    return "Congratulation! You have successfully install the software.\r\n"
           "However, you are missing a file. Try to reinstall the software\r\n"
           "again. If this error repeats, then email support@brevant-dira.example\r\n"
           "and inform that you are missing file a file.";
}

} // namespace brevant
