// Brevant Dira — the list of all stocks and the list text of a stock.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "quotes/list_text.h"
#include "store/bootstrap.h"
#include "store/data_store.h"
#include "ta/indicator_params.h"

namespace brevant {

struct TStockfull {
    std::string StockName;
    std::string Symbol;
    friend bool operator==(const TStockfull&, const TStockfull&) = default;
};

// The list text of a stock: "Acme Corp , ACM" (quotes/list_text.h).
std::string ListText(const TStockfull& stock);

// The order of the all-stock list: alphabetical ignoring case (ASCII and
// Latin-1 letters), ties broken by the bytes so the order is total.
bool ListTextLess(std::string_view a, std::string_view b);

// The stock list's own query.
inline constexpr const char* kStockListSql =
    "SELECT DISTINCT SYMBOL, STOCK FROM DATATABLE ORDER BY SYMBOL";

struct TStockList {
    // One entry per symbol, in the database's symbol order.
    std::vector<TStockfull> Stocks;
    // The list texts of Stocks in the all-stock list order (ListTextLess).
    std::vector<std::string> Items;
};

// Reads the stock list (the answer of kStockListSql, from the stock table
// while that is current: stock_tables.h) and then the
// indicator parameters (reset to the defaults first) in two TR1 transactions,
// reporting the splash texts through `progress`. When the list is not empty
// `loadFirstStock` (if given) receives the first item between the texts
// "Loading first stock..." and "Initializing..."; an empty list says
// "Database empty..". Requires DB1 attached and TR1 idle ("Transaction is
// active" otherwise). Database errors propagate.
void LoadStockList(TDataStore& store, TStockList& list, TIndicatorParams& params,
                   const ProgressCallbacks& progress,
                   const std::function<void(const std::string&)>& loadFirstStock = {});

} // namespace brevant
