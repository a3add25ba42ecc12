// Brevant Dira — loading one stock's recent daily bars.
#pragma once

#include <string_view>

#include "store/data_store.h"
#include "ta/stock_bar.h"

namespace brevant {

// Most quote rows read per stock; duplicates of a day count too.
inline constexpr int kMaxHistoryRows = 350;

// Replaces `bars` with the stock whose symbol is in `text` (a list text, see
// SymbolFromListText): one bar per distinct day of its kMaxHistoryRows newest
// rows, oldest first, Date a whole day number, Open..Volume set, every other
// field 0. Of several rows of one day the first the server returns is used.
// An empty symbol returns at once with `bars` unchanged; an unknown symbol
// leaves `bars` empty.
// With `manageTransaction` the call runs in its own TR1 transaction (a
// transaction left started by a failed unit is rolled back first, and an
// error rolls this one back); otherwise the caller must have started TR1.
void LoadDataForName(TDataStore& store, std::string_view text, bool manageTransaction, TBars& bars);

} // namespace brevant
