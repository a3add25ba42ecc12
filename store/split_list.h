// Brevant Dira — the list of recorded split and dividend actions.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "store/data_store.h"
#include "ta/locale_settings.h"

namespace brevant {

// One row of the action list: ex date, symbol, full name, action.
using TSplitGridRow = std::array<std::string, 4>;

// The header row: "EX Date", "Symbol", "Stock Full Name", "Action".
TSplitGridRow SplitGridHeader();

// The header, then one row per SPLIT row, newest ex date first; or, when the
// table is empty, one row holding only "No information available" under
// "Stock Full Name". Dates are written in `locale`'s short date format (the
// program's "dd.mm.yyyy"), amounts with its decimal separator. Runs in TSplit
// transactions; database errors propagate.
std::vector<TSplitGridRow> LoadSplitGrid(TDataStore& store, const LocaleSettings& locale);

// "Dividend ( 0.25 )", "Split ( 2:1 )"; another action name gets the dividend
// form.
std::string ActionText(const std::string& action, float item, char decimalSeparator);

// The 15-significant-digit text of the amount, rounded half away from zero at
// the third decimal digit when it has more: 0.25 shows 0.25, 0.1 (stored as
// 0.100000001...) shows 0.100, 0.35 (stored as 0.349999994...) shows 0.350.
// An exponent stays: 1E-6 shows 1.000E-6.
std::string DividendAmountText(float item, char decimalSeparator);

// A ratio stored as "a.b" (2:1 as 2.1), rounded to one decimal: "2:1",
// whatever the C library's numeric locale.
std::string SplitAmountText(float item);

} // namespace brevant
