// Brevant Dira — `brevant-cli settings [set NAME=VALUE...]`: the fifteen
// stored indicator periods, listed or changed with the checks the periods
// dialog makes.
#include <cstdio>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/open_store.h"
#include "store/indicator_settings.h"
#include "ta/indicator_ranges.h"

namespace brevant::cli {

int RunSettings(Context& ctx) {
    const std::vector<std::string>& args = ctx.args;
    const bool set = !args.empty() && args.front() == "set";
    if (!args.empty() && !set)
        return UsageError("settings takes nothing, or set NAME=VALUE..., not " + args.front());
    const std::vector<std::string> words(args.begin() + (set ? 1 : 0), args.end());
    if (set && words.empty()) return UsageError("settings set needs NAME=VALUE");
    // Every word is checked before the database is opened: one bad word and
    // nothing is stored.
    TIndicatorParams checked;
    if (const std::string error = ApplyIndicatorSettings(words, checked); !error.empty())
        return UsageError("settings: " + error + ": nothing stored");
    TDataStore store;
    if (!OpenStore(ctx, store, false)) return 1;
    TIndicatorParams params;
    LoadIndicatorParams(store, params);
    if (set) {
        const TIndicatorParams before = params;
        ApplyIndicatorSettings(words, params);
        SaveIndicatorParams(store, params, &before);
    }
    for (const IndicatorParamKey& k : kIndicatorParamKeys)
        std::printf("%s=%d\n", std::string(k.key).c_str(), params.*k.member);
    store.DB1.Disconnect();
    return 0;
}

} // namespace brevant::cli
