// Test helper for the crash test: opens a database as the program does (the
// bootstrap repairs what a killed import left) and prints what it holds.
// usage: crash_check DB
// prints: "inactive N", then "rows PREFIX COUNT" for each two-character
// symbol prefix, then "actions COUNT"; then "stock tables current|stale" and,
// when current, every difference between them and the quote table
// ("differs: ..."); then,
// after a first screening's fill (which builds stale tables again), the same
// two as "after a fill ..."; exit 1 when the database cannot be opened.
#include <cstdio>

#include "store/bar_cache.h"
#include "store/bootstrap.h"
#include "store/quote_indexes.h"
#include "store/stock_tables.h"
#include "support/stock_tables_oracle.h"

namespace {

// Stale tables are not read, so only current ones must agree.
void PrintStockTables(brevant::TFBLTransaction& t, const char* when) {
    const bool current = brevant::StoredTablesCurrent(t);
    std::printf("%sstock tables %s\n", when, current ? "current" : "stale");
    if (!current) return;
    for (const std::string& d : brevant::testing::CheckStockTables(t).differences)
        std::printf("%sdiffers: %s\n", when, d.c_str());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    brevant::TDataStore store;
    if (const brevant::OpenResult opened = brevant::CheckFirebird(store, argv[1], {}); !opened) {
        std::fprintf(stderr, "cannot open: %s\n", opened.Message.c_str());
        return 1;
    }
    try {
        brevant::TFBLTransaction& t = store.TR1;
        t.StartTransaction();
        std::printf("inactive %zu\n", brevant::InactiveQuoteIndexes(t).size());
        brevant::TFBLDsql q(&t);
        q.SetSQL("SELECT SUBSTRING(SYMBOL FROM 1 FOR 2), COUNT(*) FROM DATATABLE GROUP BY 1 "
                 "ORDER BY 1");
        q.ExecSQL();
        for (; !q.Eof(); q.Next())
            std::printf("rows %s %d\n", q.FieldAsString(0).c_str(), q.FieldAsInteger(1));
        q.SetSQL("SELECT COUNT(*) FROM SPLIT");
        q.ExecSQL();
        std::printf("actions %d\n", q.FieldAsInteger(0));
        PrintStockTables(t, "");
        t.Commit();
        t.StartTransaction();
        brevant::TBarCache cache;
        cache.Validate(t);
        cache.FillAll(t);
        t.Commit();
        t.StartTransaction();
        PrintStockTables(t, "after a fill ");
        t.Commit();
        store.DB1.Disconnect();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
