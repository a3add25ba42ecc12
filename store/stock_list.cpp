// Brevant Dira — the list of all stocks and the list text of a stock.
#include "store/stock_list.h"

#include <algorithm>

#include "store/indicator_settings.h"
#include "store/stock_pairs.h"
#include "store/stock_tables.h"
#include "store/transaction_guard.h"

namespace brevant {
namespace {

unsigned char FoldCase(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    // Latin-1 capitals (the multiplication sign 0xD7 is no letter).
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    return c;
}

void Status(const ProgressCallbacks& progress, const std::string& text) {
    if (progress.status) progress.status(text);
    if (progress.processMessages) progress.processMessages();
}

// The answer of the stock list's query: read from the stock table while it
// is current and can tell (a few thousand rows), otherwise the query itself,
// which sorts every quote row.
std::vector<DistinctStockRow> DistinctRows(TDataStore& store) {
    if (StoredTablesCurrent(store.TR1))
        if (auto rows = DistinctStockRows(ReadStockTable(store.TR1))) return std::move(*rows);
    std::vector<DistinctStockRow> rows;
    store.SQL1.SetSQL(kStockListSql);
    store.SQL1.ExecSQL();
    for (store.SQL1.First(); !store.SQL1.Eof(); store.SQL1.Next())
        rows.emplace_back(store.SQL1.FieldAsString(0), store.SQL1.FieldAsString(1));
    return rows;
}

void ReadStocks(TDataStore& store, TStockList& list, const ProgressCallbacks& progress) {
    store.TR1.StartTransaction();
    TransactionGuard guard(store.TR1);
    list.Stocks.clear();
    list.Items.clear();
    for (auto& [symbol, name] : DistinctRows(store)) {
        // A symbol stored under several names is listed once, with its first name.
        if (list.Stocks.empty() || symbol != list.Stocks.back().Symbol) {
            list.Stocks.push_back({std::move(name), std::move(symbol)});
            list.Items.push_back(ListText(list.Stocks.back()));
            Status(progress, "Adding " + list.Stocks.back().StockName);
        }
    }
    guard.Commit();
    std::sort(list.Items.begin(), list.Items.end(),
              [](const std::string& a, const std::string& b) { return ListTextLess(a, b); });
}

} // namespace

std::string ListText(const TStockfull& stock) {
    return ListText(stock.StockName, stock.Symbol);
}

bool ListTextLess(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = FoldCase(static_cast<unsigned char>(a[i]));
        const unsigned char y = FoldCase(static_cast<unsigned char>(b[i]));
        if (x != y) return x < y;
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

void LoadStockList(TDataStore& store, TStockList& list, TIndicatorParams& params,
                   const ProgressCallbacks& progress,
                   const std::function<void(const std::string&)>& loadFirstStock) {
    Status(progress, "Checking database...");
    ReadStocks(store, list, progress);
    Status(progress, "Loading Setting...");
    LoadIndicatorParams(store, params);
    if (!list.Items.empty()) {
        Status(progress, "Loading first stock...");
        if (loadFirstStock) loadFirstStock(list.Items.front());
        if (progress.status) progress.status("Initializing...");
    } else if (progress.status) {
        progress.status("Database empty..");
    }
    if (progress.processMessages) progress.processMessages();
}

} // namespace brevant
