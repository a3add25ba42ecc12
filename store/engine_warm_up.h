// Brevant Dira — the database engine made ready before the start-up needs it.
#pragma once

#include <string>

namespace brevant {

// Opens the database file at `path` once and closes it again, so that the
// client library, the engine's plugins and the tables it looks for on its
// first opening are in place when the start-up opens the file. Does nothing
// for a database on a server or a file that is not there, and never fails:
// the start-up's own opening says what is wrong.
void WarmUpEngine(const std::string& path);

} // namespace brevant
