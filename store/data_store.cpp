// Brevant Dira — the database components the program owns for one run.
#include "store/data_store.h"

namespace brevant {

TDataStore::TDataStore() {
    DB1.Protocol = TProtocolType::ptLocal;
    DB1.User = kDatabaseUser;
    DB1.Password = kDatabasePassword;
    DB1.AutoSetClientDialect = true;
    // Index statistics are refreshed in a read-committed transaction.
    Tindex.IsolationLevel = TIsolationLevel::ilReadCommitted_rec_version;
    // Another client's import holds the import generation until its file
    // commits: wait for it, but not for ever.
    tr3.LockTimeout = kLockWaitSeconds;
    THistory.AccessMode = TAccessMode::amRead;
}

} // namespace brevant
