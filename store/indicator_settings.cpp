// Brevant Dira — reading the stored indicator periods.
#include "store/indicator_settings.h"

#include "store/schema.h"
#include "store/transaction_guard.h"

namespace brevant {

void LoadIndicatorParams(TDataStore& store, TIndicatorParams& params) {
    // A key missing from the table must not keep a value from an earlier read.
    params = DefaultIndicatorParams();
    store.TR1.StartTransaction();
    TransactionGuard guard(store.TR1);
    store.SQL1.SetSQL(schema::kSelectIndicator);
    store.SQL1.ExecSQL();
    store.SQL1.First();
    while (!store.SQL1.Eof()) {
        ApplyIndicatorRow(params, store.SQL1.FieldAsString(0), store.SQL1.FieldAsString(1));
        store.SQL1.Next();
    }
    guard.Commit();
}

} // namespace brevant
