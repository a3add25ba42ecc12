// Brevant Dira — the second loader: a stock's whole history.
#include "store/whole_history.h"

#include <algorithm>
#include <cmath>

#include "store/price_history.h"
#include "store/stock_list.h"
#include "store/transaction_guard.h"

namespace brevant {
namespace {

// The action table has no index; it holds a few rows per stock at most.
constexpr const char* kSplitsSql =
    "SELECT DATAA, ITEM FROM SPLIT WHERE SYMBOLA=? AND ACTIONA='Split' ORDER BY DATAA";

} // namespace

std::vector<SplitEvent> ReadSplitEvents(TFBLDsql& sql, const std::string& symbol) {
    std::vector<SplitEvent> splits;
    if (!SymbolFitsColumn(symbol)) return splits;
    sql.SetSQL(kSplitsSql);
    sql.Prepare();
    sql.ParamAsString(0, symbol);
    sql.ExecSQL();
    sql.First();
    for (; !sql.Eof(); sql.Next()) {
        if (sql.FieldIsNull(0) || sql.FieldIsNull(1)) continue;
        const SplitEvent split{std::trunc(sql.FieldAsDateTime(0)),
                               SplitRatioFromItem(sql.FieldAsFloat(1))};
        if (split.ratio <= 0) continue;
        if (std::find(splits.begin(), splits.end(), split) == splits.end()) splits.push_back(split);
    }
    return splits;
}

WholeHistory ReadWholeHistory(TDataStore& store, std::string_view text) {
    WholeHistory history;
    const std::string symbol = SymbolFromListText(text);
    if (symbol.empty()) return history;
    history.key = HistoryKey(text);
    StartTransactionRecovering(store.THistory);
    TransactionGuard guard(store.THistory);
    history.rows = ReadDailyRows(store.SQLHistory, symbol, kWholeHistory);
    if (!history.rows.empty()) history.splits = ReadSplitEvents(store.SQLHistory, symbol);
    guard.Commit();
    return history;
}

std::vector<SplitEvent> LoadSplitEvents(TDataStore& store, std::string_view text) {
    const std::string symbol = SymbolFromListText(text);
    if (symbol.empty()) return {};
    StartTransactionRecovering(store.THistory);
    TransactionGuard guard(store.THistory);
    std::vector<SplitEvent> splits = ReadSplitEvents(store.SQLHistory, symbol);
    guard.Commit();
    return splits;
}

void HistoryBars(const WholeHistory& history, bool adjusted, TBars& bars) {
    ExpandBars(history.rows, bars);
    if (adjusted) AdjustForSplits(bars, history.splits);
}

void LoadWholeHistory(TDataStore& store, std::string_view text, bool adjusted, TBars& bars) {
    bars.clear();
    HistoryBars(ReadWholeHistory(store, text), adjusted, bars);
}

} // namespace brevant
