// Brevant Dira — what the start-up says when the database cannot be opened.
#pragma once

#include <QString>

namespace brevant {

// The message for a database file that could not be opened or created: a
// file held by another program (the embedded engine keeps an open database
// to its own process) is named as such; every other failure gives
// MissingFileMessage().
QString StartupFailureMessage(const QString& databasePath);

} // namespace brevant
