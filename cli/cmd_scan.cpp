// Brevant Dira — `brevant-cli scan`: screen the database with the filters.
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/open_store.h"
#include "screen/result_file.h"
#include "screen/scan_run.h"
#include "store/stock_list.h"

namespace brevant::cli {
namespace {

std::vector<std::string> SplitCommas(const std::string& s) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (;;) {
        const std::size_t comma = s.find(',', from);
        parts.push_back(s.substr(from, comma == std::string::npos ? comma : comma - from));
        if (comma == std::string::npos) return parts;
        from = comma + 1;
    }
}

// A whole number inside the filter dialog's limits for that value.
bool ParseValue(const std::string& s, const FilterValueRange& range, int& out) {
    long long v = 0;
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || ptr != s.data() + s.size() || s.empty() || !range.Contains(v))
        return false;
    out = static_cast<int>(v);
    return true;
}

std::string RangeText(const FilterValueRange& r) {
    return std::to_string(r.min) + " to " + std::to_string(r.max);
}

// Fills `f` from one option; returns an error text, empty when fine.
std::string ParseFilter(const std::string& option, const std::string& value, ScanFilters& f) {
    std::vector<std::string> p = SplitCommas(value);
    auto period = [&](std::size_t required, BarPeriod& out) -> bool {
        if (p.size() == required) return true;
        return p.size() == required + 1 && ParseBarPeriod(p.back(), out);
    };
    if (option == "--macd") {
        f.macd = true;
        if (!period(1, f.macdPeriod) || !ParseValue(p[0], kMacdDaysRange, f.macdDays))
            return "--macd N[,P]: N from " + RangeText(kMacdDaysRange) +
                   ", P daily, weekly or monthly";
    } else if (option == "--ma") {
        f.movingAverage = true;
        if (p.size() < 3 || !period(3, f.maPeriod) ||
            !ParseValue(p[0], kMaPeriod1Range, f.maPeriod1) ||
            !ParseValue(p[1], kMaPeriod2Range, f.maPeriod2) ||
            !ParseValue(p[2], kMaDaysRange, f.maDays))
            return "--ma P1,P2,N[,P]: P1 from " + RangeText(kMaPeriod1Range) + ", P2 from " +
                   RangeText(kMaPeriod2Range) + ", N from " + RangeText(kMaDaysRange);
    } else if (option == "--rsi") {
        f.rsi = true;
        if (p.size() < 3 || !period(3, f.rsiPeriod) || (p[0] != "above" && p[0] != "below") ||
            !ParseValue(p[1], kRsiLevelRange, f.rsiLevel) ||
            !ParseValue(p[2], kRsiDaysRange, f.rsiDays))
            return "--rsi above|below,L,N[,P]: L from " + RangeText(kRsiLevelRange) + ", N from " +
                   RangeText(kRsiDaysRange);
        f.rsiDirection = p[0] == "above" ? 0 : 1;
    } else if (option == "--volume") {
        f.volume = true;
        if (!period(1, f.volumePeriod) || !ParseValue(p[0], kVolumeRange, f.volumeThreshold))
            return "--volume V[,P]: V from " + RangeText(kVolumeRange);
    } else {
        return "scan: unknown option " + option;
    }
    return {};
}

} // namespace

int RunScan(Context& ctx) {
    ScanFilters filters;
    std::string out;
    for (std::size_t i = 0; i < ctx.args.size(); ++i) {
        const std::string& a = ctx.args[i];
        if (i + 1 >= ctx.args.size()) return UsageError("scan: " + a + " needs a value");
        const std::string& value = ctx.args[++i];
        if (a == "--out") {
            out = value;
            continue;
        }
        if (const std::string error = ParseFilter(a, value, filters); !error.empty())
            return UsageError(error);
    }
    if (!filters.Any()) return UsageError(kScanNoFilterMessage);

    TDataStore store;
    if (!OpenStore(ctx, store, false)) return 1;
    TStockList list;
    TIndicatorParams params;
    LoadStockList(store, list, params, ProgressCallbacks{});

    const bool terminal = isatty(STDERR_FILENO);
    ScanCallbacks cb;
    cb.passed = [](const std::string& text) {
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fputc('\n', stdout);
    };
    if (terminal)
        cb.progress = [](const ScanCounters& c) {
            std::fprintf(stderr, "\r%d from %d", c.processed, c.total);
        };
    const ScanResult result = brevant::RunScan(store, list.Items, params, filters, cb);
    if (terminal) std::fputc('\n', stderr);
    if (result.outcome == ScanOutcome::EmptyDatabase) {
        std::fprintf(stderr, "brevant-cli: %s\n", kScanEmptyDatabaseMessage);
        return 1;
    }
    const ScanCounters& c = result.counters;
    if (result.outcome == ScanOutcome::Failed)
        std::fprintf(stderr, "brevant-cli: %s\n", result.error.c_str());
    if (!out.empty()) WriteScanResult(out, result.passed);
    std::fprintf(stderr, "processed %d from %d, successful %d, unsuccessful %d, insufficient %d\n",
                 c.processed, c.total, c.successful, c.unsuccessful, c.insufficient);
    store.DB1.Disconnect();
    return result.outcome == ScanOutcome::Failed ? 1 : 0;
}

} // namespace brevant::cli
