// Brevant Dira — the stock table and the stored bars: tables of our own that
// hold what the stock list and the first screening of a session would
// otherwise read from every quote row.
//
// STOCKS has one row per (symbol, name) pair exactly as stored in DATATABLE,
// with the pair's first and last day and its number of rows. STOCKBARS holds
// each stock's daily rows as LoadDataForName loads them (its newest distinct
// days), packed, in two parts: the settled days and the days added since,
// so that a daily file rewrites a small row per stock. STOCKSTATE says which
// state of the quote table the two follow.
//
// Every import keeps them in the transaction of its rows. They hold what the
// quote table holds exactly when STOCKSTATE's generation is the import
// generation and its fingerprint is the quote table's (StoredTablesCurrent):
// a change by a program that does not keep them (an older version, another
// tool) is noticed by the generation when it raises it, and otherwise by the
// fingerprint, which reads only what indexes give at once. What the
// fingerprint cannot notice: a change that neither raises the generation nor
// refreshes the index statistics, made to rows dated before the newest stored
// day (an update or insert in the middle of a history by hand).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "fbl/fbl.h"

namespace brevant {

inline constexpr const char* kStockTable = "STOCKS";
inline constexpr const char* kStoredBarsTable = "STOCKBARS";
inline constexpr const char* kStoredStateTable = "STOCKSTATE";

// "CREATE TABLE STOCKS (ID INTEGER NOT NULL PRIMARY KEY, SYMBOL VARCHAR(10),
// STOCK VARCHAR(55), FIRSTDAY DATE, LASTDAY DATE, QUOTEROWS INTEGER NOT NULL)"
std::string CreateStockTable();
// STOCKBARS (SYMBOL, PART, DAYS, IRREGULAR, BARS), keyed by (SYMBOL, PART).
std::string CreateStoredBarsTable();
std::string CreateStoredStateTable();

// STOCKSTATE's fingerprint while an import with the quote indexes switched
// off has not yet sealed the tables (SealStoredTables).
inline constexpr const char* kPendingFingerprint = "pending";

// What STOCKSTATE says; `present` false when the tables are missing (a file
// of an older version that the bootstrap could not complete, or a login
// without the right to read them).
struct StoredState {
    bool present = false;
    std::optional<int> generation;
    std::optional<std::int32_t> newestDay; // the newest day of any stock
    std::string fingerprint;
};
StoredState ReadStoredState(TFBLTransaction& t);

// The quote table as its indexes show it at once, in `t`'s snapshot: the
// statistics of its four indexes (refreshed by every import, also by older
// versions), its oldest day, and the rows dated `newestDay` or later (those
// of one day, not of the whole history). Reads IDX3: on a table whose
// indexes an import switched off it would read every row, so the import
// seals its tables after switching them on again.
std::string QuoteTableFingerprint(TFBLTransaction& t, std::optional<std::int32_t> newestDay);

// True when the stored tables hold what the quote table holds in `t`'s
// snapshot (see above). A few indexed look-ups; false, not an error, when
// the tables are missing or the login may not read them.
bool StoredTablesCurrent(TFBLTransaction& t);

// Sets STOCKSTATE: the tables follow `generation` and the quote table as
// `fingerprint` shows it.
void WriteStoredState(TFBLTransaction& t, int generation, std::optional<std::int32_t> newestDay,
                      const std::string& fingerprint);

// Takes the import generation's row lock in `t` (started) without changing
// the number, so that no import commits a file while `t` rewrites the tables.
// False when an import holds it or has committed since `t` began: the
// tables are then left to that import.
bool HoldImportGeneration(TFBLTransaction& t);

} // namespace brevant
