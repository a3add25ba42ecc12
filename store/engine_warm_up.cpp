// Brevant Dira — the database engine made ready before the start-up needs it.
#include "store/engine_warm_up.h"

#include <filesystem>

#include "store/data_store.h"
#include "store/database_address.h"

namespace brevant {

void WarmUpEngine(const std::string& path) {
    // A server asks for a login, and a missing file is the bootstrap's to create.
    if (IsServerAddress(path) || LocalPathWithColon(path)) return;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return;
    try {
        TDataStore store;
        store.DB1.DBFile = path;
        store.DB1.Connect();
        store.DB1.Disconnect();
    } catch (...) {
        // The start-up opens the file again and reports what it finds.
    }
}

} // namespace brevant
