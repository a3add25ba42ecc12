// Test helper: runs the first STEPS steps of the database bootstrap on DB and
// then ends the process at once, attached and without cleaning up, as a
// creation cut off by a crash or a kill would. usage: cut_bootstrap DB STEPS
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "store/bootstrap.h"

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const std::string path = argv[1];
    const std::size_t steps = std::strtoul(argv[2], nullptr, 10);
    brevant::TDataStore store;
    const brevant::ProgressCallbacks progress;
    brevant::BootstrapContext context{store, path, progress, {}};
    try {
        for (std::size_t i = 0; i < steps && i < brevant::BootstrapSteps().size(); ++i)
            brevant::BootstrapSteps()[i].run(context);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        _exit(1);
    }
    _exit(0);
}
