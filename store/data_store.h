// Brevant Dira — the database components the program owns for one run.
#pragma once

#include <string>

#include "fbl/fbl.h"

namespace brevant {

// One attachment and one transaction/statement pair per kind of work:
// TR1/SQL1 for start-up, stock loading and screening, tr3/sql3 for the quote
// import, Tindex/SQL_index for index statistics, TSplit/SQLSplit for split and
// dividend rows, THistory/SQLHistory for the chart's reads of a whole history
// (read-only, so they never meet a screening run's TR1). Members are declared in dependency order
// so that statements are released before their transactions and those before the attachment.
struct TDataStore {
    TDataStore();

    TFBLDatabase DB1;
    TFBLTransaction TR1{&DB1};
    TFBLDsql SQL1{&TR1};
    TFBLTransaction tr3{&DB1};
    TFBLDsql sql3{&tr3};
    TFBLTransaction Tindex{&DB1};
    TFBLDsql SQL_index{&Tindex};
    TFBLTransaction TSplit{&DB1};
    TFBLDsql SQLSplit{&TSplit};
    TFBLTransaction THistory{&DB1};
    TFBLDsql SQLHistory{&THistory};
};

// How long an import or a deletion (tr3) waits for rows another client's
// unfinished import or deletion holds, before it gives up with a message.
inline constexpr int kLockWaitSeconds = 60;

// The database file's name inside the program's data folder.
inline constexpr const char* kDatabaseFileName = "BREVDATA.BVD";
inline constexpr const char* kDatabaseUser = "sysdba";
inline constexpr const char* kDatabasePassword = "duvaridaz";

} // namespace brevant
