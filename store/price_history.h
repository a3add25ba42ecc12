// Brevant Dira — loading one stock's recent daily bars.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "store/compact_bars.h"
#include "store/data_store.h"
#include "ta/stock_bar.h"

namespace brevant {

class TBarCache;

// Most distinct days loaded per stock.
inline constexpr int kMaxHistoryDays = 350;

// The row `sql` stands at, from a query that selects schema::kRowValues from
// its column `first` on: the day (time of day dropped) and the five values.
// The loader and the cache fill read their rows through it.
CompactBar ReadQuoteRow(const TFBLDsql& sql, int first);
// True when one of those columns of the row is null.
bool QuoteRowHasNull(const TFBLDsql& sql, int first);

// False for a symbol longer than the SYMBOL column (trailing blanks aside):
// bound as a parameter it would be cut, and could then name another stock.
bool SymbolFitsColumn(const std::string& symbol);

// No limit on the days read: the stock's whole history.
inline constexpr std::size_t kWholeHistory = SIZE_MAX;

// The stock's `maxDays` newest distinct days, oldest first, read on `sql`'s
// transaction (which must be started): of several rows of one day the first
// the server returns is used, and rows of a day already held do not count
// toward the limit, so a file imported twice costs no history. Every limit
// reads the rows by the same query, so the newest days of the whole history
// are the days the loader keeps.
// `symbol` is bound as it is; a symbol longer than the column has no rows.
// `conflicts`, when given, tells whether a loaded day has two different rows
// (the engine chose which one loads).
CompactBars ReadDailyRows(TFBLDsql& sql, const std::string& symbol,
                          std::size_t maxDays = kMaxHistoryDays, bool* conflicts = nullptr);

// The symbol a stock is looked up by: the list text's symbol without trailing
// blanks, which SQL comparisons of text ignore as well.
std::string HistoryKey(std::string_view text);

// The rows LoadDataForName loads for `text`, read on TR1, which the caller
// has started (and validated `cache` on, when given): from the cache when it
// can answer, otherwise from the database and then kept in the cache. The
// rows live in the cache, or in `scratch` when no cache keeps them. None for
// a text without a symbol.
std::span<const CompactBar> DailyRowsForName(TDataStore& store, std::string_view text,
                                             TBarCache* cache, CompactBars& scratch);

// Replaces `bars` with the stock whose symbol is in `text` (a list text, see
// SymbolFromListText): the rows of ReadDailyRows as bars, Date a whole day
// number, Open..Volume set, every other field 0. `bars` is emptied first, so
// a text without a symbol and an unknown symbol both leave it empty.
// With `manageTransaction` the call runs in its own TR1 transaction (a
// transaction left started by a failed unit is rolled back first, and an
// error rolls this one back); otherwise the caller must have started TR1.
// With a `cache`, the bars come from it when it holds the stock for TR1's
// snapshot, and are put into it otherwise; with `manageTransaction` false the
// caller must have validated the cache on TR1 (TBarCache::Validate).
void LoadDataForName(TDataStore& store, std::string_view text, bool manageTransaction, TBars& bars,
                     TBarCache* cache = nullptr);

} // namespace brevant
