// Brevant Dira — the embedded database engine ended by the program itself.
#include "store/engine_end.h"

#include "fbl/fbl_engine.h"

namespace brevant {

void EndEngineBeforeExit(int status) {
    if (!ShutdownEngine()) QuickExit(status);
}

void EndEngineAndProcess(int status) {
    ShutdownEngine();
    QuickExit(status);
}

} // namespace brevant
