// Brevant Dira — the stock table and the stored bars built again from one
// pass over the quote table: for an older file that lacks them, and whenever
// they are found stale.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>

#include "fbl/fbl.h"
#include "store/bar_cache.h"
#include "store/compact_bars.h"
#include "store/stock_pairs.h"

namespace brevant {

// What the stock tables hold, as one pass read it from the quote table.
struct QuoteTableContents {
    // Every stock's rows as LoadDataForName loads them, by HistoryKey.
    std::unordered_map<std::string, CompactBars> bars;
    // Those read with their own query (a missing value, or a kept day with
    // two different rows).
    std::set<std::string> irregular;
    StockPairs pairs;

    std::optional<std::int32_t> NewestDay() const;
};

// Reads the whole quote table once on `t` (started) into `contents`. False
// when stopped (`contents` is then incomplete). Database errors propagate.
bool ReadQuoteTable(TFBLTransaction& t, QuoteTableContents& contents,
                    const BarCacheFillCallbacks& callbacks = {});

// Replaces the stock tables by `contents`, read on `snapshot`, in a
// transaction of its own that waits for nothing: only when the import
// generation and the quote table's fingerprint are still those of
// `snapshot` and no import holds the generation. True when stored. A login
// without rights on the tables, or a conflict, stores nothing (false).
bool StoreStockTables(TFBLTransaction& snapshot, const QuoteTableContents& contents);

} // namespace brevant
