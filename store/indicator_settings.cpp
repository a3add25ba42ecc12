// Brevant Dira — reading the stored indicator periods.
#include "store/indicator_settings.h"

#include <stdexcept>

#include "store/schema.h"
#include "store/transaction_guard.h"
#include "ta/indicator_ranges.h"

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

void SaveIndicatorParams(TDataStore& store, const TIndicatorParams& params,
                         const TIndicatorParams* before) {
    // A period left as it was is not checked: a value put in by hand
    // outside the range does not stop the others from changing.
    TIndicatorParams checked = params;
    if (before)
        for (const IndicatorParamKey& k : kIndicatorParamKeys)
            if (params.*k.member == before->*k.member)
                checked.*k.member = DefaultIndicatorParams().*k.member;
    if (const std::string error = IndicatorParamsError(checked); !error.empty())
        throw std::invalid_argument(error);
    TFBLTransaction t(&store.DB1);
    t.StartTransaction();
    TransactionGuard guard(t);
    TFBLDsql sql(&t);
    for (const IndicatorParamKey& k : kIndicatorParamKeys) {
        if (before && params.*k.member == before->*k.member) continue;
        const std::string value = std::to_string(params.*k.member);
        // Every row of the key: the reader lets the last one it meets win.
        sql.SetSQL("UPDATE INDICATOR SET INDIVALUE = ? WHERE INDI = ?");
        sql.Prepare();
        sql.ParamAsString(0, value);
        sql.ParamAsString(1, std::string(k.key));
        sql.ExecSQL();
        if (sql.RowsAffected() > 0) continue;
        sql.SetSQL(schema::kInsertIndicator);
        sql.Prepare();
        sql.ParamAsString(0, std::string(k.key));
        sql.ParamAsString(1, value);
        sql.ExecSQL();
    }
    guard.Commit();
}

} // namespace brevant
