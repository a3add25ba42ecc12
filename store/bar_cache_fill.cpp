// Brevant Dira — filling the bar cache in one pass over the quote table.
//
// One unordered pass reads the table's pages in storage order, about 1.6
// times as fast as a query per stock, which finds each stock's rows through
// its index and sorts them (and much faster than a pass ordered by symbol,
// which fetches every row through the index). A stock's rows then arrive in
// storage order, so each stock gathers its rows and settles them at the end
// as its own query would: its newest distinct days. Which of two different
// rows of one day that query returns first is the engine's choice, which no
// pass can know; such stocks are asked with their own query.
//
// The same pass counts the (symbol, name) pairs, so that it builds the stock
// table and the stored bars again when they are stale; while they are
// current, the cache is filled from the stored bars instead.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include "store/bar_cache.h"
#include "store/day_gathering.h"
#include "store/price_history.h"
#include "store/schema.h"
#include "store/stock_rebuild.h"
#include "store/stock_tables.h"
#include "store/stored_bars.h"

namespace brevant {
namespace {

// The symbol and the name, then the row's values from column 2 on.
const std::string kAllRowsSql =
    std::string("SELECT SYMBOL, STOCK, ") + schema::kRowValues + " FROM DATATABLE";
constexpr int kFirstValue = 2;
// Distinct keys of the (symbol, date, prices) index and of the symbol index,
// as the last import's statistics left them: only a guess.
const std::string kStatisticsSql =
    std::string("SELECT TRIM(RDB$INDEX_NAME), RDB$STATISTICS FROM RDB$INDICES WHERE "
                "RDB$RELATION_NAME = 'DATATABLE' AND RDB$INDEX_NAME IN ('") +
    schema::kRowsIndex + "', '" + schema::kSymbolIndex + "')";
constexpr long kReportEvery = 8192;
// Rows a stock reserves at first: about its share of the table, within the
// days that can be kept.
constexpr std::size_t kMostReserved = kMaxHistoryDays + kMaxHistoryDays / 4;

struct RowEstimate {
    long rows = 0;
    long stocks = 0;
    std::size_t PerStock() const {
        if (rows <= 0 || stocks <= 0) return 0;
        return std::min<std::size_t>(static_cast<std::size_t>(rows / stocks) + 1, kMostReserved);
    }
};

RowEstimate EstimateRows(TFBLDsql& sql) {
    RowEstimate e;
    sql.SetSQL(kStatisticsSql);
    sql.ExecSQL();
    for (sql.First(); !sql.Eof(); sql.Next()) {
        const std::string name = sql.FieldAsString(0);
        const double selectivity = sql.FieldAsFloat(1);
        if (!(selectivity > 0 && selectivity <= 1)) continue;
        const long distinct = static_cast<long>(1 / selectivity + 0.5);
        if (name == schema::kRowsIndex) e.rows = distinct;
        if (name == schema::kSymbolIndex) e.stocks = distinct;
    }
    return e;
}

// The stocks met so far, in the order first met, and the rows read for them.
// A table stored day by day (a daily download per file) meets its stocks in
// the same order every day, and one stored stock by stock meets the same
// stock again: both guesses are tried before the lookup. Rows are written
// one after the other into a batch and handed to their stocks a batch at a
// time, stock by stock: written straight to thousands of places, each row
// cost a cache and address-translation miss, a quarter of the whole pass.
class Gatherings {
public:
    struct Stock {
        std::string key; // the symbol without trailing blanks
        TDayGathering rows;
        // The pair of the stock's last row: rows of a stock mostly carry
        // one symbol and one name.
        std::string symbol, name;
        StockPairRows* pair = nullptr;
    };

    explicit Gatherings(const RowEstimate& estimate) : perStock_(estimate.PerStock()) {
        batch_.reserve(kBatchRows);
        if (estimate.stocks <= 0) return;
        stocks_.reserve(static_cast<std::size_t>(estimate.stocks));
        ids_.reserve(static_cast<std::size_t>(estimate.stocks));
    }

    std::uint32_t IdFor(const std::string& key) {
        const std::size_t next = std::size_t{last_} + 1;
        if (next < stocks_.size() && stocks_[next].key == key)
            return last_ = static_cast<std::uint32_t>(next);
        if (last_ < stocks_.size() && stocks_[last_].key == key) return last_;
        const auto [entry, added] =
            ids_.try_emplace(key, static_cast<std::uint32_t>(stocks_.size()));
        if (added) stocks_.push_back({key, TDayGathering(perStock_), {}, {}, nullptr});
        return last_ = entry->second;
    }

    void Add(std::uint32_t id, const CompactBar& row) {
        batch_.push_back({id, row});
        if (batch_.size() == kBatchRows) Flush();
    }

    void MarkIrregular(std::uint32_t id) { stocks_[id].rows.MarkIrregular(); }

    Stock& At(std::uint32_t id) { return stocks_[id]; }

    // Every stock with all its rows.
    std::vector<Stock>& All() {
        Flush();
        return stocks_;
    }

private:
    static constexpr std::size_t kBatchRows = std::size_t{1} << 17;
    struct Staged {
        std::uint32_t id;
        CompactBar row;
    };

    // A counting sort by stock keeps each stock's rows in the order read.
    void Flush() {
        starts_.assign(stocks_.size() + 1, 0);
        for (const Staged& s : batch_) ++starts_[s.id + 1];
        for (std::size_t i = 1; i < starts_.size(); ++i) starts_[i] += starts_[i - 1];
        order_.resize(batch_.size());
        for (std::uint32_t i = 0; i < batch_.size(); ++i) order_[starts_[batch_[i].id]++] = i;
        for (std::uint32_t i : order_) stocks_[batch_[i].id].rows.Add(batch_[i].row);
        batch_.clear();
    }

    std::size_t perStock_;
    std::vector<Stock> stocks_;
    std::unordered_map<std::string, std::uint32_t> ids_;
    std::uint32_t last_ = static_cast<std::uint32_t>(-1);
    std::vector<Staged> batch_;
    std::vector<std::uint32_t> starts_, order_;
};

bool StopWanted(const BarCacheFillCallbacks& cb, long rows, long expected) {
    if (cb.reading) cb.reading(rows, expected);
    return cb.stopRequested && cb.stopRequested();
}

std::optional<std::int32_t> DayOf(const TFBLDsql& sql) {
    if (sql.FieldIsNull(kFirstValue)) return std::nullopt;
    return static_cast<std::int32_t>(std::trunc(sql.FieldAsDateTime(kFirstValue)));
}

StoredText TextOf(const TFBLDsql& sql, int column) {
    if (sql.FieldIsNull(column)) return std::nullopt;
    return sql.FieldAsString(column);
}

// Counts the row for its (symbol, name) pair; `stock` remembers its last pair.
void CountPair(const TFBLDsql& sql, const std::string& symbol, Gatherings::Stock& stock,
               StockPairs& pairs) {
    if (sql.FieldIsNull(1)) {
        pairs[{symbol, std::nullopt}].Add(DayOf(sql));
        return;
    }
    std::string name = sql.FieldAsString(1);
    if (!stock.pair || stock.symbol != symbol || stock.name != name) {
        stock.pair = &pairs[{symbol, name}];
        stock.symbol = symbol;
        stock.name = std::move(name);
    }
    stock.pair->Add(DayOf(sql));
}

} // namespace

bool ReadQuoteTable(TFBLTransaction& t, QuoteTableContents& contents,
                    const BarCacheFillCallbacks& cb) {
    contents = {};
    TFBLDsql sql(&t);
    const RowEstimate estimate = EstimateRows(sql);
    Gatherings gathered(estimate);

    sql.SetSQL(kAllRowsSql);
    sql.ExecSQL();
    long rows = 0;
    std::string symbol, key;
    for (sql.First(); !sql.Eof(); sql.Next()) {
        if (++rows % kReportEvery == 0 && StopWanted(cb, rows, estimate.rows)) return false;
        // A row without a symbol is no stock's: no query by symbol finds it.
        if (sql.FieldIsNull(0)) {
            contents.pairs[{std::nullopt, TextOf(sql, 1)}].Add(DayOf(sql));
            continue;
        }
        symbol = sql.FieldAsString(0);
        key.assign(symbol, 0, symbol.find_last_not_of(' ') + 1);
        const std::uint32_t stock = gathered.IdFor(key);
        CountPair(sql, symbol, gathered.At(stock), contents.pairs);
        if (QuoteRowHasNull(sql, kFirstValue))
            gathered.MarkIrregular(stock);
        else
            gathered.Add(stock, ReadQuoteRow(sql, kFirstValue));
    }
    // Everything is read: a stop asked for now would only waste the pass.
    if (cb.reading) cb.reading(rows, estimate.rows);

    contents.bars.reserve(gathered.All().size());
    // Settled one by one; each stock's gathering gives its memory back
    // before the next is settled.
    for (Gatherings::Stock& stock : gathered.All()) {
        if (std::optional<CompactBars> held = stock.rows.Finish())
            contents.bars.emplace(stock.key, std::move(*held));
        else
            contents.irregular.insert(stock.key);
    }
    for (const std::string& key : contents.irregular)
        contents.bars.emplace(key, ReadDailyRows(sql, key));
    return true;
}

bool TBarCache::FillAll(TFBLTransaction& t, const BarCacheFillCallbacks& cb) {
    // What a partial cache holds is read again.
    Drop();
    if (StoredTablesCurrent(t)) {
        if (auto stored = ReadAllStoredBars(t)) {
            stocks_ = std::move(*stored);
            complete_ = true;
            if (cb.reading)
                cb.reading(static_cast<long>(stocks_.size()), static_cast<long>(stocks_.size()));
            return true;
        }
    }
    QuoteTableContents contents;
    if (!ReadQuoteTable(t, contents, cb)) return false;
    // Stale or missing: built again from what was just read, for the next
    // session (or not, when it cannot be).
    StoreStockTables(t, contents);
    stocks_ = std::move(contents.bars);
    complete_ = true;
    return true;
}

} // namespace brevant
