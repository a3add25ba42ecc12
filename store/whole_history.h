// Brevant Dira — the second loader: a stock's whole history for the chart's
// longer views, read on demand.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/compact_bars.h"
#include "store/data_store.h"
#include "ta/split_adjust.h"
#include "ta/stock_bar.h"

namespace brevant {

// Every stored day of one stock and its recorded splits.
struct WholeHistory {
    std::string key;                // the stock, as HistoryKey gives it
    CompactBars rows;               // one per day, oldest first, by the loader's first-row rule
    std::vector<SplitEvent> splits; // oldest first; dividends are no splits
};

// The stock's splits from the action table, oldest first, read on `sql`'s
// started transaction: rows of the action "Split" only, each with a usable
// ratio (SplitRatioFromItem), a split recorded twice on one day counted once.
std::vector<SplitEvent> ReadSplitEvents(TFBLDsql& sql, const std::string& symbol);

// The splits of the stock whose symbol is in `text`, in a transaction of
// their own (THistory); none for a text without a symbol.
std::vector<SplitEvent> LoadSplitEvents(TDataStore& store, std::string_view text);

// The stock whose symbol is in `text` (a list text, see SymbolFromListText):
// every stored day and its splits, read in one read-only transaction of its
// own (THistory), through the quote table's symbol index. Empty for a text
// without a symbol or an unknown stock. Database errors propagate; the
// transaction is rolled back then.
WholeHistory ReadWholeHistory(TDataStore& store, std::string_view text);

// The stock's whole history as bars (Date, Open..Volume set, every other
// field 0), adjusted for its splits when `adjusted` is set.
void LoadWholeHistory(TDataStore& store, std::string_view text, bool adjusted, TBars& bars);

// Bars from a history read before: the rows as bars, adjusted for the
// splits when asked.
void HistoryBars(const WholeHistory& history, bool adjusted, TBars& bars);

} // namespace brevant
