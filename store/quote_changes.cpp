// Brevant Dira — corrections of stored quotes.
#include "store/quote_changes.h"

#include "store/import_generation.h"
#include "store/price_history.h"
#include "store/stock_upkeep.h"
#include "store/transaction_guard.h"

namespace brevant {
namespace {

std::string DeleteDaysStatement(std::size_t days) {
    std::string sql = "DELETE FROM DATATABLE WHERE ";
    for (std::size_t i = 0; i < days; ++i)
        sql += i > 0 ? " OR (SYMBOL=? AND DATA=?)" : "(SYMBOL=? AND DATA=?)";
    return sql;
}

// "... WHERE SYMBOLCOLUMN=? [AND DATECOLUMN>=?] [AND DATECOLUMN<=?]" with the
// range's parameters bound after the symbol.
long DeleteWithin(TFBLDsql& sql, const std::string& table, const std::string& symbolColumn,
                  const std::string& dateColumn, const std::string& symbol,
                  const DateRange& range) {
    std::string text = "DELETE FROM " + table + " WHERE " + symbolColumn + "=?";
    if (range.From) text += " AND " + dateColumn + ">=?";
    if (range.To) text += " AND " + dateColumn + "<=?";
    sql.SetSQL(text);
    sql.Prepare();
    int p = 0;
    sql.ParamAsString(p++, symbol);
    if (range.From) sql.ParamAsDateTime(p++, *range.From);
    if (range.To) sql.ParamAsDateTime(p++, *range.To);
    sql.ExecSQL();
    return sql.RowsAffected();
}

} // namespace

DeletedDays DeleteQuoteDays(TFBLDsql& sql, std::span<const QuoteDay> days,
                            std::size_t perStatement) {
    DeletedDays deleted;
    if (perStatement < 1) perStatement = 1;
    for (std::size_t first = 0; first < days.size(); first += perStatement) {
        const std::size_t count = std::min(perStatement, days.size() - first);
        // The same text again keeps the statement prepared.
        sql.SetSQL(DeleteDaysStatement(count));
        sql.Prepare();
        int p = 0;
        for (const QuoteDay& day : days.subspan(first, count)) {
            sql.ParamAsString(p++, day.Symbol);
            sql.ParamAsDateTime(p++, day.Date);
            deleted.Symbols.insert(day.Symbol);
        }
        sql.ExecSQL();
        deleted.Rows += sql.RowsAffected();
    }
    return deleted;
}

DeletedStock DeleteStockRows(TFBLTransaction& t, const std::string& symbol,
                             const DateRange& range) {
    DeletedStock deleted;
    if (!SymbolFitsColumn(symbol)) return deleted;
    TFBLDsql sql(&t);
    deleted.Quotes = DeleteWithin(sql, "DATATABLE", "SYMBOL", "DATA", symbol, range);
    deleted.Actions = DeleteWithin(sql, "SPLIT", "SYMBOLA", "DATAA", symbol, range);
    if (deleted.Quotes > 0 || deleted.Actions > 0) deleted.Symbols.insert(symbol);
    return deleted;
}

DeletedStock DeleteStock(TDataStore& store, const std::string& symbol, const DateRange& range) {
    StartTransactionRecovering(store.tr3);
    TransactionGuard guard(store.tr3);
    // First, as an import does: the row lock orders it against other
    // clients' imports, and every cache of the bars sees the change.
    RaiseImportGeneration(store.tr3);
    const DeletedStock deleted = DeleteStockRows(store.tr3, symbol, range);
    // The stock table and the stored bars change with the rows, or not at all.
    UpdateStockTables(store.tr3, deleted.Symbols);
    guard.Commit();
    return deleted;
}

} // namespace brevant
