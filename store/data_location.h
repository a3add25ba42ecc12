// Brevant Dira — where the program's files live.
#pragma once

#include <string>

namespace brevant {

// The folder of the running program, ending in "/".
std::string ProgramDirectory();

// The database file: in the program's folder when that folder is writable,
// otherwise in the user's data folder ($XDG_DATA_HOME/brevant-dira, by default
// ~/.local/share/brevant-dira), which is created when missing.
std::string DefaultDatabasePath(const std::string& programDir);

} // namespace brevant
