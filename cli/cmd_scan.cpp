// Brevant Dira — `brevant-cli scan`: screen the database with the filters.
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/interrupt.h"
#include "cli/open_store.h"
#include "cli/option_values.h"
#include "screen/result_file.h"
#include "screen/scan_run.h"
#include "store/stock_list.h"

namespace brevant::cli {
namespace {

// A whole number inside the filter dialog's limits for that value.
bool ReadValue(const std::string& text, const FilterValueRange& range, int& out) {
    return ReadWholeNumber(text, range.min, range.max, out);
}

std::string RangeText(const FilterValueRange& r) {
    return std::to_string(r.min) + " to " + std::to_string(r.max);
}

// `required` values, then an optional period, which is read into `period`.
bool HasValues(const std::vector<std::string>& parts, std::size_t required, BarPeriod& period) {
    if (parts.size() == required) return true;
    return parts.size() == required + 1 && ParseBarPeriod(parts.back(), period);
}

std::string ReadMacd(const std::string& value, ScanFilters& f) {
    f.macd = true;
    const std::vector<std::string> p = SplitList(value);
    if (!HasValues(p, 1, f.macdPeriod) || !ReadValue(p[0], kMacdDaysRange, f.macdDays))
        return "--macd N[,P]: N from " + RangeText(kMacdDaysRange) + ", P daily, weekly or monthly";
    return {};
}

std::string ReadMovingAverage(const std::string& value, ScanFilters& f) {
    f.movingAverage = true;
    const std::vector<std::string> p = SplitList(value);
    if (!HasValues(p, 3, f.maPeriod) || !ReadValue(p[0], kMaPeriod1Range, f.maPeriod1) ||
        !ReadValue(p[1], kMaPeriod2Range, f.maPeriod2) || !ReadValue(p[2], kMaDaysRange, f.maDays))
        return "--ma P1,P2,N[,P]: P1 from " + RangeText(kMaPeriod1Range) + ", P2 from " +
               RangeText(kMaPeriod2Range) + ", N from " + RangeText(kMaDaysRange);
    return {};
}

std::string ReadRsi(const std::string& value, ScanFilters& f) {
    f.rsi = true;
    const std::vector<std::string> p = SplitList(value);
    if (!HasValues(p, 3, f.rsiPeriod) || (p[0] != "above" && p[0] != "below") ||
        !ReadValue(p[1], kRsiLevelRange, f.rsiLevel) || !ReadValue(p[2], kRsiDaysRange, f.rsiDays))
        return "--rsi above|below,L,N[,P]: L from " + RangeText(kRsiLevelRange) + ", N from " +
               RangeText(kRsiDaysRange);
    f.rsiDirection = p[0] == "above" ? 0 : 1;
    return {};
}

std::string ReadVolume(const std::string& value, ScanFilters& f) {
    f.volume = true;
    const std::vector<std::string> p = SplitList(value);
    if (!HasValues(p, 1, f.volumePeriod) || !ReadValue(p[0], kVolumeRange, f.volumeThreshold))
        return "--volume V[,P]: V from " + RangeText(kVolumeRange);
    return {};
}

} // namespace

int RunScan(Context& ctx) {
    ScanFilters filters;
    std::string out;
    const CommandSyntax syntax{
        "scan",
        OptionWords::Every,
        {
            {"--macd", [&](const std::string& v) { return ReadMacd(v, filters); }},
            {"--ma", [&](const std::string& v) { return ReadMovingAverage(v, filters); }},
            {"--rsi", [&](const std::string& v) { return ReadRsi(v, filters); }},
            {"--volume", [&](const std::string& v) { return ReadVolume(v, filters); }},
            {"--out", TextValue(out)},
        },
        nullptr};
    if (const std::string error = ReadCommandLine(syntax, ctx.args); !error.empty())
        return UsageError(error);
    if (!filters.Any()) return UsageError(kScanNoFilterMessage);

    CatchInterrupts();
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
    cb.stopRequested = [] { return Interrupts() > 0; }; // after the current stock
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
    // Only a whole run makes a result file: a partial list would look complete.
    if (result.outcome == ScanOutcome::Completed && !out.empty())
        WriteScanResult(out, result.passed);
    std::fprintf(stderr, "processed %d from %d, successful %d, unsuccessful %d, insufficient %d\n",
                 c.processed, c.total, c.successful, c.unsuccessful, c.insufficient);
    store.DB1.Disconnect();
    if (result.outcome == ScanOutcome::Failed) return 1;
    return result.outcome == ScanOutcome::Stopped ? InterruptedStatus() : 0;
}

} // namespace brevant::cli
