// Brevant Dira — loading one stock's recent daily bars.
#include "store/price_history.h"

#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "store/quote_line.h"
#include "store/stock_list.h"
#include "store/transaction_guard.h"

namespace brevant {
namespace {

// The symbol is bound, so any symbol the import stored loads.
constexpr const char* kHistorySql = "SELECT FIRST (350) DATA, OPN, HIGH, LOW, CLS, VOL FROM "
                                    "DATATABLE WHERE SYMBOL=? order by DATA DESC";

// Trailing blanks do not count in SQL comparisons of text.
bool FitsSymbolColumn(const std::string& symbol) {
    const std::size_t last = symbol.find_last_not_of(' ');
    return last == std::string::npos || last < kSymbolWidth;
}

struct Row {
    double date;
    float open, high, low, close, volume;
};

// The newest rows first. One execution: the counting and the filling pass
// both walk this buffer instead of running the query twice.
int FetchRows(TFBLDsql& sql, const std::string& symbol, std::array<Row, kMaxHistoryRows>& rows) {
    sql.SetSQL(kHistorySql);
    sql.Prepare();
    sql.ParamAsString(0, symbol);
    sql.ExecSQL();
    sql.First();
    int n = 0;
    while (!sql.Eof() && n < kMaxHistoryRows) {
        rows[n++] = {sql.FieldAsDateTime(0), sql.FieldAsFloat(1), sql.FieldAsFloat(2),
                     sql.FieldAsFloat(3),    sql.FieldAsFloat(4), sql.FieldAsFloat(5)};
        sql.Next();
    }
    return n;
}

void FillBars(const std::array<Row, kMaxHistoryRows>& rows, int n, TBars& bars) {
    int count = 0;
    for (int i = 0; i < n; ++i) {
        if (i == 0 || rows[i].date != rows[i - 1].date) ++count;
    }
    bars.assign(static_cast<std::size_t>(count), TStockBar{});
    // Newest row to the last bar, backwards; rows of one day are adjacent.
    for (int i = 0; i < n; ++i) {
        if (i > 0 && rows[i].date == rows[i - 1].date) continue;
        TStockBar& bar = bars[static_cast<std::size_t>(--count)];
        bar.Date = std::trunc(rows[i].date);
        bar.Open = rows[i].open;
        bar.High = rows[i].high;
        bar.Low = rows[i].low;
        bar.Close = rows[i].close;
        bar.Volume = rows[i].volume;
    }
}

} // namespace

void LoadDataForName(TDataStore& store, std::string_view text, bool manageTransaction,
                     TBars& bars) {
    const std::string symbol = SymbolFromListText(text);
    if (symbol.empty()) return;
    std::optional<TransactionGuard> guard;
    if (manageTransaction) {
        StartTransactionRecovering(store.TR1);
        guard.emplace(store.TR1);
    }
    bars.clear();
    // A bound text is cut to the column width, which could match another
    // stock; a symbol longer than any stored one has no rows.
    if (!FitsSymbolColumn(symbol)) {
        if (guard) guard->Commit();
        return;
    }
    std::array<Row, kMaxHistoryRows> rows;
    const int n = FetchRows(store.SQL1, symbol, rows);
    FillBars(rows, n, bars);
    if (guard) guard->Commit();
}

} // namespace brevant
