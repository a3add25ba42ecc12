// Brevant Dira — `brevant-cli bars TEXT ...`: one stock's bars as CSV.
#include <charconv>
#include <cstdio>

#include "cli/bar_calculations.h"
#include "cli/open_store.h"
#include "store/indicator_settings.h"
#include "store/price_history.h"
#include "store/stock_list.h"
#include "ta/period_bars.h"

namespace brevant::cli {
namespace {

struct BarsOptions {
    std::string text;
    BarPeriod period = BarPeriod::Daily;
    std::vector<const CalculationInfo*> calculations;
    TOverlayParams overlay;
    std::vector<std::pair<std::string, std::string>> params;
};

bool ParseInt(const std::string& s, int low, int& out) {
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && ptr == s.data() + s.size() && !s.empty() && out >= low;
}

// "a,b[,c]" of whole numbers, each at least the given minimum.
bool ParseInts(const std::string& s, std::vector<int*> out, std::vector<int> low) {
    std::size_t from = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        std::size_t comma = s.find(',', from);
        const bool last = i + 1 == out.size();
        if (last != (comma == std::string::npos)) return false;
        if (last) comma = s.size();
        if (!ParseInt(s.substr(from, comma - from), low[i], *out[i])) return false;
        from = comma + 1;
    }
    return true;
}

bool IsParamKey(const std::string& key) {
    for (const IndicatorParamKey& k : kIndicatorParamKeys)
        if (k.key == key) return true;
    return false;
}

// Returns an empty string on success, otherwise the error.
std::string ParseBarsOptions(const std::vector<std::string>& args, BarsOptions& o) {
    bool haveText = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool option = a.size() > 2 && a.compare(0, 2, "--") == 0;
        if (!option) {
            if (haveText) return "bars takes one TEXT, got another: " + a;
            o.text = a;
            haveText = true;
            continue;
        }
        if (i + 1 >= args.size()) return "bars: " + a + " needs a value";
        const std::string& v = args[++i];
        if (a == "--period") {
            if (!ParseBarPeriod(v, o.period))
                return "bars: --period must be daily, weekly or monthly, not " + v;
        } else if (a == "--calc") {
            std::string error;
            if (!ResolveCalculations(v, o.calculations, error)) return "bars: " + error;
        } else if (a == "--ma") {
            if (!ParseInts(v, {&o.overlay.MA1, &o.overlay.MA2, &o.overlay.MA3}, {1, 1, 1}))
                return "bars: --ma needs three periods P1,P2,P3 of at least 1, not " + v;
        } else if (a == "--bb") {
            if (!ParseInts(v, {&o.overlay.BBPeriod, &o.overlay.BBWidth}, {1, 0}))
                return "bars: --bb needs N,K (N at least 1, K at least 0), not " + v;
        } else if (a == "--param") {
            const std::size_t eq = v.find('=');
            int value = 0;
            if (eq == std::string::npos || !IsParamKey(v.substr(0, eq)) ||
                !ParseInt(v.substr(eq + 1), 1, value))
                return "bars: --param needs KEY=VALUE with a stored key and a period of at "
                       "least 1, not " +
                       v;
            o.params.emplace_back(v.substr(0, eq), v.substr(eq + 1));
        } else {
            return "bars: unknown option " + a;
        }
    }
    if (!haveText) return "bars needs TEXT (a list text or a symbol)";
    return "";
}

void PrintBars(const TBars& bars) {
    for (std::size_t i = 0; i < kStockBarFields.size(); ++i) {
        if (i > 0) std::fputc(',', stdout);
        std::fwrite(kStockBarFields[i].name.data(), 1, kStockBarFields[i].name.size(), stdout);
    }
    std::fputc('\n', stdout);
    for (const TStockBar& bar : bars) {
        for (std::size_t i = 0; i < kStockBarFields.size(); ++i)
            std::printf(i == 0 ? "%.17g" : ",%.17g", bar.*kStockBarFields[i].member);
        std::fputc('\n', stdout);
    }
}

} // namespace

int RunBars(Context& ctx) {
    BarsOptions o;
    if (const std::string error = ParseBarsOptions(ctx.args, o); !error.empty())
        return UsageError(error);
    TDataStore store;
    if (!OpenStore(ctx, store, false)) return 1;
    TIndicatorParams params;
    LoadIndicatorParams(store, params);
    for (const auto& [key, value] : o.params) ApplyIndicatorRow(params, key, value);

    // A bare symbol is turned into a text whose symbol part it is.
    const std::string text =
        o.text.find(',') == std::string::npos ? BareSymbolText(o.text) : o.text;
    TBars bars;
    LoadDataForName(store, text, true, bars);
    ConvertToPeriod(bars, o.period);
    RunCalculations(o.calculations, bars, params, o.overlay);
    PrintBars(bars);
    store.DB1.Disconnect();
    return 0;
}

} // namespace brevant::cli
