// Brevant Dira — the filter options of `scan`, on the command line and on the
// lines of a screens file.
#pragma once

#include <string>
#include <vector>

#include "cli/command_line.h"
#include "screen/scan_settings.h"

namespace brevant::cli {

// --macd, --ma, --rsi and --volume, each ticking its filter in `filters` and
// reading its values inside the filter dialog's limits; --where FORMULA and
// its --period (`periodGiven` set when --period was read).
std::vector<CommandOption> FilterOptions(ScanFilters& filters, bool& periodGiven);

// "--period goes with --where" when a period came without a formula; empty
// otherwise.
std::string CheckFormulaPeriod(const ScanFilters& filters, bool periodGiven);

// One screen of a screens file.
struct ScreenLine {
    int number = 0;   // the line's number in the file, from 1
    std::string text; // the line without its comment and outer blanks
    ScanFilters filters;
};

// Reads a screens file: one screen per line, written as the filter options
// of `scan` ("--macd 1 --volume 50000,weekly", '--where "rsi crosses above
// 30"': a value in double quotes keeps its blanks); "#" starts a comment; blank
// lines are skipped. Returns the error text naming the file and the first bad
// line's number (an unreadable file, a line with an unknown option or a bad
// value, a line without a filter, a file without a screen); empty when every
// line was read into `screens`.
std::string ReadScreensFile(const std::string& path, std::vector<ScreenLine>& screens);

} // namespace brevant::cli
