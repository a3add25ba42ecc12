// Brevant Dira — the import generation: a number that every import raises in
// the same transaction as its rows, so that bars read earlier (the bar cache)
// can tell whether the database has changed since, whichever process or
// client imported.
#pragma once

#include <optional>

#include "fbl/fbl.h"

namespace brevant {

// Our own one-row table beside the quote tables; the quote tables are never
// changed for it.
inline constexpr const char* kCreateImportGeneration =
    "CREATE TABLE IMPORTGEN (ID INTEGER NOT NULL PRIMARY KEY CHECK (ID = 1), "
    "GENERATION INTEGER NOT NULL)";

// Creates the table when it is missing, and its row when that is missing;
// does nothing otherwise. Runs DDL on `t`, which must be started, and commits
// its work with CommitRetaining (the table must exist before its row goes in).
void EnsureImportGeneration(TFBLTransaction& t);

// Raises the generation by one on `t`, the import's own transaction: the new
// number becomes visible with the import's rows, or never. A missing row is
// created. Do it first in the transaction, before any row goes in: the row
// lock then orders imports that run at the same time, and a conflict is met
// while nothing is written yet: another import's change committed meanwhile
// (two clients of a server) restarts `t` and raises again, a bounded number
// of times. Throws EFBLError when the table is missing.
void RaiseImportGeneration(TFBLTransaction& t);

// The generation as `t`'s snapshot sees it; empty when the table or its row
// is missing (a file made by another program, or by an older one): the
// caller must then treat the database as changed.
std::optional<int> ReadImportGeneration(TFBLTransaction& t);

// How often this process has called RaiseImportGeneration: whatever it holds
// in memory from the database can be dropped after any import of its own,
// committed or not.
long ImportsStartedInThisProcess();

} // namespace brevant
