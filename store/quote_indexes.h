// Brevant Dira — the quote table's four indexes switched off for a large
// import and rebuilt after it.
//
// Maintaining IDX0 to IDX3 row by row costs more than the rows themselves
// once a file is large against the table; switched off, the rows go in alone
// and the engine rebuilds each index by sorting when it is switched on again.
// The definitions never change: only their active state does. A process
// killed in between leaves them inactive; the bootstrap switches them on
// again at the next open.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "fbl/fbl.h"

namespace brevant {

// The largest table into which `newRows` rows load faster with the indexes
// switched off and rebuilt afterwards than maintained row by row.
std::uint64_t BulkLoadTableLimit(std::uint64_t newRows);

// The rows an import of `bytes` bytes of quote files may add, rounded up
// (for BulkLoadTableLimit; a line of a quote file takes about 65 to 70 bytes).
std::uint64_t EstimatedRows(std::uint64_t bytes);

// The quote rows stored, counted up to `cap` only, so that the cost stays
// bounded on a large table. `t` must be started.
std::uint64_t CountQuoteRowsUpTo(TFBLTransaction& t, std::uint64_t cap);

// True when an attachment other than this one (the engine's own aside) is on
// the database: it could be reading the table or importing itself. Always
// true on a server: another client may attach at any moment while the
// indexes are off, and a user who is neither the database's owner nor SYSDBA
// does not even see the other users' attachments.
bool OtherAttachmentsPresent(TFBLTransaction& t);

// True when the attachment of `t` goes through a server (the network).
bool AttachedThroughServer(TFBLTransaction& t);

// Those of IDX0 to IDX3 that exist and are inactive.
std::vector<std::string> InactiveQuoteIndexes(TFBLTransaction& t);

// Switches the four indexes off (or on, rebuilding them) and commits `t`,
// which must be started. Switching on sorts the whole table into each index.
void SetQuoteIndexesActive(TFBLTransaction& t, bool active);

// For the bootstrap: switches on what an import killed half-way left off,
// when no other attachment is present (another one may be importing right
// now). On a server, where imports never switch the indexes off, only a user
// who sees every attachment does it, and only while there is no other one.
// Starts and commits `t`.
void ReactivateQuoteIndexes(TFBLTransaction& t);

} // namespace brevant
