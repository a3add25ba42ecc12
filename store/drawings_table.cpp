// Brevant Dira — the drawings on each stock's chart.
#include "store/drawings_table.h"

#include <cmath>
#include <stdexcept>

#include "store/transaction_guard.h"
#include "ta/locale_settings.h"
#include "ta/text_format.h"

namespace brevant {
namespace {

// The database layer binds numbers as text in the process's own notation
// and reads them back the same way; a double keeps its full precision so.
std::string PriceText(double price) {
    return FloatToStr(price, ProcessFormats().DecimalSeparator);
}

double PriceOf(const TFBLDsql& sql, int column) {
    double price = 0;
    TryStrToFloat(sql.FieldAsString(column), ProcessFormats().DecimalSeparator, price);
    return price;
}

void CheckDrawing(const Drawing& d) {
    if (!DrawablePrice(d.price1) || (d.kind == DrawingKind::Trend && !DrawablePrice(d.price2)))
        throw std::invalid_argument("A drawing's prices must be above 0.");
    if (d.kind == DrawingKind::Trend && !(d.day1 >= 1 && d.day2 >= 1))
        throw std::invalid_argument("A trend line needs two days.");
}

} // namespace

Drawings ReadDrawings(TDataStore& store, const std::string& symbol) {
    Drawings drawings;
    // Read at every stock change: a read-only, read-committed transaction
    // ends without the write to the transaction inventory that a read-write
    // one's commit costs on a file with forced writes.
    TFBLTransaction t(&store.DB1);
    t.AccessMode = TAccessMode::amRead;
    t.IsolationLevel = TIsolationLevel::ilReadCommitted_rec_version;
    t.StartTransaction();
    TransactionGuard guard(t);
    {
        TFBLDsql sql(&t);
        sql.SetSQL("SELECT ID, KIND, DAY1, PRICE1, DAY2, PRICE2 FROM DRAWING WHERE SYMBOL = ? "
                   "ORDER BY ID");
        sql.Prepare();
        sql.ParamAsString(0, symbol);
        sql.ExecSQL();
        for (sql.First(); !sql.Eof(); sql.Next()) {
            Drawing d;
            if (!ParseDrawingKind(sql.FieldAsString(1), d.kind)) continue;
            d.id = sql.FieldAsInteger(0);
            d.price1 = PriceOf(sql, 3);
            if (d.kind == DrawingKind::Trend) {
                d.day1 = sql.FieldAsDateTime(2);
                d.day2 = sql.FieldAsDateTime(4);
                d.price2 = PriceOf(sql, 5);
            }
            drawings.push_back(d);
        }
    }
    guard.Commit();
    return drawings;
}

int AddDrawing(TDataStore& store, const std::string& symbol, const Drawing& drawing) {
    CheckDrawing(drawing);
    int id = 0;
    InOwnTransaction(store.DB1, [&](TFBLDsql& sql) {
        // Two clients adding at once meet at the primary key: the later one
        // fails and stores nothing.
        sql.SetSQL("SELECT COALESCE(MAX(ID), 0) + 1 FROM DRAWING");
        sql.ExecSQL();
        sql.First();
        id = sql.FieldAsInteger(0);
        const bool trend = drawing.kind == DrawingKind::Trend;
        sql.SetSQL(trend ? "INSERT INTO DRAWING (ID, SYMBOL, KIND, DAY1, PRICE1, DAY2, PRICE2) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?)"
                         : "INSERT INTO DRAWING (ID, SYMBOL, KIND, PRICE1, PRICE2) "
                           "VALUES (?, ?, ?, ?, 0)");
        sql.Prepare();
        sql.ParamAsString(0, std::to_string(id));
        sql.ParamAsString(1, symbol);
        sql.ParamAsString(2, DrawingKindName(drawing.kind));
        if (trend) {
            sql.ParamAsDateTime(3, std::trunc(drawing.day1));
            sql.ParamAsString(4, PriceText(drawing.price1));
            sql.ParamAsDateTime(5, std::trunc(drawing.day2));
            sql.ParamAsString(6, PriceText(drawing.price2));
        } else {
            sql.ParamAsString(3, PriceText(drawing.price1));
        }
        sql.ExecSQL();
    });
    return id;
}

bool DeleteDrawing(TDataStore& store, const std::string& symbol, int id) {
    long deleted = 0;
    InOwnTransaction(store.DB1, [&](TFBLDsql& sql) {
        sql.SetSQL("DELETE FROM DRAWING WHERE SYMBOL = ? AND ID = ?");
        sql.Prepare();
        sql.ParamAsString(0, symbol);
        sql.ParamAsString(1, std::to_string(id));
        sql.ExecSQL();
        deleted = sql.RowsAffected();
    });
    return deleted > 0;
}

bool StockHasQuotes(TDataStore& store, const std::string& symbol) {
    bool found = false;
    InOwnTransaction(store.DB1, [&](TFBLDsql& sql) {
        sql.SetSQL("SELECT FIRST 1 1 FROM DATATABLE WHERE SYMBOL = ?");
        sql.Prepare();
        sql.ParamAsString(0, symbol);
        sql.ExecSQL();
        sql.First();
        found = !sql.Eof();
    });
    return found;
}

int DeleteDrawings(TDataStore& store, const std::string& symbol) {
    long deleted = 0;
    InOwnTransaction(store.DB1, [&](TFBLDsql& sql) {
        sql.SetSQL("DELETE FROM DRAWING WHERE SYMBOL = ?");
        sql.Prepare();
        sql.ParamAsString(0, symbol);
        sql.ExecSQL();
        deleted = sql.RowsAffected();
    });
    return int(deleted);
}

} // namespace brevant
