// Brevant Dira — what a database error means, told from its status codes
// rather than its text (the texts change with the client library's version
// and language).
#pragma once

#include "fbl/fbl.h"

namespace brevant {

// The server refused the user name or the password.
bool IsLoginRefused(const EFBLError& e);

// No connection to the server could be made: nothing listens on the port, no
// route to the host, the name is unknown, or the connect timeout ran out.
bool IsServerUnreachable(const EFBLError& e);

// A connection that worked broke, or the server or the database was shut
// down under it: nothing on the attachment works any more.
bool IsConnectionLost(const EFBLError& e);

// The server could not open the database file it was given (no such file).
bool IsDatabaseMissing(const EFBLError& e);

// The login lacks a right the statement needs: to create a database on the
// server, or to alter tables it does not own (index statistics).
bool IsNotPermitted(const EFBLError& e);

// Another transaction changed the same row since this one began, or holds it
// still (an update conflict, a deadlock, a lock conflict).
bool IsLockConflict(const EFBLError& e);

// A statement waited for a row another transaction holds for longer than
// its transaction's LockTimeout.
bool IsLockTimeout(const EFBLError& e);

// The server and this client could not agree on encrypting the connection
// (the client requires it, the server has it switched off).
bool IsWireCryptRefused(const EFBLError& e);

// Another process's embedded engine holds the database file: it keeps the
// file to itself until it ends, so no other process can attach meanwhile.
bool IsInUseElsewhere(const EFBLError& e);

} // namespace brevant
