// Brevant Dira — reading the stored indicator periods.
#pragma once

#include "store/data_store.h"
#include "ta/indicator_params.h"

namespace brevant {

// Resets `params` to the defaults, then applies every INDICATOR row in the
// order the engine returns them (a later row of a key wins; unknown keys and
// unusable values: see ApplyIndicatorRow). Runs in its own TR1 transaction,
// which must not be started; database errors propagate.
void LoadIndicatorParams(TDataStore& store, TIndicatorParams& params);

// Writes the periods in one transaction on DB1: all fifteen, or with
// `before` only those that differ from it. Each key's rows get the value,
// and a key without a row gets one. Throws std::invalid_argument, writing
// nothing, when a period it writes is outside its range.
void SaveIndicatorParams(TDataStore& store, const TIndicatorParams& params,
                         const TIndicatorParams* before = nullptr);

} // namespace brevant
