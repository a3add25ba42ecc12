// Brevant Dira — the command-line tool's commands.
#pragma once

#include <string>
#include <vector>

#include "store/database_address.h"

namespace brevant::cli {

struct Context {
    std::string dbPath;            // --db FILE or server address, or the default location
    DatabaseLogin login;           // for a database on a server only
    std::vector<std::string> args; // the words after the command's name
};

// Each command returns the process exit code; errors go to stderr.
int RunInit(Context& ctx);
int RunImport(Context& ctx);
int RunDelete(Context& ctx);
int RunList(Context& ctx);
int RunBars(Context& ctx);
int RunSplits(Context& ctx);
int RunScan(Context& ctx);
int RunChart(Context& ctx);
int RunDrawings(Context& ctx);
int RunSettings(Context& ctx);

// Prints "brevant-cli: " + message on stderr and returns 2 (bad usage).
int UsageError(const std::string& message);

} // namespace brevant::cli
