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

} // namespace brevant
