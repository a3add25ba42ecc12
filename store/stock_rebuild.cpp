// Brevant Dira — the stock tables built again from one pass over the quote
// table.
#include "store/stock_rebuild.h"

#include "fbl/fbl_errors.h"
#include "store/import_generation.h"
#include "store/stock_tables.h"
#include "store/stored_bars.h"
#include "store/transaction_guard.h"

namespace brevant {

std::optional<std::int32_t> QuoteTableContents::NewestDay() const {
    std::optional<std::int32_t> newest;
    for (const auto& [pair, rows] : pairs)
        if (rows.lastDay && (!newest || *rows.lastDay > *newest)) newest = rows.lastDay;
    return newest;
}

bool StoreStockTables(TFBLTransaction& snapshot, const QuoteTableContents& contents) {
    try {
        const std::optional<int> generation = ReadImportGeneration(snapshot);
        if (!generation || !ReadStoredState(snapshot).present) return false;
        const std::optional<std::int32_t> newest = contents.NewestDay();
        const std::string fingerprint = QuoteTableFingerprint(snapshot, newest);

        TFBLTransaction t(snapshot.Database());
        t.LockResolution = TLockResolution::lrNoWait;
        t.StartTransaction();
        TransactionGuard guard(t);
        if (!HoldImportGeneration(t) || ReadImportGeneration(t) != generation ||
            QuoteTableFingerprint(t, newest) != fingerprint)
            return false;
        RewriteStockTable(t, contents.pairs);
        ClearStoredBars(t);
        TStoredBars bars(t);
        for (const auto& [key, rows] : contents.bars) {
            if (rows.empty()) continue;
            StoredStock stock;
            stock.settled = rows;
            stock.irregular = contents.irregular.contains(key);
            bars.Write(key, std::nullopt, stock);
        }
        WriteStoredState(t, *generation, newest, fingerprint);
        guard.Commit();
        return true;
    } catch (const EFBLError& e) {
        if (IsNotPermitted(e) || IsLockConflict(e)) return false;
        throw;
    }
}

} // namespace brevant
