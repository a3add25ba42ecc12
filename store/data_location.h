// Brevant Dira — where the program's files live.
#pragma once

#include <stdexcept>
#include <string>

namespace brevant {

// The folder of the running program, ending in "/".
std::string ProgramDirectory();

// No place for the database file: the program's folder is not writable and
// the environment names no data folder of the user's. The message says how
// to name a file instead (--db).
class DataLocationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The database file: in the program's folder when that folder is writable,
// otherwise in the user's data folder ($XDG_DATA_HOME/brevant-dira, by default
// ~/.local/share/brevant-dira), which is created when missing, open to the
// user alone (mode 0700). With neither
// variable set throws DataLocationError: a temporary folder would lose the
// user's data at the next reboot.
std::string DefaultDatabasePath(const std::string& programDir);

} // namespace brevant
