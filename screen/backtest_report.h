// Brevant Dira — a back-test's figures as text: the summary table and the
// file of picks.
#pragma once

#include <string>
#include <vector>

#include "screen/backtest_figures.h"

namespace brevant {

// A return as a signed percentage with two decimals ("+1.25%"), a share as
// a percentage with one ("53.2%"); "-" for no value.
std::string ReturnText(double fraction);
std::string ShareText(double fraction);

// One line per hold: picks, mean, median and the share that rose, then the
// same for the market; under a header line. Lines end in "\n".
std::string BacktestTable(const BacktestFigures& figures);

// The CSV: a header "date,symbol,name,close,return_H..." (one return column
// per hold), then one row per day and pick, oldest day first, in stock-list
// order within a day; dates as YYYY-MM-DD, returns as fractions, a return
// without its later close left empty. Written whole or not at all.
void WriteBacktestCsv(const std::string& path, const BacktestFigures& figures,
                      const std::vector<int>& holds, const std::vector<std::string>& stockList);

} // namespace brevant
