// Brevant Dira — the (symbol, name) pairs of the quote table, as the stock
// table STOCKS keeps them, and the stock list read from them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "fbl/fbl.h"

namespace brevant {

// A text column as stored; empty for NULL (only other programs store NULL).
using StoredText = std::optional<std::string>;

// A pair exactly as stored: byte for byte, trailing blanks included.
struct StockPairKey {
    StoredText symbol, name;
    friend bool operator==(const StockPairKey&, const StockPairKey&) = default;
};

struct StockPairKeyHash {
    std::size_t operator()(const StockPairKey& key) const;
};

// The rows of one pair.
struct StockPairRows {
    long rows = 0;
    std::optional<std::int32_t> firstDay, lastDay; // of its rows with a date

    void Add(std::optional<std::int32_t> day, long count = 1);
    void Add(const StockPairRows& more);
};

using StockPairs = std::unordered_map<StockPairKey, StockPairRows, StockPairKeyHash>;

// One row of the stock table.
struct StockTableRow {
    int id = 0;
    StockPairKey pair;
    StockPairRows rows;
};

// Every row of STOCKS, in `t`.
std::vector<StockTableRow> ReadStockTable(TFBLTransaction& t);

// Writes the pairs into STOCKS in `t`: a pair already there (in `before`, as
// ReadStockTable gave it) is updated to `rows` (deleted when it has none
// left), a new one inserted.
void WriteStockPairs(TFBLTransaction& t, const std::vector<StockTableRow>& before,
                     const StockPairs& pairs);

// Replaces the whole table by `pairs`.
void RewriteStockTable(TFBLTransaction& t, const StockPairs& pairs);

// The pairs of the quote table whose symbol equals `symbol` as SQL compares
// text (trailing blanks ignored), counted by a query on its symbol index.
StockPairs CountStockPairs(TFBLTransaction& t, const std::string& symbol);

// One row of "SELECT DISTINCT SYMBOL, STOCK FROM DATATABLE ORDER BY SYMBOL"
// as the list reads it (NULL read as the empty text).
using DistinctStockRow = std::pair<std::string, std::string>;

// What that query returns, worked out from the stock table's pairs: the
// engine compares text with trailing blanks ignored and sorts by symbol,
// then name, byte by byte, NULL first. Nothing when two stored pairs differ
// only in trailing blanks: they are one row of the answer, and which of them
// it shows depends on how the engine's sort met every quote row, so only the
// query itself can tell.
std::optional<std::vector<DistinctStockRow>>
DistinctStockRows(const std::vector<StockTableRow>& table);

// The engine's comparison of two stored texts without a collation: byte by
// byte, trailing blanks ignored, NULL before any text. Negative, 0 or
// positive.
int CompareStoredText(const StoredText& a, const StoredText& b);

} // namespace brevant
