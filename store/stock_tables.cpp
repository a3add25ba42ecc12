// Brevant Dira — the stock table and the stored bars: their definitions, the
// state they follow and the fingerprint that tells it.
#include "store/stock_tables.h"

#include <cmath>

#include "fbl/fbl_errors.h"
#include "quotes/quote_line.h"
#include "store/bar_packing.h"
#include "store/import_generation.h"
#include "store/price_history.h"
#include "store/schema.h"

namespace brevant {
namespace {

std::string Text(std::size_t width) {
    return "VARCHAR(" + std::to_string(width) + ")";
}

// One settled part holds kMaxHistoryDays rows; the part of the days added
// since stays smaller (stored_bars.cpp).
const std::size_t kMostPackedBytes = PackedSize(kMaxHistoryDays);

constexpr const char* kReadState = "SELECT GENERATION, NEWESTDAY, FINGERPRINT FROM STOCKSTATE "
                                   "WHERE ID = 1";
constexpr const char* kStateExists =
    "SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME IN ('STOCKSTATE', 'STOCKS', "
    "'STOCKBARS')";
// Text, not numbers: the same statistics always give the same text, whatever
// the user's decimal separator.
const std::string kStatistics =
    "SELECT TRIM(RDB$INDEX_NAME) || '=' || COALESCE(CAST(RDB$STATISTICS AS VARCHAR(40)), '-') || "
    "IIF(RDB$INDEX_INACTIVE = 1, '!', '') FROM RDB$INDICES WHERE RDB$RELATION_NAME = 'DATATABLE' "
    "AND RDB$INDEX_NAME IN " +
    schema::QuoteIndexList() + " ORDER BY RDB$INDEX_NAME";
constexpr const char* kOldestDay = "SELECT MIN(DATA) FROM DATATABLE";
constexpr const char* kRowsFrom = "SELECT COUNT(*) FROM DATATABLE WHERE DATA >= ?";
constexpr const char* kAnyRow = "SELECT COUNT(*) FROM (SELECT FIRST 1 1 AS ONE FROM DATATABLE)";
constexpr const char* kHold = "UPDATE IMPORTGEN SET GENERATION = GENERATION WHERE ID = 1";

std::string DayText(std::optional<std::int32_t> day) {
    return day ? std::to_string(*day) : std::string("-");
}

std::optional<std::int32_t> DayColumn(const TFBLDsql& sql, int column) {
    if (sql.FieldIsNull(column)) return std::nullopt;
    return static_cast<std::int32_t>(std::floor(sql.FieldAsDateTime(column)));
}

int FirstInteger(TFBLDsql& sql) {
    sql.ExecSQL();
    sql.First();
    return sql.FieldAsInteger(0);
}

} // namespace

std::string CreateStockTable() {
    return "CREATE TABLE STOCKS (ID INTEGER NOT NULL PRIMARY KEY, SYMBOL " + Text(kSymbolWidth) +
           ", STOCK " + Text(kStockNameWidth) +
           ", FIRSTDAY DATE, LASTDAY DATE, QUOTEROWS INTEGER NOT NULL)";
}

std::string CreateStoredBarsTable() {
    return "CREATE TABLE STOCKBARS (SYMBOL " + Text(kSymbolWidth) +
           " NOT NULL, PART SMALLINT NOT NULL, DAYS SMALLINT NOT NULL, IRREGULAR SMALLINT NOT "
           "NULL, BARS VARCHAR(" +
           std::to_string(kMostPackedBytes) +
           ") CHARACTER SET OCTETS NOT NULL, PRIMARY KEY (SYMBOL, PART))";
}

std::string CreateStoredStateTable() {
    return "CREATE TABLE STOCKSTATE (ID SMALLINT NOT NULL PRIMARY KEY CHECK (ID = 1), "
           "GENERATION INTEGER NOT NULL, NEWESTDAY DATE, FINGERPRINT VARCHAR(400) NOT NULL)";
}

StoredState ReadStoredState(TFBLTransaction& t) {
    StoredState state;
    TFBLDsql sql(&t);
    sql.SetSQL(kStateExists);
    if (FirstInteger(sql) < 3) return state;
    state.present = true;
    sql.SetSQL(kReadState);
    sql.ExecSQL();
    sql.First();
    if (sql.Eof()) return state;
    state.generation = sql.FieldAsInteger(0);
    state.newestDay = DayColumn(sql, 1);
    state.fingerprint = sql.FieldAsString(2);
    return state;
}

std::string QuoteTableFingerprint(TFBLTransaction& t, std::optional<std::int32_t> newestDay) {
    TFBLDsql sql(&t);
    std::string print = "statistics";
    sql.SetSQL(kStatistics);
    sql.ExecSQL();
    bool inactive = false;
    for (sql.First(); !sql.Eof(); sql.Next()) {
        print += " " + sql.FieldAsString(0);
        inactive = inactive || print.back() == '!';
    }
    // Without its index the look-ups below would read every row; the mark
    // already tells this state from every sealed one.
    if (inactive) return print;
    sql.SetSQL(kOldestDay);
    sql.ExecSQL();
    sql.First();
    print += "; oldest " + DayText(DayColumn(sql, 0));
    if (newestDay) {
        sql.SetSQL(kRowsFrom);
        sql.Prepare();
        sql.ParamAsDateTime(0, *newestDay);
        print += "; rows from " + DayText(newestDay) + " " + std::to_string(FirstInteger(sql));
    } else {
        sql.SetSQL(kAnyRow);
        print += "; any row " + std::to_string(FirstInteger(sql));
    }
    return print;
}

bool StoredTablesCurrent(TFBLTransaction& t) {
    try {
        const StoredState state = ReadStoredState(t);
        if (!state.present || !state.generation || state.fingerprint == kPendingFingerprint)
            return false;
        const std::optional<int> generation = ReadImportGeneration(t);
        if (!generation || *generation != *state.generation) return false;
        return state.fingerprint == QuoteTableFingerprint(t, state.newestDay);
    } catch (const EFBLError& e) {
        // A login without the right to read them works without them.
        if (IsNotPermitted(e)) return false;
        throw;
    }
}

void WriteStoredState(TFBLTransaction& t, int generation, std::optional<std::int32_t> newestDay,
                      const std::string& fingerprint) {
    TFBLDsql sql(&t);
    sql.SetSQL(newestDay ? "UPDATE OR INSERT INTO STOCKSTATE (ID, GENERATION, NEWESTDAY, "
                           "FINGERPRINT) VALUES (1, ?, ?, ?) MATCHING (ID)"
                         : "UPDATE OR INSERT INTO STOCKSTATE (ID, GENERATION, NEWESTDAY, "
                           "FINGERPRINT) VALUES (1, ?, NULL, ?) MATCHING (ID)");
    sql.Prepare();
    int p = 0;
    sql.ParamAsString(p++, std::to_string(generation));
    if (newestDay) sql.ParamAsDateTime(p++, *newestDay);
    sql.ParamAsString(p++, fingerprint);
    sql.ExecSQL();
}

bool HoldImportGeneration(TFBLTransaction& t) {
    try {
        TFBLDsql sql(&t);
        sql.SetSQL(kHold);
        sql.ExecSQL();
        return true;
    } catch (const EFBLError& e) {
        if (IsLockConflict(e)) return false;
        throw;
    }
}

} // namespace brevant
