// Brevant Dira — each stock's daily rows in the stored bar table.
#include "store/stored_bars.h"

#include <algorithm>
#include <cstdint>

#include "store/bar_packing.h"
#include "store/price_history.h"

namespace brevant {
namespace {

constexpr int kSettledPart = 0;
constexpr int kRecentPart = 1;

constexpr const char* kReadAll = "SELECT SYMBOL, PART, IRREGULAR, BARS FROM STOCKBARS";
constexpr const char* kReadOne = "SELECT PART, IRREGULAR, BARS FROM STOCKBARS WHERE SYMBOL = ?";
constexpr const char* kWritePart =
    "UPDATE OR INSERT INTO STOCKBARS (SYMBOL, PART, DAYS, IRREGULAR, BARS) VALUES (?, ?, ?, ?, ?) "
    "MATCHING (SYMBOL, PART)";
constexpr const char* kDeletePart = "DELETE FROM STOCKBARS WHERE SYMBOL = ? AND PART = ?";
constexpr const char* kDeleteStock = "DELETE FROM STOCKBARS WHERE SYMBOL = ?";

// Days a stock gathers in its recent part before they are settled: between
// 8 and 47, fixed per stock. A daily file then rewrites, per stock, a row of
// about a month of days, and settles about one stock in thirty (a settled
// part is some 8 KB).
std::size_t RecentDaysLimit(const std::string& key) {
    std::uint32_t h = 2166136261u; // FNV-1a: the same for a symbol in every run
    for (unsigned char c : key) h = (h ^ c) * 16777619u;
    return 8 + h % 40;
}

bool SameRows(const CompactBars& a, const CompactBars& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](const CompactBar& x, const CompactBar& y) { return SameRow(x, y); });
}

// Reads one row of STOCKBARS (part, irregular, bars from `first` on) into
// `stock`; false when its bytes are not in this version's format.
bool ReadPart(const TFBLDsql& sql, int first, StoredStock& stock) {
    std::optional<CompactBars> rows = UnpackBars(sql.FieldAsString(first + 2));
    if (!rows) return false;
    if (sql.FieldAsInteger(first) == kSettledPart) {
        stock.settled = std::move(*rows);
        stock.irregular = sql.FieldAsInteger(first + 1) != 0;
    } else {
        stock.recent = std::move(*rows);
    }
    return true;
}

} // namespace

CompactBars StoredStock::Rows() const {
    CompactBars rows;
    rows.reserve(std::min<std::size_t>(settled.size() + recent.size(), kMaxHistoryDays));
    const std::size_t total = settled.size() + recent.size();
    const std::size_t skip = total > kMaxHistoryDays ? total - kMaxHistoryDays : 0;
    if (skip < settled.size()) rows.assign(settled.begin() + std::ptrdiff_t(skip), settled.end());
    const std::size_t recentSkip = skip > settled.size() ? skip - settled.size() : 0;
    rows.insert(rows.end(), recent.begin() + std::ptrdiff_t(recentSkip), recent.end());
    return rows;
}

std::optional<std::unordered_map<std::string, CompactBars>> ReadAllStoredBars(TFBLTransaction& t) {
    std::unordered_map<std::string, StoredStock> stocks;
    TFBLDsql sql(&t);
    sql.SetSQL(kReadAll);
    sql.ExecSQL();
    for (; !sql.Eof(); sql.Next())
        if (!ReadPart(sql, 1, stocks[sql.FieldAsString(0)])) return std::nullopt;
    std::unordered_map<std::string, CompactBars> rows;
    rows.reserve(stocks.size());
    for (auto& [key, stock] : stocks) rows.emplace(key, stock.Rows());
    return rows;
}

std::optional<StoredStock> TStoredBars::Read(const std::string& key) {
    read_.SetSQL(kReadOne);
    read_.Prepare();
    read_.ParamAsString(0, key);
    read_.ExecSQL();
    if (read_.Eof()) return std::nullopt;
    StoredStock stock;
    for (; !read_.Eof(); read_.Next()) stock.readable = ReadPart(read_, 0, stock) && stock.readable;
    return stock;
}

void TStoredBars::Write(const std::string& key, const std::optional<StoredStock>& before,
                        const StoredStock& after) {
    if (!before || before->irregular != after.irregular ||
        !SameRows(before->settled, after.settled))
        WritePart(key, kSettledPart, after.settled, after.irregular);
    if (before && SameRows(before->recent, after.recent)) return;
    if (after.recent.empty()) {
        if (!before || before->recent.empty()) return;
        remove_.SetSQL(kDeletePart);
        remove_.Prepare();
        remove_.ParamAsString(0, key);
        remove_.ParamAsString(1, std::to_string(kRecentPart));
        remove_.ExecSQL();
    } else {
        WritePart(key, kRecentPart, after.recent, false);
    }
}

void TStoredBars::Remove(const std::string& key) {
    remove_.SetSQL(kDeleteStock);
    remove_.Prepare();
    remove_.ParamAsString(0, key);
    remove_.ExecSQL();
}

void TStoredBars::WritePart(const std::string& key, int part, const CompactBars& rows,
                            bool irregular) {
    write_.SetSQL(kWritePart);
    write_.Prepare();
    write_.ParamAsString(0, key);
    write_.ParamAsString(1, std::to_string(part));
    write_.ParamAsString(2, std::to_string(rows.size()));
    write_.ParamAsString(3, irregular ? "1" : "0");
    write_.ParamAsString(4, PackBars(rows));
    write_.ExecSQL();
}

StoredStock NextStoredStock(const std::string& key, const std::optional<StoredStock>& before,
                            const CompactBars& merged) {
    StoredStock next;
    if (before && !before->settled.empty()) {
        const CompactBars& settled = before->settled;
        const std::int32_t newestSettled = settled.back().day;
        // The merged rows up to the newest settled day must be settled days
        // already (the oldest settled days may have left the window).
        auto firstNew = std::find_if(merged.begin(), merged.end(),
                                     [&](const CompactBar& r) { return r.day > newestSettled; });
        bool settledHold = true;
        auto s = settled.begin();
        for (auto m = merged.begin(); m != firstNew && settledHold; ++m) {
            while (s != settled.end() && s->day < m->day) ++s;
            settledHold = s != settled.end() && s->day == m->day;
        }
        const auto added = static_cast<std::size_t>(merged.end() - firstNew);
        if (settledHold && added <= RecentDaysLimit(key)) {
            next.settled = settled;
            next.recent.assign(firstNew, merged.end());
            return next;
        }
    }
    next.settled = merged;
    return next;
}

void ClearStoredBars(TFBLTransaction& t) {
    TFBLDsql sql(&t);
    sql.SetSQL("DELETE FROM STOCKBARS");
    sql.ExecSQL();
}

} // namespace brevant
