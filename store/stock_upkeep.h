// Brevant Dira — keeping the stock table and the stored bars in step with
// the quote rows, in the transaction that changes them.
//
// A unit of work that changes the quote table (a file of an import, a
// deletion) raises the import generation first in its transaction, then:
//
//     upkeep.Begin(t, indexesOff);          // are the tables kept by this unit?
//     ... insert rows: upkeep.Added(...) for each; delete: upkeep.Removed(symbol)
//     upkeep.Apply(t);                      // one call before the commit
//
// so the tables change with the rows or not at all. Tables that did not hold
// what the quote table held before the unit (stale: an older program's import,
// another tool's change) are left as they are; the next full read of the
// quote table builds them again. After a run whose units had the quote
// indexes switched off, Seal finishes what needs them.
//
// A unit that does not insert row by row (a replacement, a deletion) makes
// one call after its change instead: UpdateStockTables.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "fbl/fbl.h"
#include "store/day_gathering.h"
#include "store/stock_pairs.h"
#include "store/stock_tables.h"

namespace brevant {

class TStockUpkeep {
public:
    // Forgets what an earlier run left (call at the start of every run).
    void StartRun();

    // For a run that switches the quote indexes off: whether the tables held
    // what the quote table held just before (StoredTablesCurrent, asked
    // while the indexes were still on).
    void SetCurrentAtStart(bool current) { currentAtStart_ = current; }

    // Starts a unit in `t`, right after the import generation was raised and
    // before any row changes: reads whether the tables are kept by it.
    void Begin(TFBLTransaction& t, bool indexesOff);

    // The same for a unit whose rows have already changed in `t`: whether
    // the tables were current is asked on the committed state, which the
    // unit's change is not yet part of.
    void BeginAfterChange(TFBLTransaction& t);
    bool Keeping() const { return keeping_; }

    // A quote row inserted: its symbol and name as stored, its day and values
    // (open, high, low, close, volume).
    void Added(const std::string& symbol, const std::string& name, double date,
               const std::array<float, 5>& values);

    // Rows of `symbol` were deleted or replaced: its pairs and bars are read
    // again from the quote table.
    void Removed(const std::string& symbol);

    // Writes the unit's changes to the tables in `t`, before its commit.
    void Apply(TFBLTransaction& t);

    // After a run, with the quote indexes on again and their statistics
    // refreshed, in a transaction of its own: reads what the units with the
    // indexes off left for their own queries and records the quote table's
    // fingerprint. Nothing when another import has changed the table since
    // (the tables then stay stale). Errors leave the tables stale.
    void Seal(TFBLDatabase& db);

private:
    struct Stock {
        std::string key;    // the symbol without trailing blanks
        std::string symbol; // as stored, the last row's
        std::string name;
        StockPairRows* pair = nullptr; // of (symbol, name)
        TDayGathering rows;
    };

    // The tables' state when the previous generation is the one they follow
    // (and generation_ set to the unit's); nothing otherwise.
    std::optional<StoredState> StateBeforeTheUnit(TFBLTransaction& t);
    Stock& StockFor(const std::string& symbol);
    void WritePairs(TFBLTransaction& t);
    void WriteBars(TFBLTransaction& t);
    void Reset();

    bool currentAtStart_ = false;
    bool keeping_ = false;
    bool indexesOff_ = false;
    int generation_ = 0;
    std::optional<int> writtenGeneration_; // the last unit of this run that kept them

    StockPairs pairs_; // rows added, by exact pair
    std::vector<Stock> stocks_;
    std::unordered_map<std::string, std::size_t> ids_; // by key
    std::size_t last_ = 0;
    std::set<std::string> removed_; // symbols as given
    // Left for Seal by units with the indexes off: keys to settle by their
    // own query, symbols whose pairs are counted again.
    std::set<std::string> pendingBars_, pendingPairs_;
};

// After any change to the quote rows of `symbols` (as stored or as SQL
// compares them) in `t`, which raised the import generation before the
// change and has not committed: brings their rows of the stock table and
// their stored bars up to date in `t`, from their own queries, so that they
// commit or roll back with the change. Tables that were stale before the
// change are left so (the next full read builds them again).
void UpdateStockTables(TFBLTransaction& t, const std::set<std::string>& symbols);

} // namespace brevant
