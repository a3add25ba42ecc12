// Brevant Dira — ending the embedded database engine that runs inside this
// process.
//
// Left alone, the client library takes SIGINT and SIGTERM for itself on its
// first call (its handler shuts the engine down behind the program's back,
// and every later call on an attachment then spins inside the engine), and it
// shuts the engine down from an exit handler of its own, racing any
// attachment still in use. The database layer keeps both in the program's
// hands:
//  - the SIGINT and SIGTERM dispositions in effect before an attach or a
//    create are put back after it, so the program's own handling (or the
//    default) stays;
//  - the program shuts the engine down itself with ShutdownEngine before it
//    ends; for an exit() that comes first from elsewhere (the GUI toolkit
//    calls it when the display is gone), an exit guard registered after the
//    first attachment does the same before the client library's handler runs.
#pragma once

#include <chrono>

namespace brevant {

// How long the engine may take to stop before the process ends without it.
inline constexpr std::chrono::milliseconds kEngineShutdownBound{2000};

// Detaches every attachment this thread still holds (their started
// transactions are rolled back first), then shuts the engine down, waiting at
// most `bound`. Once called, the engine takes no new attachment in this
// process. Returns false when the engine did not stop in time: the process
// must then end through QuickExit, as the client library's exit handler would
// wait for it. True when it stopped, or was never loaded.
bool ShutdownEngine(std::chrono::milliseconds bound = kEngineShutdownBound);

// True once ShutdownEngine has run (by the program or by the exit guard).
bool EngineShutDown();

// Ends the process with `status` at once: standard output and error are
// flushed, no exit handler runs.
[[noreturn]] void QuickExit(int status);

} // namespace brevant
