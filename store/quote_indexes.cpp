// Brevant Dira — the quote table's four indexes switched off for a large
// import and rebuilt after it.
#include "store/quote_indexes.h"

#include <algorithm>
#include <climits>

#include "store/schema.h"
#include "store/transaction_guard.h"

namespace brevant {
namespace {

// Measured (bench/README.md): 175,000 rows into 175,000 to 700,000 take 30 to
// 50 % less processor time and 35 to 60 % fewer page writes with the indexes
// rebuilt; at ten times the rows the two ways are even (350,000 rows) or the
// rebuild loses (1,750,000 rows); a day of 5,000 rows into 1,750,000 costs
// five times the processor time rebuilt.
constexpr std::uint64_t kRowsPerNewRow = 4;

constexpr std::uint64_t kBytesPerRow = 64;

} // namespace

std::uint64_t BulkLoadTableLimit(std::uint64_t newRows) {
    return newRows * kRowsPerNewRow;
}

std::uint64_t EstimatedRows(std::uint64_t bytes) {
    return (bytes + kBytesPerRow - 1) / kBytesPerRow;
}

std::uint64_t CountQuoteRowsUpTo(TFBLTransaction& t, std::uint64_t cap) {
    cap = std::min<std::uint64_t>(cap, INT_MAX);
    TFBLDsql sql(&t);
    // A number of ours, not user text.
    sql.SetSQL("SELECT COUNT(*) FROM (SELECT FIRST " + std::to_string(cap) +
               " 1 AS ONE FROM DATATABLE)");
    sql.ExecSQL();
    sql.First();
    return static_cast<std::uint64_t>(sql.FieldAsInteger(0));
}

namespace {

int CountOf(TFBLTransaction& t, const char* text) {
    TFBLDsql sql(&t);
    sql.SetSQL(text);
    sql.ExecSQL();
    sql.First();
    return sql.FieldAsInteger(0);
}

// The other attachments this user can see.
bool OtherAttachmentsVisible(TFBLTransaction& t) {
    return CountOf(t, "SELECT COUNT(*) FROM MON$ATTACHMENTS WHERE MON$ATTACHMENT_ID <> "
                      "CURRENT_CONNECTION AND MON$SYSTEM_FLAG = 0") > 0;
}

// The monitoring tables show every attachment only to SYSDBA, the database's
// owner and an administrator; other users see their own.
bool SeesEveryAttachment(TFBLTransaction& t) {
    return CountOf(t, "SELECT COUNT(*) FROM RDB$DATABASE WHERE CURRENT_USER = 'SYSDBA' OR "
                      "CURRENT_ROLE = 'RDB$ADMIN' OR CURRENT_USER = (SELECT RDB$OWNER_NAME "
                      "FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = 'RDB$DATABASE')") > 0;
}

} // namespace

bool AttachedThroughServer(TFBLTransaction& t) {
    // The embedded engine reports no network protocol.
    return CountOf(t, "SELECT COUNT(*) FROM RDB$DATABASE WHERE "
                      "RDB$GET_CONTEXT('SYSTEM', 'NETWORK_PROTOCOL') IS NOT NULL") > 0;
}

bool OtherAttachmentsPresent(TFBLTransaction& t) {
    return AttachedThroughServer(t) || OtherAttachmentsVisible(t);
}

std::vector<std::string> InactiveQuoteIndexes(TFBLTransaction& t) {
    TFBLDsql sql(&t);
    sql.SetSQL("SELECT TRIM(RDB$INDEX_NAME) FROM RDB$INDICES WHERE RDB$RELATION_NAME = "
               "'DATATABLE' AND RDB$INDEX_INACTIVE = 1 AND RDB$INDEX_NAME IN " +
               schema::QuoteIndexList() + " ORDER BY 1");
    sql.ExecSQL();
    std::vector<std::string> names;
    for (; !sql.Eof(); sql.Next()) names.push_back(sql.FieldAsString(0));
    return names;
}

void SetQuoteIndexesActive(TFBLTransaction& t, bool active) {
    TFBLDsql sql(&t);
    for (const char* index : schema::kQuoteIndexes) {
        sql.SetSQL(std::string("ALTER INDEX ") + index + (active ? " ACTIVE" : " INACTIVE"));
        sql.ExecSQL();
    }
    // The engine does the work (drops or builds the trees) at the commit.
    t.Commit();
}

void ReactivateQuoteIndexes(TFBLTransaction& t) {
    StartTransactionRecovering(t);
    TransactionGuard guard(t);
    const std::vector<std::string> inactive = InactiveQuoteIndexes(t);
    const bool othersMayImport = AttachedThroughServer(t)
                                     ? !SeesEveryAttachment(t) || OtherAttachmentsVisible(t)
                                     : OtherAttachmentsVisible(t);
    if (inactive.empty() || othersMayImport) {
        guard.Commit();
        return;
    }
    TFBLDsql sql(&t);
    for (const std::string& index : inactive) {
        sql.SetSQL("ALTER INDEX " + index + " ACTIVE");
        sql.ExecSQL();
    }
    guard.Commit();
}

} // namespace brevant
