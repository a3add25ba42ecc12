// Brevant Dira — what the start-up says when the database cannot be opened.
#pragma once

#include <QString>
#include <string>

namespace brevant {

struct OpenResult;

// The message for a database that could not be opened or created: one held
// by another program (the embedded engine keeps an open database to its own
// process) is named as such; any other failure of a database on a server
// gets the store's message (it says what to do), of a local file
// MissingFileMessage().
QString StartupFailureMessage(const QString& databasePath, const OpenResult& opened);

// The message for work that ended because the connection to the database
// server was lost.
QString LostConnectionMessage(const std::string& error);

} // namespace brevant
