// Brevant Dira — the import generation.
#include "store/import_generation.h"

#include <atomic>

namespace brevant {
namespace {

constexpr const char* kCountTable =
    "SELECT COUNT(RDB$RELATION_NAME) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = 'IMPORTGEN'";
constexpr const char* kRaise =
    "UPDATE OR INSERT INTO IMPORTGEN (ID, GENERATION) VALUES (1, "
    "COALESCE((SELECT GENERATION FROM IMPORTGEN WHERE ID = 1), 0) + 1) MATCHING (ID)";
constexpr const char* kRead = "SELECT GENERATION FROM IMPORTGEN WHERE ID = 1";

std::atomic<long> importsStarted{0};

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
    TFBLDsql sql(&t);
    sql.SetSQL(kRaise);
    sql.ExecSQL();
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
