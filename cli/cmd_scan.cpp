// Brevant Dira — `brevant-cli scan`: screen the database with the filters,
// one screen from the command line or many from a screens file.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/interrupt.h"
#include "cli/open_store.h"
#include "cli/output.h"
#include "cli/scan_options.h"
#include "cli/scan_progress.h"
#include "screen/result_file.h"
#include "screen/scan_run.h"
#include "store/bar_cache.h"
#include "store/stock_list.h"

namespace brevant::cli {
namespace {

void PrintCounters(const char* prefix, const ScanCounters& c) {
    std::fprintf(stderr,
                 "%sprocessed %d from %d, successful %d, unsuccessful %d, insufficient %d\n",
                 prefix, c.processed, c.total, c.successful, c.unsuccessful, c.insufficient);
}

// What every run reports: the progress line on a terminal. A signal stops
// the run after the current stock, or at once while the prices are still read.
ScanCallbacks RunCallbacks(ScanProgressLine& progress) {
    ScanCallbacks cb;
    cb.reading = [&progress](long rows, long expected) { progress.Reading(rows, expected); };
    cb.progress = [&progress](const ScanCounters& c) { progress.Stocks(c.processed, c.total); };
    // A reader that has gone (scan | head -1) needs no more stocks.
    cb.stopRequested = [] { return Interrupts() > 0 || OutputClosed(); };
    return cb;
}

// What a second signal says when the scan had to be ended at once.
std::string CutOffWords() {
    return "brevant-cli: interrupted at once: the scan was cut off, nothing was written";
}

// A failed run exits 1; a run stopped by a signal 128 + the signal.
int ScanStatus(ScanOutcome outcome) {
    if (outcome == ScanOutcome::Failed) return 1;
    return outcome == ScanOutcome::Stopped ? InterruptedStatus() : 0;
}

// The reader of standard output has gone: nothing more to say to anyone.
int QuietEnd(TDataStore& store) {
    store.DB1.Disconnect();
    return 0;
}

// The stock list, read as the window reads it at start-up.
std::vector<std::string> StockListItems(TDataStore& store, TIndicatorParams& params) {
    TStockList list;
    LoadStockList(store, list, params, ProgressCallbacks{});
    return std::move(list.Items);
}

int ScanOnce(Context& ctx, const ScanFilters& filters, const std::string& out) {
    CatchInterrupts(CutOffWords);
    TDataStore store;
    if (!OpenStore(ctx, store, false)) return 1;
    TIndicatorParams params;
    const std::vector<std::string> items = StockListItems(store, params);

    // One pass over the quote table reads every stock faster than a query
    // per stock; the cache lives as long as the command.
    TBarCache cache;
    ScanResult result;
    {
        ScanProgressLine progress;
        ScanCallbacks cb = RunCallbacks(progress);
        cb.passed = PrintLine;
        result = brevant::RunScan(store, items, params, filters, cb, &cache);
    }
    if (result.outcome == ScanOutcome::EmptyDatabase) {
        std::fprintf(stderr, "brevant-cli: %s\n", kScanEmptyDatabaseMessage);
        return 1;
    }
    if (OutputClosed() && Interrupts() == 0) return QuietEnd(store);
    if (result.outcome == ScanOutcome::Failed)
        std::fprintf(stderr, "brevant-cli: %s\n", result.error.c_str());
    // Only a whole run makes a result file: a partial list would look complete.
    if (result.outcome == ScanOutcome::Completed && !out.empty())
        WriteScanResult(out, result.passed);
    PrintCounters("", result.counters);
    store.DB1.Disconnect();
    return ScanStatus(result.outcome);
}

int ScanScreens(Context& ctx, const std::vector<ScreenLine>& lines) {
    CatchInterrupts(CutOffWords);
    TDataStore store;
    if (!OpenStore(ctx, store, false)) return 1;
    TIndicatorParams params;
    const std::vector<std::string> items = StockListItems(store, params);

    std::vector<ScanFilters> screens;
    for (const ScreenLine& line : lines) screens.push_back(line.filters);
    TBarCache cache;
    ScreensResult result;
    {
        ScanProgressLine progress;
        result = RunScreens(store, items, params, screens, RunCallbacks(progress), &cache);
    }
    if (result.outcome == ScanOutcome::EmptyDatabase) {
        std::fprintf(stderr, "brevant-cli: %s\n", kScanEmptyDatabaseMessage);
        return 1;
    }
    if (OutputClosed() && Interrupts() == 0) return QuietEnd(store);
    if (result.outcome == ScanOutcome::Failed)
        std::fprintf(stderr, "brevant-cli: %s\n", result.error.c_str());
    // Each screen under a header naming its line; "#" keeps the output a
    // valid screens file's comment.
    for (std::size_t s = 0; s < lines.size(); ++s) {
        const std::string header =
            "# line " + std::to_string(lines[s].number) + ": " + lines[s].text;
        PrintLine(header);
        for (const std::string& text : result.screens[s].passed) PrintLine(text);
        PrintCounters(("line " + std::to_string(lines[s].number) + ": ").c_str(),
                      result.screens[s].counters);
    }
    store.DB1.Disconnect();
    return ScanStatus(result.outcome);
}

} // namespace

int RunScan(Context& ctx) {
    ScanFilters filters;
    std::string out, screensFile;
    std::vector<CommandOption> options = FilterOptions(filters);
    options.push_back({"--out", TextValue(out)});
    options.push_back({"--screens", TextValue(screensFile)});
    const CommandSyntax syntax{"scan", OptionWords::Every, options, nullptr};
    if (const std::string error = ReadCommandLine(syntax, ctx.args); !error.empty())
        return UsageError(error);

    if (screensFile.empty()) {
        if (!filters.Any()) return UsageError(kScanNoFilterMessage);
        if (!out.empty() && IsTheDatabase(ctx, out))
            return UsageError("scan: --out " + out + " is the database itself; name another file");
        return ScanOnce(ctx, filters, out);
    }
    if (filters.Any())
        return UsageError("scan: --screens takes every filter from its file; give none beside it");
    if (!out.empty())
        return UsageError("scan: --out saves one screen's result; it cannot go with --screens");
    // Every line is read before anything runs: a bad one stops the command.
    std::vector<ScreenLine> lines;
    if (const std::string error = ReadScreensFile(screensFile, lines); !error.empty())
        return UsageError(error);
    return ScanScreens(ctx, lines);
}

} // namespace brevant::cli
