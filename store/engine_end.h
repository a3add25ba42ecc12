// Brevant Dira — the embedded database engine ended by the program itself on
// its way out, never by the client library's exit handler (fbl/fbl_engine.h
// says why).
#pragma once

namespace brevant {

// Ends the engine before the program ends with `status`. When the engine does
// not stop in time, the process ends here at once with `status`; otherwise
// the caller goes on to end as it would.
void EndEngineBeforeExit(int status);

// Ends the engine (waiting a bounded time), then the process with `status` at
// once: standard output and error are flushed, no exit handler runs.
[[noreturn]] void EndEngineAndProcess(int status);

} // namespace brevant
