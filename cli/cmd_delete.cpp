// Brevant Dira — `brevant-cli delete TEXT [--from YYYY-MM-DD] [--to
// YYYY-MM-DD]`: one stock's quotes, dividends and splits deleted, all of them
// or those of a range of days.
#include <cstdio>
#include <optional>
#include <string>

#include "cli/command_line.h"
#include "cli/open_store.h"
#include "store/price_history.h"
#include "store/quote_changes.h"
#include "ta/day_date.h"

namespace brevant::cli {
namespace {

// "YYYY-MM-DD" of a real day, and nothing else.
WordReader DayValue(const char* option, std::optional<double>& day) {
    return [option, &day](const std::string& word) -> std::string {
        int year = 0, month = 0, dayOfMonth = 0;
        char end = 0;
        double date = 0;
        if (word.size() != 10 || word[4] != '-' || word[7] != '-' ||
            std::sscanf(word.c_str(), "%4d-%2d-%2d%c", &year, &month, &dayOfMonth, &end) != 3 ||
            !TryEncodeDate(year, month, dayOfMonth, date))
            return std::string("delete: ") + option + " needs a day as YYYY-MM-DD, not " + word;
        day = date;
        return {};
    };
}

std::string DayText(double day) {
    const CivilDate d = DecodeDate(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
    return text;
}

// " from 2026-01-05 to 2026-01-09", " from ...", " to ...", or nothing.
std::string RangeText(const DateRange& range) {
    std::string text;
    if (range.From) text += " from " + DayText(*range.From);
    if (range.To) text += " to " + DayText(*range.To);
    return text;
}

} // namespace

int RunDelete(Context& ctx) {
    std::optional<std::string> text;
    DateRange range;
    const CommandSyntax syntax{
        "delete",
        OptionWords::DoubleDash,
        {{"--from", DayValue("--from", range.From)}, {"--to", DayValue("--to", range.To)}},
        OneText("delete", text)};
    if (const std::string error = ReadCommandLine(syntax, ctx.args); !error.empty())
        return UsageError(error);
    if (!text) return UsageError(MissingText("delete"));
    if (range.From && range.To && *range.From > *range.To)
        return UsageError("delete: --from " + DayText(*range.From) + " is after --to " +
                          DayText(*range.To));
    const std::string symbol = HistoryKey(ListTextFromArgument(*text));
    if (symbol.empty()) return UsageError(MissingText("delete"));
    TDataStore store;
    if (!OpenStore(ctx, store, false)) return 1;
    const DeletedStock deleted = DeleteStock(store, symbol, range);
    store.DB1.Disconnect();
    if (deleted.Quotes == 0 && deleted.Actions == 0) {
        std::fprintf(stderr,
                     "brevant-cli: nothing to delete: no quotes, dividends or splits of %s%s\n",
                     symbol.c_str(), RangeText(range).c_str());
        return 1;
    }
    std::printf("quotes %ld actions %ld\n", deleted.Quotes, deleted.Actions);
    return 0;
}

} // namespace brevant::cli
