// Brevant Dira — what the command-line tool's commands share.
#include "cli/open_store.h"

#include <cstdio>
#include <filesystem>

#include "store/bootstrap.h"
#include "store/database_address.h"
#include "store/fbl_engine.h"
#include "store/stock_list.h"

namespace brevant::cli {

void ApplyLogin(const Context& ctx, TDataStore& store) {
    if (!IsServerAddress(ctx.dbPath)) return;
    store.DB1.User = ctx.login.User;
    store.DB1.Password = ctx.login.Password;
}

bool OpenStore(const Context& ctx, TDataStore& store, bool createMissing) {
    const bool onServer = IsServerAddress(ctx.dbPath);
    ApplyLogin(ctx, store);
    std::error_code ec;
    if (!onServer && !createMissing && !std::filesystem::exists(ctx.dbPath, ec)) {
        std::fprintf(stderr, "brevant-cli: no database at %s (run init or import first)\n",
                     ctx.dbPath.c_str());
        return false;
    }
    std::string error;
    if (!CheckFirebird(store, ctx.dbPath, ProgressCallbacks{}, &error)) {
        // The embedded engine keeps an open database to its own process.
        if (!onServer && DatabaseInUseElsewhere(ctx.dbPath, kDatabaseUser, kDatabasePassword))
            error = "it is in use by another program (a Brevant Dira window or another "
                    "brevant-cli); try again when that has ended";
        std::fprintf(stderr, "brevant-cli: cannot open %s: %s\n", ctx.dbPath.c_str(),
                     error.c_str());
        return false;
    }
    return true;
}

LocaleSettings CliLocale() {
    return WithProgramDates(LocaleSettings{});
}

std::string ListTextFromArgument(const std::string& text) {
    return text.find(',') == std::string::npos ? BareSymbolText(text) : text;
}

} // namespace brevant::cli
