// Brevant Dira — SIGINT, SIGTERM and SIGHUP during a command that can stop
// at a safe point (import, scan).
#pragma once

#include <functional>
#include <string>

namespace brevant::cli {

// From now on SIGINT, SIGTERM and SIGHUP no longer end the process: they are
// counted, and the running command reads the count at its safe points. The
// database layer keeps these handlers when the engine would take the
// signals for itself. A second signal also ends the process at once when
// the command has not ended in an orderly way within kStopDeadline (it is
// waiting inside the client library for a server that does not answer):
// with InterruptedStatus, after the line `lastWords` gives (see
// store/stop_deadline.h for what it may touch).
void CatchInterrupts(std::function<std::string()> lastWords);

// Signals counted since CatchInterrupts.
int Interrupts();

// The exit status after an interruption: 128 + the first signal's number
// (130 for SIGINT, 143 for SIGTERM); 0 when none arrived.
int InterruptedStatus();

} // namespace brevant::cli
