// Brevant Dira — the stock table and the stored bars held against what they
// stand for: the stock list's own query, every pair's rows counted by SQL,
// and each stock's own loader query.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "store/price_history.h"
#include "store/stock_list.h"
#include "store/stock_pairs.h"
#include "store/stored_bars.h"

namespace brevant::testing {

struct StockTablesCheck {
    std::vector<std::string> differences; // in words; empty when they agree
    bool listFromTable = false;           // the list's answer could be read from the stock table
};

// Compares on `t` (started) whatever the tables hold, current or not.
inline StockTablesCheck CheckStockTables(TFBLTransaction& t) {
    StockTablesCheck check;
    auto differ = [&](const std::string& what) { check.differences.push_back(what); };
    const std::vector<StockTableRow> table = ReadStockTable(t);

    std::vector<DistinctStockRow> queried;
    TFBLDsql q(&t);
    q.SetSQL(kStockListSql);
    q.ExecSQL();
    for (; !q.Eof(); q.Next()) queried.emplace_back(q.FieldAsString(0), q.FieldAsString(1));
    const std::optional<std::vector<DistinctStockRow>> fromTable = DistinctStockRows(table);
    check.listFromTable = fromTable.has_value();
    if (fromTable && *fromTable != queried) differ("the list's rows differ from the query's");

    StockPairs counted;
    q.SetSQL("SELECT SYMBOL, STOCK, COUNT(*), MIN(DATA), MAX(DATA) FROM DATATABLE GROUP BY "
             "SYMBOL, STOCK, OCTET_LENGTH(SYMBOL), OCTET_LENGTH(STOCK)");
    q.ExecSQL();
    for (; !q.Eof(); q.Next()) {
        StockPairRows& rows = counted[{q.FieldAsString(0), q.FieldAsString(1)}];
        rows.rows = q.FieldAsInteger(2);
        rows.firstDay = static_cast<std::int32_t>(q.FieldAsDateTime(3));
        rows.lastDay = static_cast<std::int32_t>(q.FieldAsDateTime(4));
    }
    if (table.size() != counted.size())
        differ(std::to_string(table.size()) + " pairs in the table, " +
               std::to_string(counted.size()) + " in the quote table");
    std::set<std::string> keys;
    for (const StockTableRow& row : table) {
        const std::string pair = "pair '" + row.pair.symbol.value_or("NULL") + "', '" +
                                 row.pair.name.value_or("NULL") + "'";
        if (row.pair.symbol) keys.insert(HistoryKey(BareSymbolText(*row.pair.symbol)));
        const auto c = counted.find(row.pair);
        if (c == counted.end())
            differ(pair + " is not in the quote table");
        else if (row.rows.rows != c->second.rows || row.rows.firstDay != c->second.firstDay ||
                 row.rows.lastDay != c->second.lastDay)
            differ(pair + ": " + std::to_string(row.rows.rows) + " rows, counted " +
                   std::to_string(c->second.rows));
    }

    TStoredBars stored(t);
    TFBLDsql loader(&t);
    std::size_t loaded = 0; // stocks with rows to load
    for (const std::string& key : keys) {
        const CompactBars expected = ReadDailyRows(loader, key);
        loaded += !expected.empty();
        const std::optional<StoredStock> held = stored.Read(key);
        const CompactBars rows = held ? held->Rows() : CompactBars{};
        bool same = rows.size() == expected.size();
        for (std::size_t i = 0; same && i < rows.size(); ++i) same = SameRow(rows[i], expected[i]);
        if (!same)
            differ("stock '" + key + "': " + std::to_string(rows.size()) + " stored rows, " +
                   std::to_string(expected.size()) + " loaded");
    }
    q.SetSQL("SELECT COUNT(DISTINCT SYMBOL) FROM STOCKBARS");
    q.ExecSQL();
    if (static_cast<std::size_t>(q.FieldAsInteger(0)) != loaded)
        differ("stored bars of " + std::to_string(q.FieldAsInteger(0)) + " stocks, " +
               std::to_string(loaded) + " stocks with rows");
    return check;
}

} // namespace brevant::testing
