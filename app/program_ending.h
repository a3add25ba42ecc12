// Brevant Dira — how the windowed program ends, from wherever the request
// comes: closing the main window, a stop signal, the session's end.
#pragma once

namespace brevant {

struct TAppWindows;

// True while an import or a screening run works (its progress window is up
// and not yet "Complete").
bool OperationRunning(const TAppWindows& windows);

// Ends the program the way closing the main window does, but only once the
// work under way has reached its safe point: a running import stops after
// its current file and a screening run after its current stock (as their
// "Stop" does), every event loop running now returns and any opened later
// (a message box) returns at once; main() then closes the main window, which
// detaches the database, and ends the engine. The program exits with `status`.
void RequestProgramEnd(const TAppWindows& windows, int status);

// Ends the program now: the database is detached (the current import file's
// rows, not yet committed, are rolled back with it), the engine ended, the
// process gone with `status`. For a second stop signal.
[[noreturn]] void EndProgramNow(int status);

// The end of main(): closes the main window (detaching the database) unless
// it is closed already, ends the engine in bounded time and returns `status`
// for main() to return.
int FinishProgram(const TAppWindows& windows, int status);

} // namespace brevant
