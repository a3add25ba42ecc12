// Brevant Dira — what the command-line tool's commands share.
#pragma once

#include <string>

#include "cli/commands.h"
#include "store/data_store.h"
#include "ta/locale_settings.h"

namespace brevant::cli {

// Attaches the database of `ctx`. With `createMissing` a missing file is
// created as on the program's first run; otherwise a missing file is an
// error. Returns false after printing the reason on stderr.
// A database on a server is logged in with ctx.login, and is created through
// the server when the server allows it.
bool OpenStore(const Context& ctx, TDataStore& store, bool createMissing);

// Puts ctx.login on `store` when the database is on a server.
void ApplyLogin(const Context& ctx, TDataStore& store);

// True when `path` is the database file of `ctx` (a local one), under
// whatever name: an output file must never replace it.
bool IsTheDatabase(const Context& ctx, const std::string& path);

// The command line reads and writes numbers with a decimal point whatever the
// user's locale, and dates as the program writes them ("dd.mm.yyyy").
LocaleSettings CliLocale();

// The list text for a TEXT given on the command line: a text without ", "
// is a bare symbol (it may hold a comma, as "BRK,B" does) and becomes a list
// text whose symbol part it is.
std::string ListTextFromArgument(const std::string& text);

} // namespace brevant::cli
