// Brevant Dira — the import generation.
#include "store/import_generation.h"

#include <atomic>

#include "fbl/fbl_errors.h"

namespace brevant {
namespace {

constexpr const char* kCountTable =
    "SELECT COUNT(RDB$RELATION_NAME) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = 'IMPORTGEN'";
constexpr const char* kRaise =
    "UPDATE OR INSERT INTO IMPORTGEN (ID, GENERATION) VALUES (1, "
    "COALESCE((SELECT GENERATION FROM IMPORTGEN WHERE ID = 1), 0) + 1) MATCHING (ID)";
constexpr const char* kRead = "SELECT GENERATION FROM IMPORTGEN WHERE ID = 1";

std::atomic<long> importsStarted{0};

// Each conflict means another import committed a whole file meanwhile; this
// many in a row means the others keep the database busy for good.
constexpr int kRaiseAttempts = 20;

bool TableExists(TFBLDsql& sql) {
    sql.SetSQL(kCountTable);
    sql.ExecSQL();
    sql.First();
    return sql.FieldAsInteger(0) > 0;
}

} // namespace

void EnsureImportGeneration(TFBLTransaction& t) {
    TFBLDsql sql(&t);
    if (!TableExists(sql)) {
        sql.SetSQL(kCreateImportGeneration);
        sql.ExecSQL();
        t.CommitRetaining();
    }
    // Also when an earlier run was cut off between the table and its row.
    sql.SetSQL("SELECT COUNT(*) FROM IMPORTGEN WHERE ID = 1");
    sql.ExecSQL();
    sql.First();
    if (sql.FieldAsInteger(0) > 0) return;
    sql.SetSQL("INSERT INTO IMPORTGEN (ID, GENERATION) VALUES (1, 0)");
    sql.ExecSQL();
    t.CommitRetaining();
}

void RaiseImportGeneration(TFBLTransaction& t) {
    ++importsStarted;
    for (int attempt = 1;; ++attempt) {
        try {
            TFBLDsql sql(&t);
            sql.SetSQL(kRaise);
            sql.ExecSQL();
            return;
        } catch (const EFBLError& e) {
            // Another client's import held the row and has committed since:
            // this snapshot is older than its change. Nothing is written yet
            // in `t`, so a new transaction sees the new number and goes on.
            // One that still holds it after the transaction's lock time-out
            // is busy for longer than this one waits.
            if (IsLockTimeout(e))
                throw EFBLError("another client's import or deletion held the database for " +
                                    std::to_string(t.LockTimeout) +
                                    " s and has not finished: nothing was changed here. Try "
                                    "again when it has ended.",
                                e.IscErrorCode, e.IscErrorCodes);
            if (!IsLockConflict(e)) throw;
            if (attempt == kRaiseAttempts)
                throw EFBLError(
                    "other imports kept the database busy: " + std::to_string(kRaiseAttempts) +
                        " attempts to begin this file's import met another one. "
                        "Import the file again later.",
                    e.IscErrorCode, e.IscErrorCodes);
        }
        t.Rollback();
        t.StartTransaction();
    }
}

std::optional<int> ReadImportGeneration(TFBLTransaction& t) {
    TFBLDsql sql(&t);
    if (!TableExists(sql)) return std::nullopt;
    sql.SetSQL(kRead);
    sql.ExecSQL();
    sql.First();
    if (sql.Eof()) return std::nullopt;
    return sql.FieldAsInteger(0);
}

long ImportsStartedInThisProcess() {
    return importsStarted.load();
}

} // namespace brevant
