// Brevant Dira — what both programs change in their environment before
// anything else runs.
#include "store/program_environment.h"

#include "fbl/engine_folders.h"
#include "store/database_address.h"

namespace brevant {

void PrepareProgramEnvironment() {
    UsePrivateEngineFolders();
    TakePasswordFromEnvironment();
}

} // namespace brevant
