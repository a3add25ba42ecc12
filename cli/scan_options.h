// Brevant Dira — the filter options of `scan`, on the command line and on the
// lines of a screens file.
#pragma once

#include <string>
#include <vector>

#include "cli/command_line.h"
#include "screen/scan_settings.h"

namespace brevant::cli {

// --macd, --ma, --rsi and --volume, each ticking its filter in `filters` and
// reading its values inside the filter dialog's limits.
std::vector<CommandOption> FilterOptions(ScanFilters& filters);

// One screen of a screens file.
struct ScreenLine {
    int number = 0;   // the line's number in the file, from 1
    std::string text; // the line without its comment and outer blanks
    ScanFilters filters;
};

// Reads a screens file: one screen per line, written as the filter options
// of `scan` ("--macd 1 --volume 50000,weekly"); "#" starts a comment; blank
// lines are skipped. Returns the error text naming the file and the first bad
// line's number (an unreadable file, a line with an unknown option or a bad
// value, a line without a filter, a file without a screen); empty when every
// line was read into `screens`.
std::string ReadScreensFile(const std::string& path, std::vector<ScreenLine>& screens);

} // namespace brevant::cli
