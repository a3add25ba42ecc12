// Brevant Dira — what the start-up says when the database cannot be opened.
#pragma once

#include <QString>
#include <string>

namespace brevant {

// The message for a database that could not be opened or created. A database
// on a server gets the bootstrap's `error` (it says what to do); for a local
// file, one held by another program (the embedded engine keeps an open
// database to its own process) is named as such, and every other failure
// gives MissingFileMessage().
QString StartupFailureMessage(const QString& databasePath, const std::string& error = {});

// The message for work that ended because the connection to the database
// server was lost.
QString LostConnectionMessage(const std::string& error);

} // namespace brevant
