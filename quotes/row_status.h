// Brevant Dira — what became of one line of a quote file, in either layout.
#pragma once

#include <cstddef>

namespace brevant {

// Every status but Read means the line is skipped, and counted by its reason.
enum class RowStatus {
    Read,
    Empty,  // nothing but blanks (CSV: quotes and separators too)
    Header, // native: starts with "<"; CSV: no date and no number anywhere (a
            // header repeated, or a second header line)
    // Fewer fields than the layout reads, an empty symbol, or (native) a name
    // of only blanks or nothing after the close.
    MissingField,
    BadDate,   // the date is not a real date
    BadNumber, // a price, a volume that is not empty, or (native) the amount
               // of a dividend or split is not a number a FLOAT column holds
    NotDaily,  // CSV: the period is not "D", or the time is not 0
};
inline constexpr std::size_t kRowStatusCount = static_cast<std::size_t>(RowStatus::NotDaily) + 1;

// "read", "empty line", "header line", "missing field", "bad date",
// "bad number", "not a daily row".
const char* RowStatusText(RowStatus status);

} // namespace brevant
