// Brevant Dira — what the front ends say about an error that ended a unit of
// work (an import, a scan, a load).
#pragma once

#include <exception>
#include <string>

namespace brevant {

// True when `e` is a database error telling that a connection to the server
// broke, or that the server or the database was shut down under it: nothing
// on the attachment works any more.
bool ConnectionLost(const std::exception& e);

// The text for an error that ended a unit of work: a lost connection to the
// server says so first, and that the unit's work was not stored (its
// transaction dies with the connection); any other error keeps its text.
// The import and the scan report their failures in these words.
std::string WorkErrorText(const std::exception& e);

} // namespace brevant
