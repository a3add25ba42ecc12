// Brevant Dira — what the command-line tool's commands share.
#include "cli/open_store.h"

#include <cstdio>
#include <filesystem>

#include "store/bootstrap.h"
#include "store/database_address.h"
#include "store/stock_list.h"

namespace brevant::cli {

void ApplyLogin(const Context& ctx, TDataStore& store) {
    if (!IsServerAddress(ctx.dbPath)) return;
    store.DB1.User = ctx.login.User;
    store.DB1.Password = ctx.login.Password;
}

bool OpenStore(const Context& ctx, TDataStore& store, bool createMissing) {
    ApplyLogin(ctx, store);
    const OpenResult opened =
        CheckFirebird(store, ctx.dbPath, ProgressCallbacks{},
                      createMissing ? WhenMissing::Create : WhenMissing::Refuse);
    std::string reason = opened.Message;
    switch (opened.Failure) {
    case OpenFailure::None:
        return true;
    case OpenFailure::Missing:
        std::fprintf(stderr, "brevant-cli: no database at %s (run init or import first)\n",
                     ctx.dbPath.c_str());
        return false;
    case OpenFailure::InUseElsewhere:
        reason = "it is in use by another program (a Brevant Dira window or another "
                 "brevant-cli); try again when that has ended";
        break;
    case OpenFailure::LoginRefused:
    case OpenFailure::Unreachable:
    case OpenFailure::LocalPathWithColon:
    case OpenFailure::Other:
        break;
    }
    std::fprintf(stderr, "brevant-cli: cannot open %s: %s\n", ctx.dbPath.c_str(), reason.c_str());
    return false;
}

bool IsTheDatabase(const Context& ctx, const std::string& path) {
    if (IsServerAddress(ctx.dbPath)) return false;
    std::error_code ec;
    return std::filesystem::equivalent(path, ctx.dbPath, ec);
}

LocaleSettings CliLocale() {
    return WithProgramDates(LocaleSettings{});
}

std::string ListTextFromArgument(const std::string& text) {
    // "BRK,B" is a symbol with a comma; a stored symbol never has a blank
    // beside one, so ", " marks a list text ("Acme Corp , ACM", "Acme, ACM").
    return text.find(", ") == std::string::npos ? BareSymbolText(text) : text;
}

} // namespace brevant::cli
