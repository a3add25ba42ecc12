// Brevant Dira — corrections of stored quotes: the days a file's rows replace,
// and the rows of a stock deleted. Each runs in the caller's transaction (the
// import's file, or a deletion of its own), after the import generation was
// raised in it, so that every cache of the bars follows; each says which
// symbols it touched, for whatever else is kept per stock.
#pragma once

#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "store/data_store.h"

namespace brevant {

// One stock's day.
struct QuoteDay {
    std::string Symbol; // as stored (cut to the column width)
    double Date = 0;    // day number
    auto operator<=>(const QuoteDay&) const = default;
};

// What DeleteQuoteDays did.
struct DeletedDays {
    long Rows = 0;                 // quote rows deleted
    std::set<std::string> Symbols; // the symbols of the days given
};

// Deletes every stored quote row of each of `days`, on `sql`'s transaction,
// `perStatement` days a statement (through a server every statement is a
// round trip).
DeletedDays DeleteQuoteDays(TFBLDsql& sql, std::span<const QuoteDay> days,
                            std::size_t perStatement);

// Days from `From` to `To` (day numbers, both included); an empty end is open.
struct DateRange {
    std::optional<double> From, To;
    bool Whole() const { return !From && !To; }
};

// What DeleteStockRows did.
struct DeletedStock {
    long Quotes = 0;  // DATATABLE rows
    long Actions = 0; // SPLIT rows (dividends and splits)
    std::set<std::string> Symbols;
};

// Deletes the quote and action rows of `symbol` (compared as SQL compares
// text: trailing blanks do not count) dated within `range`, on `t`, which is
// started. A symbol longer than the column deletes nothing: bound, it would
// be cut and could name another stock.
DeletedStock DeleteStockRows(TFBLTransaction& t, const std::string& symbol, const DateRange& range);

// DeleteStockRows in a unit of work of its own on tr3: the import generation
// raised first (waiting at most kLockWaitSeconds for another client's import
// or deletion), everything committed together or nothing. Database errors
// propagate.
DeletedStock DeleteStock(TDataStore& store, const std::string& symbol, const DateRange& range);

} // namespace brevant
