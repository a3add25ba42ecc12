// Brevant Dira — `brevant-cli init`: open or create the database.
#include <cstdio>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/open_store.h"
#include "store/bootstrap.h"

namespace brevant::cli {

int RunInit(Context& ctx) {
    if (const std::string error = ReadCommandLine(NoArguments("init"), ctx.args); !error.empty())
        return UsageError(error);
    TDataStore store;
    ApplyLogin(ctx, store);
    ProgressCallbacks progress;
    progress.status = [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); };
    if (const OpenResult opened = CheckFirebird(store, ctx.dbPath, progress); !opened) {
        // Every kind in the store's own words.
        std::fprintf(stderr, "brevant-cli: cannot open or create %s: %s\n", ctx.dbPath.c_str(),
                     opened.Message.c_str());
        return 1;
    }
    store.DB1.Disconnect();
    return 0;
}

} // namespace brevant::cli
