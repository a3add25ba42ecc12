// Brevant Dira — standard output that its reader may close early
// (`brevant-cli scan | head -1`): the command notices and ends quietly.
#pragma once

#include <string>

namespace brevant::cli {

// A closed standard output no longer ends the process with SIGPIPE: writes
// fail instead, and the command decides. Call first thing in main().
void KeepRunningWhenOutputCloses();

// Writes `text` and a line feed to standard output.
void PrintLine(const std::string& text);

// True once a write to standard output has failed: its reader is gone.
bool OutputClosed();

} // namespace brevant::cli
