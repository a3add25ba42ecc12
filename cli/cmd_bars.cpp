// Brevant Dira — `brevant-cli bars TEXT ...`: one stock's bars as CSV.
#include <charconv>
#include <cstdio>
#include <optional>
#include <system_error>

#include "cli/bar_calculations.h"
#include "cli/command_line.h"
#include "cli/open_store.h"
#include "cli/option_values.h"
#include "cli/overlay_options.h"
#include "store/indicator_settings.h"
#include "store/price_history.h"
#include "store/whole_history.h"
#include "ta/period_bars.h"

namespace brevant::cli {
namespace {

struct BarsOptions {
    std::optional<std::string> text;
    BarPeriod period = BarPeriod::Daily;
    std::vector<const CalculationInfo*> calculations;
    TOverlayParams overlay;
    std::vector<std::pair<std::string, std::string>> params;
    bool wholeHistory = false; // every stored day, not the newest 350
    bool adjusted = false;     // split-adjusted prices and volumes
};

bool IsParamKey(const std::string& key) {
    for (const IndicatorParamKey& k : kIndicatorParamKeys)
        if (k.key == key) return true;
    return false;
}

// KEY=VALUE: a key of the stored indicator periods and a period of at least 1.
std::string ReadParam(const std::string& v, BarsOptions& o) {
    const std::size_t eq = v.find('=');
    int value = 0;
    if (eq == std::string::npos || !IsParamKey(v.substr(0, eq)) ||
        !ReadWholeNumber(std::string_view(v).substr(eq + 1), 1, INT_MAX, value))
        return "bars: --param needs KEY=VALUE with a stored key and a period of at least 1, not " +
               v;
    o.params.emplace_back(v.substr(0, eq), v.substr(eq + 1));
    return {};
}

// Returns an empty string on success, otherwise the error.
std::string ReadBarsOptions(const std::vector<std::string>& args, BarsOptions& o) {
    TOverlayParams& overlay = o.overlay;
    const CommandSyntax syntax{
        "bars",
        OptionWords::DoubleDash,
        {
            {"--period", BarPeriodValue("bars", o.period)},
            {"--calc",
             [&](const std::string& v) {
                 std::string error;
                 if (!ResolveCalculations(v, o.calculations, error)) return "bars: " + error;
                 return std::string();
             }},
            {"--ma", MovingAveragesValue("bars", overlay)},
            {"--bb", BollingerValue("bars", overlay, BollingerWords::PeriodAndWidth)},
            {"--param", [&](const std::string& v) { return ReadParam(v, o); }},
            {"--history", HistoryValue("bars", o.wholeHistory)},
            {.name = "--adjusted", .value = SwitchValue(o.adjusted), .form = OptionForm::Alone},
        },
        OneText("bars", o.text)};
    if (std::string error = ReadCommandLine(syntax, args); !error.empty()) return error;
    if (!o.text) return MissingText("bars");
    return {};
}

void PrintBars(const TBars& bars) {
    for (std::size_t i = 0; i < kStockBarFields.size(); ++i) {
        if (i > 0) std::fputc(',', stdout);
        std::fwrite(kStockBarFields[i].name.data(), 1, kStockBarFields[i].name.size(), stdout);
    }
    std::fputc('\n', stdout);
    // Every digit a double holds, with a "." whatever the C library's locale.
    char number[64];
    for (const TStockBar& bar : bars) {
        for (std::size_t i = 0; i < kStockBarFields.size(); ++i) {
            if (i > 0) std::fputc(',', stdout);
            const auto [end, ec] =
                std::to_chars(number, number + sizeof number, bar.*kStockBarFields[i].member,
                              std::chars_format::general, 17);
            std::fwrite(number, 1, ec == std::errc() ? std::size_t(end - number) : 0, stdout);
        }
        std::fputc('\n', stdout);
    }
}

} // namespace

int RunBars(Context& ctx) {
    BarsOptions o;
    if (const std::string error = ReadBarsOptions(ctx.args, o); !error.empty())
        return UsageError(error);
    TDataStore store;
    if (!OpenStore(ctx, store, false)) return 1;
    TIndicatorParams params;
    LoadIndicatorParams(store, params);
    for (const auto& [key, value] : o.params) ApplyIndicatorRow(params, key, value);

    TBars bars;
    const std::string text = ListTextFromArgument(*o.text);
    if (o.wholeHistory) {
        LoadWholeHistory(store, text, o.adjusted, bars);
    } else {
        LoadDataForName(store, text, true, bars);
        if (o.adjusted) AdjustForSplits(bars, LoadSplitEvents(store, text));
    }
    // Daily bars are adjusted before they become weekly or monthly ones.
    ConvertToPeriod(bars, o.period);
    RunCalculations(o.calculations, bars, params, o.overlay);
    PrintBars(bars);
    store.DB1.Disconnect();
    return 0;
}

} // namespace brevant::cli
