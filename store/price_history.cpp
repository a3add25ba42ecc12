// Brevant Dira — loading one stock's recent daily bars.
#include "store/price_history.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "store/bar_cache.h"
#include "store/schema.h"
#include "store/stock_list.h"
#include "store/transaction_guard.h"

namespace brevant {
namespace {

// The symbol is bound, so any symbol the import stored loads. No row limit:
// the reading stops at the first row of a day beyond the limit, however many
// duplicate rows came before it.
const std::string kHistorySql = std::string("SELECT ") + schema::kRowValues +
                                " FROM DATATABLE WHERE SYMBOL=? order by DATA DESC";

} // namespace

bool SymbolFitsColumn(const std::string& symbol) {
    // Trailing blanks do not count in SQL comparisons of text.
    const std::size_t last = symbol.find_last_not_of(' ');
    return last == std::string::npos || last < kSymbolWidth;
}

CompactBar ReadQuoteRow(const TFBLDsql& sql, int first) {
    return {static_cast<std::int32_t>(std::trunc(sql.FieldAsDateTime(first))),
            sql.FieldAsFloat(first + 1),
            sql.FieldAsFloat(first + 2),
            sql.FieldAsFloat(first + 3),
            sql.FieldAsFloat(first + 4),
            sql.FieldAsFloat(first + 5)};
}

bool QuoteRowHasNull(const TFBLDsql& sql, int first) {
    for (int column = first; column < first + schema::kRowValueCount; ++column)
        if (sql.FieldIsNull(column)) return true;
    return false;
}

CompactBars ReadDailyRows(TFBLDsql& sql, const std::string& symbol, std::size_t maxDays,
                          bool* conflicts) {
    CompactBars rows;
    if (conflicts) *conflicts = false;
    // A bound text is cut to the column width, which could match another
    // stock; a symbol longer than any stored one has no rows.
    if (!SymbolFitsColumn(symbol)) return rows;
    sql.SetSQL(kHistorySql);
    sql.Prepare();
    sql.ParamAsString(0, symbol);
    sql.ExecSQL();
    sql.First();
    // Newest first; the rows of one day are adjacent and the first of them
    // is the day's bar.
    for (; !sql.Eof(); sql.Next()) {
        const CompactBar row = ReadQuoteRow(sql, 0);
        if (!rows.empty() && rows.back().day == row.day) {
            if (conflicts && !SameRow(rows.back(), row)) *conflicts = true;
            continue;
        }
        if (rows.size() == maxDays) break;
        rows.push_back(row);
    }
    std::reverse(rows.begin(), rows.end());
    return rows;
}

std::string HistoryKey(std::string_view text) {
    std::string symbol = SymbolFromListText(text);
    symbol.erase(symbol.find_last_not_of(' ') + 1);
    return symbol;
}

std::span<const CompactBar> DailyRowsForName(TDataStore& store, std::string_view text,
                                             TBarCache* cache, CompactBars& scratch) {
    scratch.clear();
    const std::string symbol = SymbolFromListText(text);
    if (symbol.empty()) return scratch;
    const std::string key = HistoryKey(text);
    if (cache) {
        if (const CompactBars* held = cache->Find(key)) return *held;
        if (SymbolFitsColumn(symbol))
            if (const CompactBars* stored = cache->FindStored(store.TR1, key)) return *stored;
    }
    scratch = ReadDailyRows(store.SQL1, symbol);
    if (!cache) return scratch;
    cache->Put(key, std::move(scratch));
    scratch.clear();
    return *cache->Find(key);
}

void LoadDataForName(TDataStore& store, std::string_view text, bool manageTransaction, TBars& bars,
                     TBarCache* cache) {
    // Cleared before anything else: a text without a symbol must not leave
    // the previous stock's bars to be taken for this one's.
    bars.clear();
    if (SymbolFromListText(text).empty()) return;
    std::optional<TransactionGuard> guard;
    if (manageTransaction) {
        StartTransactionRecovering(store.TR1);
        guard.emplace(store.TR1);
        if (cache) cache->Validate(store.TR1);
    }
    CompactBars scratch;
    ExpandBars(DailyRowsForName(store, text, cache, scratch), bars);
    if (guard) guard->Commit();
}

} // namespace brevant
