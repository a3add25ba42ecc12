// Brevant Dira — the (symbol, name) pairs of the quote table and the stock
// list read from them.
#include "store/stock_pairs.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace brevant {
namespace {

constexpr const char* kReadTable =
    "SELECT ID, SYMBOL, STOCK, FIRSTDAY, LASTDAY, QUOTEROWS FROM STOCKS";
constexpr const char* kUpdateRows =
    "UPDATE STOCKS SET FIRSTDAY = ?, LASTDAY = ?, QUOTEROWS = ? WHERE ID = ?";
constexpr const char* kDeleteRow = "DELETE FROM STOCKS WHERE ID = ?";
// Grouped by the texts' lengths too: GROUP BY alone would take pairs that
// differ only in trailing blanks for one.
constexpr const char* kCountPairs =
    "SELECT SYMBOL, STOCK, COUNT(*), MIN(DATA), MAX(DATA) FROM DATATABLE WHERE SYMBOL = ? "
    "GROUP BY SYMBOL, STOCK, OCTET_LENGTH(SYMBOL), OCTET_LENGTH(STOCK)";

std::optional<std::int32_t> DayColumn(const TFBLDsql& sql, int column) {
    if (sql.FieldIsNull(column)) return std::nullopt;
    return static_cast<std::int32_t>(std::trunc(sql.FieldAsDateTime(column)));
}

StoredText TextColumn(const TFBLDsql& sql, int column) {
    if (sql.FieldIsNull(column)) return std::nullopt;
    return sql.FieldAsString(column);
}

// Parameters for the values that are there, NULL in the text for the others:
// the layer sets no NULL parameter.
std::string Placeholder(bool present) {
    return present ? "?" : "NULL";
}

void SetDay(TFBLDsql& sql, int& p, std::optional<std::int32_t> day) {
    if (day) sql.ParamAsDateTime(p++, *day);
}

void Insert(TFBLDsql& sql, int id, const StockPairKey& pair, const StockPairRows& rows) {
    sql.SetSQL("INSERT INTO STOCKS (ID, SYMBOL, STOCK, FIRSTDAY, LASTDAY, QUOTEROWS) VALUES (?, " +
               Placeholder(pair.symbol.has_value()) + ", " + Placeholder(pair.name.has_value()) +
               ", " + Placeholder(rows.firstDay.has_value()) + ", " +
               Placeholder(rows.lastDay.has_value()) + ", ?)");
    sql.Prepare();
    int p = 0;
    sql.ParamAsString(p++, std::to_string(id));
    if (pair.symbol) sql.ParamAsString(p++, *pair.symbol);
    if (pair.name) sql.ParamAsString(p++, *pair.name);
    SetDay(sql, p, rows.firstDay);
    SetDay(sql, p, rows.lastDay);
    sql.ParamAsString(p++, std::to_string(rows.rows));
    sql.ExecSQL();
}

void Update(TFBLDsql& sql, int id, const StockPairRows& rows) {
    if (rows.rows <= 0) {
        sql.SetSQL(kDeleteRow);
        sql.Prepare();
        sql.ParamAsString(0, std::to_string(id));
        sql.ExecSQL();
        return;
    }
    if (!rows.firstDay || !rows.lastDay) {
        sql.SetSQL("UPDATE STOCKS SET FIRSTDAY = " + Placeholder(rows.firstDay.has_value()) +
                   ", LASTDAY = " + Placeholder(rows.lastDay.has_value()) +
                   ", QUOTEROWS = ? WHERE ID = ?");
    } else {
        sql.SetSQL(kUpdateRows);
    }
    sql.Prepare();
    int p = 0;
    SetDay(sql, p, rows.firstDay);
    SetDay(sql, p, rows.lastDay);
    sql.ParamAsString(p++, std::to_string(rows.rows));
    sql.ParamAsString(p++, std::to_string(id));
    sql.ExecSQL();
}

// The engine's order of text without a collation: byte by byte, the shorter
// text read as if filled with blanks.
int ComparePadded(const std::string& a, const std::string& b) {
    const std::size_t n = std::max(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(i < a.size() ? a[i] : ' ');
        const auto y = static_cast<unsigned char>(i < b.size() ? b[i] : ' ');
        if (x != y) return x < y ? -1 : 1;
    }
    return 0;
}

int ComparePairs(const StockPairKey& a, const StockPairKey& b) {
    if (const int c = CompareStoredText(a.symbol, b.symbol)) return c;
    return CompareStoredText(a.name, b.name);
}

DistinctStockRow AsListed(const StockPairKey& pair) {
    return {pair.symbol.value_or(""), pair.name.value_or("")};
}

} // namespace

std::size_t StockPairKeyHash::operator()(const StockPairKey& key) const {
    const std::hash<std::string> text;
    std::size_t h = key.symbol ? text(*key.symbol) : 0x9e3779b9u;
    h ^= (key.name ? text(*key.name) : 0x85ebca6bu) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
    return h;
}

void StockPairRows::Add(std::optional<std::int32_t> day, long count) {
    rows += count;
    if (!day) return;
    if (!firstDay || *day < *firstDay) firstDay = day;
    if (!lastDay || *day > *lastDay) lastDay = day;
}

void StockPairRows::Add(const StockPairRows& more) {
    rows += more.rows;
    for (const std::optional<std::int32_t>& day : {more.firstDay, more.lastDay}) Add(day, 0);
}

int CompareStoredText(const StoredText& a, const StoredText& b) {
    // NULL comes first in an ascending order.
    if (!a || !b) return a ? 1 : b ? -1 : 0;
    return ComparePadded(*a, *b);
}

std::vector<StockTableRow> ReadStockTable(TFBLTransaction& t) {
    TFBLDsql sql(&t);
    sql.SetSQL(kReadTable);
    sql.ExecSQL();
    std::vector<StockTableRow> table;
    for (; !sql.Eof(); sql.Next()) {
        StockTableRow row;
        row.id = sql.FieldAsInteger(0);
        row.pair = {TextColumn(sql, 1), TextColumn(sql, 2)};
        row.rows.rows = sql.FieldAsInteger(5);
        row.rows.firstDay = DayColumn(sql, 3);
        row.rows.lastDay = DayColumn(sql, 4);
        table.push_back(std::move(row));
    }
    return table;
}

void WriteStockPairs(TFBLTransaction& t, const std::vector<StockTableRow>& before,
                     const StockPairs& pairs) {
    TFBLDsql sql(&t);
    std::unordered_map<StockPairKey, int, StockPairKeyHash> ids;
    int nextId = 1;
    for (const StockTableRow& row : before) {
        ids.emplace(row.pair, row.id);
        nextId = std::max(nextId, row.id + 1);
    }
    for (const auto& [pair, rows] : pairs) {
        if (const auto held = ids.find(pair); held != ids.end())
            Update(sql, held->second, rows);
        else if (rows.rows > 0)
            Insert(sql, nextId++, pair, rows);
    }
}

void RewriteStockTable(TFBLTransaction& t, const StockPairs& pairs) {
    TFBLDsql sql(&t);
    sql.SetSQL("DELETE FROM STOCKS");
    sql.ExecSQL();
    int id = 0;
    for (const auto& [pair, rows] : pairs)
        if (rows.rows > 0) Insert(sql, ++id, pair, rows);
}

StockPairs CountStockPairs(TFBLTransaction& t, const std::string& symbol) {
    TFBLDsql sql(&t);
    sql.SetSQL(kCountPairs);
    sql.Prepare();
    sql.ParamAsString(0, symbol);
    sql.ExecSQL();
    StockPairs pairs;
    for (; !sql.Eof(); sql.Next()) {
        StockPairRows rows;
        rows.rows = sql.FieldAsInteger(2);
        rows.firstDay = DayColumn(sql, 3);
        rows.lastDay = DayColumn(sql, 4);
        pairs[{TextColumn(sql, 0), TextColumn(sql, 1)}].Add(rows);
    }
    return pairs;
}

std::optional<std::vector<DistinctStockRow>>
DistinctStockRows(const std::vector<StockTableRow>& table) {
    std::vector<const StockPairKey*> pairs;
    pairs.reserve(table.size());
    for (const StockTableRow& row : table) pairs.push_back(&row.pair);
    std::sort(pairs.begin(), pairs.end(), [](const StockPairKey* a, const StockPairKey* b) {
        return ComparePairs(*a, *b) < 0;
    });
    std::vector<DistinctStockRow> rows;
    rows.reserve(pairs.size());
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        // Two stored pairs that are one row of the answer: which bytes the
        // engine shows for it depends on how its sort met every quote row.
        if (i > 0 && ComparePairs(*pairs[i - 1], *pairs[i]) == 0) return std::nullopt;
        rows.push_back(AsListed(*pairs[i]));
    }
    return rows;
}

} // namespace brevant
