// Brevant Dira — one run of the windowed program, from the command line to
// its exit status.
#pragma once

#include <functional>

namespace brevant {

struct TAppWindows;

// Called once the windows exist, right before the event loop starts; a test
// driver uses it to lead the running program somewhere (a dialog, an import).
using TProgramHook = std::function<void(const TAppWindows&)>;

// Parses the command line, creates the windows, runs the event loop and ends
// the program: the database detached and the engine ended whichever way the
// end came (the main window closed, a stop signal). Returns the exit status:
// 0 after a close, 128 + the signal's number after a stop signal.
int RunProgram(int argc, char** argv, const TProgramHook& hook = {});

} // namespace brevant
