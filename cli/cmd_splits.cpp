// Brevant Dira — `brevant-cli splits`: the recorded split and dividend actions.
#include <cstdio>

#include "cli/command_line.h"
#include "cli/open_store.h"
#include "store/split_list.h"

namespace brevant::cli {

int RunSplits(Context& ctx) {
    if (const std::string error = ReadCommandLine(NoArguments("splits"), ctx.args); !error.empty())
        return UsageError(error);
    TDataStore store;
    if (!OpenStore(ctx, store, false)) return 1;
    for (const TSplitGridRow& row : LoadSplitGrid(store, CliLocale())) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) std::fputc('\t', stdout);
            std::fwrite(row[i].data(), 1, row[i].size(), stdout);
        }
        std::fputc('\n', stdout);
    }
    store.DB1.Disconnect();
    return 0;
}

} // namespace brevant::cli
