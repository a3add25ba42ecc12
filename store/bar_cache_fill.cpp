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
#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "store/bar_cache.h"
#include "store/price_history.h"
#include "store/schema.h"

namespace brevant {
namespace {

// The symbol, then the row's values from column 1 on.
const std::string kAllRowsSql =
    std::string("SELECT SYMBOL, ") + schema::kRowValues + " FROM DATATABLE";
constexpr int kFirstValue = 1;
// Distinct keys of the (symbol, date, prices) index and of the symbol index,
// as the last import's statistics left them: only a guess.
const std::string kStatisticsSql =
    std::string("SELECT TRIM(RDB$INDEX_NAME), RDB$STATISTICS FROM RDB$INDICES WHERE "
                "RDB$RELATION_NAME = 'DATATABLE' AND RDB$INDEX_NAME IN ('") +
    schema::kRowsIndex + "', '" + schema::kSymbolIndex + "')";
constexpr long kReportEvery = 8192;
// Rows a stock gathers before the days too old to be kept are cut off.
constexpr std::size_t kTrimAt = kMaxHistoryDays + kMaxHistoryDays / 4;

struct RowEstimate {
    long rows = 0;
    long stocks = 0;
    std::size_t PerStock() const {
        if (rows <= 0 || stocks <= 0) return 0;
        return std::min<std::size_t>(static_cast<std::size_t>(rows / stocks) + 1, kTrimAt);
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

bool DayNewerFirst(const CompactBar& a, const CompactBar& b) {
    return a.day > b.day;
}

// One stock's rows as the pass meets them.
class Gathering {
public:
    Gathering(const std::string& key, std::size_t reserve) : key(key) { rows_.reserve(reserve); }

    std::string key; // the symbol without trailing blanks

    void Add(const CompactBar& row) {
        if (irregular_ || (floor_ && row.day < *floor_)) return;
        if (rows_.size() == rows_.capacity()) {
            if (rows_.size() >= kTrimAt) Trim();
            // A quarter more at a time: the whole table passes through here.
            if (rows_.size() == rows_.capacity())
                rows_.reserve(std::min(std::max<std::size_t>(16, rows_.size() * 5 / 4), kTrimAt));
        }
        rows_.push_back(row);
    }

    // A row with a missing value: the stock's own query says what it loads.
    void MarkIrregular() {
        irregular_ = true;
        CompactBars().swap(rows_);
    }

    // The rows ReadDailyRows gives, or nothing when the pass cannot tell
    // which row of a day the stock's query would return first.
    std::optional<CompactBars> Finish() {
        if (irregular_) return std::nullopt;
        Trim();
        if (!rows_.empty())
            for (std::int32_t day : conflicts_)
                if (day >= rows_.back().day) {
                    MarkIrregular();
                    return std::nullopt;
                }
        std::reverse(rows_.begin(), rows_.end());
        rows_.shrink_to_fit();
        return std::move(rows_);
    }

private:
    // Newest first, one row per day (the first met), at most the kept days.
    void Trim() {
        std::stable_sort(rows_.begin(), rows_.end(), DayNewerFirst);
        auto out = rows_.begin();
        for (auto in = rows_.begin(); in != rows_.end(); ++in) {
            if (out != rows_.begin() && (out - 1)->day == in->day) {
                if (!SameRow(*(out - 1), *in)) conflicts_.push_back(in->day);
                continue;
            }
            if (out - rows_.begin() == kMaxHistoryDays) break;
            *out++ = *in;
        }
        rows_.erase(out, rows_.end());
        // Held days only get newer: an older row can never be kept.
        if (rows_.size() == kMaxHistoryDays) {
            floor_ = rows_.back().day;
            std::erase_if(conflicts_, [&](std::int32_t day) { return day < *floor_; });
        }
    }

    CompactBars rows_;
    std::vector<std::int32_t> conflicts_; // days with two different rows
    std::optional<std::int32_t> floor_;
    bool irregular_ = false;
};

// The stocks met so far, in the order first met, and the rows read for them.
// A table stored day by day (a daily download per file) meets its stocks in
// the same order every day, and one stored stock by stock meets the same
// stock again: both guesses are tried before the lookup. Rows are written
// one after the other into a batch and handed to their stocks a batch at a
// time, stock by stock: written straight to thousands of places, each row
// cost a cache and address-translation miss, a quarter of the whole pass.
class Gatherings {
public:
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
        if (added) stocks_.emplace_back(key, perStock_);
        return last_ = entry->second;
    }

    void Add(std::uint32_t id, const CompactBar& row) {
        batch_.push_back({id, row});
        if (batch_.size() == kBatchRows) Flush();
    }

    void MarkIrregular(std::uint32_t id) { stocks_[id].MarkIrregular(); }

    // Every stock with all its rows.
    std::vector<Gathering>& All() {
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
        for (std::uint32_t i : order_) stocks_[batch_[i].id].Add(batch_[i].row);
        batch_.clear();
    }

    std::size_t perStock_;
    std::vector<Gathering> stocks_;
    std::unordered_map<std::string, std::uint32_t> ids_;
    std::uint32_t last_ = static_cast<std::uint32_t>(-1);
    std::vector<Staged> batch_;
    std::vector<std::uint32_t> starts_, order_;
};

bool StopWanted(const BarCacheFillCallbacks& cb, long rows, long expected) {
    if (cb.reading) cb.reading(rows, expected);
    return cb.stopRequested && cb.stopRequested();
}

} // namespace

bool TBarCache::FillAll(TFBLTransaction& t, const BarCacheFillCallbacks& cb) {
    // What a partial cache holds is read again by the pass.
    Drop();
    TFBLDsql sql(&t);
    const RowEstimate estimate = EstimateRows(sql);
    Gatherings gathered(estimate);

    sql.SetSQL(kAllRowsSql);
    sql.ExecSQL();
    long rows = 0;
    std::string key;
    for (sql.First(); !sql.Eof(); sql.Next()) {
        if (++rows % kReportEvery == 0 && StopWanted(cb, rows, estimate.rows)) return false;
        // A row without a symbol is no stock's: no query by symbol finds it.
        if (sql.FieldIsNull(0)) continue;
        key = sql.FieldAsString(0);
        key.erase(key.find_last_not_of(' ') + 1);
        const std::uint32_t stock = gathered.IdFor(key);
        if (QuoteRowHasNull(sql, kFirstValue))
            gathered.MarkIrregular(stock);
        else
            gathered.Add(stock, ReadQuoteRow(sql, kFirstValue));
    }
    // Everything is read: a stop asked for now would only waste the pass.
    if (cb.reading) cb.reading(rows, estimate.rows);

    std::unordered_map<std::string, CompactBars> settled;
    settled.reserve(gathered.All().size());
    std::vector<std::string> unsettled;
    // Settled one by one; each stock's gathering gives its memory back
    // before the next is settled.
    for (Gathering& stock : gathered.All()) {
        if (std::optional<CompactBars> held = stock.Finish())
            settled.emplace(stock.key, std::move(*held));
        else
            unsettled.push_back(stock.key);
    }
    for (const std::string& symbol : unsettled) settled.emplace(symbol, ReadDailyRows(sql, symbol));
    stocks_ = std::move(settled);
    complete_ = true;
    return true;
}

} // namespace brevant
