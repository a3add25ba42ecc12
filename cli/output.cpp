// Brevant Dira — standard output that its reader may close early.
#include "cli/output.h"

#include <signal.h>

#include <cstdio>

namespace brevant::cli {

void KeepRunningWhenOutputCloses() {
    signal(SIGPIPE, SIG_IGN);
}

void PrintLine(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

bool OutputClosed() {
    return std::ferror(stdout) != 0;
}

} // namespace brevant::cli
