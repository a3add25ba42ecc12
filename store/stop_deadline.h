// Brevant Dira — the end a second stop signal guarantees. The programs stop
// in an orderly way at their safe points; but a program waiting inside the
// database client library (for a server that stopped answering) never
// reaches one, and its window could not even be closed. A second signal
// therefore also arms a deadline that ends the process without them.
#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace brevant {

// How long the orderly way out has after a second stop signal: a rollback
// and the engine's end on a busy machine take a few seconds, and ending
// before them leaves orphan pages behind.
inline constexpr std::chrono::milliseconds kStopDeadline{5000};

// Starts the watch: a thread that sleeps until ArmStopDeadline. `lastWords`
// gives the line written on standard error when the deadline ends the
// process; it runs on the watch's thread while the rest of the program may be
// stuck, so it may read only atomics and values that never change. Call once,
// before the stop signals are caught; later calls do nothing.
void StartStopDeadline(std::function<std::string()> lastWords);

// For a signal handler (async-signal-safe): unless the process has ended
// kStopDeadline from now, it ends then, with `status`, after its last words.
// Does nothing before StartStopDeadline or when armed already.
void ArmStopDeadline(int status) noexcept;

} // namespace brevant
