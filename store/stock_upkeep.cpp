// Brevant Dira — keeping the stock table and the stored bars in step with
// the quote rows.
#include "store/stock_upkeep.h"

#include <cmath>

#include "fbl/fbl_errors.h"
#include "store/import_generation.h"
#include "store/price_history.h"
#include "store/stock_tables.h"
#include "store/stored_bars.h"
#include "store/transaction_guard.h"

namespace brevant {
namespace {

std::string WithoutTrailingBlanks(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::optional<std::int32_t> NewestDay(TFBLTransaction& t) {
    TFBLDsql sql(&t);
    sql.SetSQL("SELECT MAX(LASTDAY) FROM STOCKS");
    sql.ExecSQL();
    sql.First();
    if (sql.FieldIsNull(0)) return std::nullopt;
    return static_cast<std::int32_t>(std::trunc(sql.FieldAsDateTime(0)));
}

// The state after a unit: with the indexes off the fingerprint cannot be
// read at once, and Seal records it.
void WriteState(TFBLTransaction& t, int generation, bool indexesOff) {
    const std::optional<std::int32_t> newest = NewestDay(t);
    WriteStoredState(t, generation, newest,
                     indexesOff ? std::string(kPendingFingerprint)
                                : QuoteTableFingerprint(t, newest));
}

bool SameSymbol(const StoredText& stored, const std::string& symbol) {
    return stored && CompareStoredText(stored, symbol) == 0;
}

// Sets, in `next`, every pair of the `symbols` (as SQL compares text) to what
// the quote table counts now; pairs that have no rows left get none.
void CountAgain(TFBLTransaction& t, const std::vector<StockTableRow>& table,
                const std::set<std::string>& symbols, StockPairs& next) {
    for (const std::string& symbol : symbols) {
        for (const StockTableRow& row : table)
            if (SameSymbol(row.pair.symbol, symbol)) next[row.pair] = StockPairRows{};
        for (const auto& [pair, rows] : CountStockPairs(t, symbol)) next[pair] = rows;
    }
}

// Reads the stocks' rows with their own query and stores them.
void SettleByQuery(TFBLTransaction& t, const std::set<std::string>& keys) {
    if (keys.empty()) return;
    TStoredBars bars(t);
    TFBLDsql query(&t);
    for (const std::string& key : keys) {
        StoredStock after;
        after.settled = ReadDailyRows(query, key, kMaxHistoryDays, &after.irregular);
        const std::optional<StoredStock> before = bars.Read(key);
        if (after.settled.empty())
            bars.Remove(key);
        else
            bars.Write(key, before, after);
    }
}

} // namespace

void TStockUpkeep::StartRun() {
    currentAtStart_ = false;
    writtenGeneration_.reset();
    pendingBars_.clear();
    pendingPairs_.clear();
    Reset();
}

void TStockUpkeep::Reset() {
    keeping_ = false;
    pairs_.clear();
    stocks_.clear();
    ids_.clear();
    last_ = 0;
    removed_.clear();
}

std::optional<StoredState> TStockUpkeep::StateBeforeTheUnit(TFBLTransaction& t) {
    const std::optional<int> generation = ReadImportGeneration(t);
    if (!generation) return std::nullopt;
    generation_ = *generation;
    const StoredState state = ReadStoredState(t);
    // Another program's import since the tables were written raised the
    // generation without keeping them.
    if (!state.present || !state.generation || *state.generation != generation_ - 1)
        return std::nullopt;
    return state;
}

void TStockUpkeep::Begin(TFBLTransaction& t, bool indexesOff) {
    Reset();
    indexesOff_ = indexesOff;
    try {
        const std::optional<StoredState> state = StateBeforeTheUnit(t);
        if (!state) return;
        if (indexesOff)
            keeping_ =
                writtenGeneration_ ? *writtenGeneration_ == *state->generation : currentAtStart_;
        else
            keeping_ = state->fingerprint != kPendingFingerprint &&
                       state->fingerprint == QuoteTableFingerprint(t, state->newestDay);
    } catch (const EFBLError& e) {
        // A login without rights on our tables imports without them.
        if (!IsNotPermitted(e)) throw;
    }
}

void TStockUpkeep::BeginAfterChange(TFBLTransaction& t) {
    Reset();
    indexesOff_ = false;
    try {
        if (!StateBeforeTheUnit(t)) return;
        // `t` holds the generation's row lock: no import of ours commits
        // between the state committed now and the unit's commit.
        TFBLTransaction before(t.Database());
        before.StartTransaction();
        TransactionGuard guard(before);
        keeping_ = StoredTablesCurrent(before);
    } catch (const EFBLError& e) {
        if (!IsNotPermitted(e)) throw;
    }
}

void UpdateStockTables(TFBLTransaction& t, const std::set<std::string>& symbols) {
    TStockUpkeep upkeep;
    upkeep.StartRun();
    upkeep.BeginAfterChange(t);
    for (const std::string& symbol : symbols) upkeep.Removed(symbol);
    upkeep.Apply(t);
}

TStockUpkeep::Stock& TStockUpkeep::StockFor(const std::string& symbol) {
    // A daily file meets its stocks in the same order every day, a history
    // file the same stock again: both are tried before the look-up.
    if (last_ + 1 < stocks_.size() && stocks_[last_ + 1].symbol == symbol) return stocks_[++last_];
    if (last_ < stocks_.size() && stocks_[last_].symbol == symbol) return stocks_[last_];
    std::string key = WithoutTrailingBlanks(symbol);
    const auto [entry, added] = ids_.try_emplace(key, stocks_.size());
    if (added) stocks_.push_back({std::move(key), symbol, {}, nullptr, TDayGathering()});
    last_ = entry->second;
    Stock& stock = stocks_[last_];
    if (stock.symbol != symbol) {
        stock.symbol = symbol;
        stock.pair = nullptr;
    }
    return stock;
}

void TStockUpkeep::Added(const std::string& symbol, const std::string& name, double date,
                         const std::array<float, 5>& values) {
    if (!keeping_) return;
    Stock& stock = StockFor(symbol);
    if (!stock.pair || stock.name != name) {
        stock.name = name;
        stock.pair = &pairs_[{symbol, name}];
    }
    const auto day = static_cast<std::int32_t>(std::trunc(date));
    stock.pair->Add(day);
    stock.rows.Add({day, values[0], values[1], values[2], values[3], values[4]});
}

void TStockUpkeep::Removed(const std::string& symbol) {
    if (keeping_) removed_.insert(symbol);
}

void TStockUpkeep::Apply(TFBLTransaction& t) {
    if (keeping_) {
        try {
            WritePairs(t);
            WriteBars(t);
            WriteState(t, generation_, indexesOff_);
            writtenGeneration_ = generation_;
        } catch (const EFBLError& e) {
            // The state is not written: the tables are stale, as for an
            // older program's import.
            if (!IsNotPermitted(e)) throw;
        }
    }
    Reset();
}

void TStockUpkeep::WritePairs(TFBLTransaction& t) {
    const std::vector<StockTableRow> table = ReadStockTable(t);
    std::unordered_map<StockPairKey, StockPairRows, StockPairKeyHash> held;
    for (const StockTableRow& row : table) held.emplace(row.pair, row.rows);
    auto removed = [&](const StockPairKey& pair) {
        for (const std::string& symbol : removed_)
            if (SameSymbol(pair.symbol, symbol)) return true;
        return false;
    };
    StockPairs next;
    for (const auto& [pair, added] : pairs_) {
        if (removed(pair)) continue; // counted again below
        StockPairRows rows;
        if (const auto h = held.find(pair); h != held.end()) rows = h->second;
        rows.Add(added);
        next[pair] = rows;
    }
    if (indexesOff_)
        pendingPairs_.insert(removed_.begin(), removed_.end());
    else
        CountAgain(t, table, removed_, next);
    WriteStockPairs(t, table, next);
}

void TStockUpkeep::WriteBars(TFBLTransaction& t) {
    // Stocks whose rows only their own query can tell.
    std::set<std::string> byQuery;
    for (const std::string& symbol : removed_) byQuery.insert(WithoutTrailingBlanks(symbol));
    TStoredBars bars(t);
    for (Stock& stock : stocks_) {
        if (byQuery.contains(stock.key) || pendingBars_.contains(stock.key)) continue;
        const std::optional<StoredStock> before = bars.Read(stock.key);
        if (before && (before->irregular || !before->readable)) {
            byQuery.insert(stock.key);
            continue;
        }
        // The order rows are met in does not matter: two rows of a day are
        // either the same or the gathering gives up.
        if (before)
            for (const CompactBars* part : {&before->settled, &before->recent})
                for (const CompactBar& row : *part) stock.rows.Add(row);
        const std::optional<CompactBars> merged = stock.rows.Finish();
        if (!merged) {
            byQuery.insert(stock.key);
            continue;
        }
        bars.Write(stock.key, before, NextStoredStock(stock.key, before, *merged));
    }
    if (indexesOff_)
        pendingBars_.insert(byQuery.begin(), byQuery.end());
    else
        SettleByQuery(t, byQuery);
}

void TStockUpkeep::Seal(TFBLDatabase& db) {
    if (!writtenGeneration_) return;
    try {
        TFBLTransaction t(&db);
        t.LockResolution = TLockResolution::lrNoWait;
        t.StartTransaction();
        TransactionGuard guard(t);
        // Another import at work, or done since: the tables are its to keep.
        if (!HoldImportGeneration(t)) return;
        const std::optional<int> generation = ReadImportGeneration(t);
        const StoredState state = ReadStoredState(t);
        if (!generation || *generation != *writtenGeneration_ || state.generation != generation)
            return;
        if (!pendingPairs_.empty()) {
            const std::vector<StockTableRow> table = ReadStockTable(t);
            StockPairs next;
            CountAgain(t, table, pendingPairs_, next);
            WriteStockPairs(t, table, next);
        }
        SettleByQuery(t, pendingBars_);
        WriteState(t, *generation, false);
        guard.Commit();
    } catch (const std::exception&) {
        // The tables stay stale: the next full read of the quote table builds
        // them again.
    }
    StartRun();
}

} // namespace brevant
