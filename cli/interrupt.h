// Brevant Dira — SIGINT, SIGTERM and SIGHUP during a command that can stop
// at a safe point (import, scan).
#pragma once

namespace brevant::cli {

// From now on SIGINT, SIGTERM and SIGHUP no longer end the process: they are
// counted, and the running command reads the count at its safe points. The
// database layer keeps these handlers when the engine would take the
// signals for itself.
void CatchInterrupts();

// Signals counted since CatchInterrupts.
int Interrupts();

// The exit status after an interruption: 128 + the first signal's number
// (130 for SIGINT, 143 for SIGTERM); 0 when none arrived.
int InterruptedStatus();

} // namespace brevant::cli
