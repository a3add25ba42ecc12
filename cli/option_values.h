// Brevant Dira — reading option values: whole numbers, lists of them, a bar
// period.
#pragma once

#include <climits>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line.h"
#include "quotes/csv_layout.h"
#include "ta/period_bars.h"

namespace brevant::cli {

// The parts of a list, empty parts kept: "a,,b" has three, "" has one.
std::vector<std::string> SplitList(std::string_view text, char separator = ',');

// A whole number from `lowest` to `highest` and nothing else: no blanks, no
// sign "+", no fraction. `out` is left alone when the text is refused.
bool ReadWholeNumber(std::string_view text, int lowest, int highest, int& out);

struct NumberField {
    int& out;
    int lowest;
    int highest = INT_MAX;
};

// Exactly one whole number per field, separated by `separator`, each inside
// its field's limits. The fields are written only when all of them are read.
bool ReadWholeNumbers(std::string_view text, char separator,
                      std::initializer_list<NumberField> fields);

// A reader for `--period`: "daily", "weekly" or "monthly", spelled so.
WordReader BarPeriodValue(std::string_view command, BarPeriod& period);

// A reader for `--history`: "all" (the stock's every stored day) sets `whole`.
WordReader HistoryValue(std::string_view command, bool& whole);

// A reader for a switch such as `--log`: sets `on`.
WordReader SwitchValue(bool& on);

// A calendar date written YYYY-MM-DD (four, two and two digits) as a day
// number; false for any other text or a day the calendar does not have.
bool ReadIsoDate(std::string_view text, double& day);

// A reader for a date option (`--from`): "COMMAND: OPTION needs a date
// YYYY-MM-DD, not TEXT" for anything else.
WordReader DateValue(std::string_view command, std::string_view option, std::optional<double>& day);

// A reader for `import --format`: "auto", "native" or "csv", spelled so.
WordReader QuoteFormatValue(std::string_view command, QuoteFormatChoice& choice);

} // namespace brevant::cli
