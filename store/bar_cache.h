// Brevant Dira — the bar cache: every stock's daily rows kept in memory for
// the session, so that screening again, or going back to a stock, does not
// read the database again while nothing was imported.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>

#include "fbl/fbl.h"
#include "store/compact_bars.h"

namespace brevant {

// What a fill reports while it reads the quote table.
struct BarCacheFillCallbacks {
    // Rows read so far and the number expected (0 when unknown; a guess from
    // the index statistics that duplicate rows can exceed). Called every few
    // thousand rows and once at the end.
    std::function<void(long rows, long expected)> reading;
    // Read with every report; true abandons the fill.
    std::function<bool()> stopRequested;
};

// Holds, per stock, exactly the rows LoadDataForName returns (ReadDailyRows:
// the newest distinct days, oldest first) as compact bars, keyed by
// HistoryKey. Every use happens inside a transaction the cache was validated
// on, so that it never serves bars of another snapshot's database.
class TBarCache {
public:
    // Fits the cache to `t`'s snapshot (`t` started): reads the import
    // generation there and drops every bar when it differs from the one the
    // bars were read under, when it is missing (a database another program
    // changed is treated as changed, every time), or when this process has
    // started an import since.
    void Validate(TFBLTransaction& t);

    // The stock's rows when the cache can answer for it: held, or missing
    // from a complete cache (then an empty list: the stock has no rows).
    // nullptr when the database must be asked.
    const CompactBars* Find(const std::string& key) const;

    // Keeps the rows read for `key` on the validated snapshot.
    void Put(const std::string& key, CompactBars rows);

    // For a stock Find could not answer: its rows from the stored bars, when
    // those hold what the quote table holds in `t`'s snapshot (the
    // transaction the cache was validated on; asked once per validation),
    // and then kept. nullptr when the quote table must be asked.
    const CompactBars* FindStored(TFBLTransaction& t, const std::string& key);

    // Reads every stock's rows on `t` (which the cache was validated on) and
    // makes the cache complete: from the stored bars when they are current
    // (stock_tables.h), otherwise in one pass over the quote table, which
    // then stores the stock tables again. Stocks whose rows one pass cannot
    // settle (a missing value, or two different rows of one day) are read
    // with their own query on `t`. Returns false when stopped. A stop or a
    // database error (which propagates) leaves the cache empty.
    bool FillAll(TFBLTransaction& t, const BarCacheFillCallbacks& callbacks = {});

    // True after a fill: every stock of the snapshot is held.
    bool Complete() const { return complete_; }
    std::size_t Stocks() const { return stocks_.size(); }
    // Bytes held for the bars and their keys.
    std::size_t MemoryBytes() const;
    void Drop();

private:
    std::unordered_map<std::string, CompactBars> stocks_;
    bool complete_ = false;
    bool validated_ = false;
    std::optional<int> generation_;
    long importsSeen_ = 0;
    std::optional<bool> storedCurrent_; // for the validated snapshot, once asked
};

} // namespace brevant
