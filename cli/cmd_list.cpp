// Brevant Dira — `brevant-cli list`: the all-stock list.
#include <cstdio>

#include "cli/command_line.h"
#include "cli/open_store.h"
#include "store/stock_list.h"

namespace brevant::cli {

int RunList(Context& ctx) {
    if (const std::string error = ReadCommandLine(NoArguments("list"), ctx.args); !error.empty())
        return UsageError(error);
    TDataStore store;
    if (!OpenStore(ctx, store, false)) return 1;
    TStockList list;
    TIndicatorParams params;
    LoadStockList(store, list, params, ProgressCallbacks{});
    for (const std::string& item : list.Items) {
        std::fwrite(item.data(), 1, item.size(), stdout);
        std::fputc('\n', stdout);
    }
    store.DB1.Disconnect();
    return 0;
}

} // namespace brevant::cli
