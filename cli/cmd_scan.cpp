// Brevant Dira — `brevant-cli scan`: screen the database with the filters,
// one screen from the command line or many from a screens file.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/interrupt.h"
#include "cli/offscreen_app.h"
#include "cli/open_store.h"
#include "cli/option_values.h"
#include "cli/scan_options.h"
#include "cli/scan_progress.h"
#include "screen/backtest.h"
#include "screen/backtest_report.h"
#include "screen/render/backtest_plot.h"
#include "screen/result_file.h"
#include "screen/scan_run.h"
#include "store/bar_cache.h"
#include "store/stock_list.h"
#include "ta/day_date.h"

namespace brevant::cli {
namespace {

void PrintLine(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

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
    cb.stopRequested = [] { return Interrupts() > 0; };
    return cb;
}

// A failed run exits 1; a run stopped by a signal 128 + the signal.
int ScanStatus(ScanOutcome outcome) {
    if (outcome == ScanOutcome::Failed) return 1;
    return outcome == ScanOutcome::Stopped ? InterruptedStatus() : 0;
}

// The stock list, read as the window reads it at start-up.
std::vector<std::string> StockListItems(TDataStore& store, TIndicatorParams& params) {
    TStockList list;
    LoadStockList(store, list, params, ProgressCallbacks{});
    return std::move(list.Items);
}

int ScanOnce(Context& ctx, const ScanFilters& filters, const std::string& out) {
    CatchInterrupts();
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
    CatchInterrupts();
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

// What --backtest asks for, beside the formula.
struct BacktestOptions {
    int days = 0; // 0: no back-test
    bool holdsGiven = false;
    std::vector<int> holds = kDefaultHolds;
    std::string csv, png;
};

std::string ReadHolds(const std::string& value, std::vector<int>& holds) {
    holds.clear();
    for (const std::string& part : SplitList(value)) {
        int h = 0;
        if (!ReadWholeNumber(part, 1, kBacktestMaxHold, h) ||
            std::find(holds.begin(), holds.end(), h) != holds.end() || holds.size() == 10)
            return "--hold H,...: up to 10 different holding periods from 1 to " +
                   std::to_string(kBacktestMaxHold) + " bars, not " + value;
        holds.push_back(h);
    }
    return {};
}

std::string DateText(double day) {
    const CivilDate c = DecodeDate(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", c.year, c.month, c.day);
    return text;
}

void PrintBacktest(const BacktestSettings& settings, const BacktestFigures& f) {
    std::printf("# back-test: %s (%s bars)\n", settings.formula->text.c_str(),
                std::string(BarPeriodName(settings.period)).c_str());
    if (f.days.empty()) {
        std::printf("# no day to test: the database has no bars\n");
        return;
    }
    std::printf("# %zu days, %s to %s; short of data on %ld of %ld stock-days\n", f.days.size(),
                DateText(f.days.front()).c_str(), DateText(f.days.back()).c_str(), f.shortOfData,
                f.stockDays);
    const std::string table = BacktestTable(f);
    std::fwrite(table.data(), 1, table.size(), stdout);
}

int ScanBacktest(Context& ctx, const BacktestSettings& settings, const BacktestOptions& o) {
    CatchInterrupts();
    TDataStore store;
    if (!OpenStore(ctx, store, false)) return 1;
    TIndicatorParams params;
    const std::vector<std::string> items = StockListItems(store, params);
    TBarCache cache;
    BacktestResult result;
    {
        ScanProgressLine progress;
        result = RunBacktest(store, items, params, settings, RunCallbacks(progress), cache);
    }
    store.DB1.Disconnect();
    if (result.outcome == ScanOutcome::EmptyDatabase) {
        std::fprintf(stderr, "brevant-cli: %s\n", kScanEmptyDatabaseMessage);
        return 1;
    }
    if (result.outcome == ScanOutcome::Failed)
        std::fprintf(stderr, "brevant-cli: %s\n", result.error.c_str());
    // Figures of part of the stocks would read as the whole database's.
    if (result.outcome != ScanOutcome::Completed) return ScanStatus(result.outcome);
    PrintBacktest(settings, result.figures);
    std::fflush(stdout);
    if (!o.csv.empty()) WriteBacktestCsv(o.csv, result.figures, settings.holds, items);
    if (!o.png.empty()) {
        OffscreenApp app;
        if (!SaveBacktestPng(result.figures, settings.holds, o.png, 1200, 700)) {
            std::fprintf(stderr, "brevant-cli: cannot write %s\n", o.png.c_str());
            return 1;
        }
    }
    return 0;
}

// The checks of --backtest against the other options; empty when they fit.
std::string CheckBacktest(const ScanFilters& filters, const BacktestOptions& o,
                          const std::string& out, const std::string& screensFile) {
    if (o.days == 0) {
        if (o.holdsGiven || !o.csv.empty() || !o.png.empty())
            return "scan: --hold, --csv and --png go with --backtest";
        return {};
    }
    if (!screensFile.empty()) return "scan: --backtest tests one --where formula, not --screens";
    if (!filters.formula) return "scan: --backtest needs --where FORMULA";
    if (filters.macd || filters.movingAverage || filters.rsi || filters.volume)
        return "scan: --backtest tests the --where formula alone; give no filter beside it";
    if (!out.empty()) return "scan: --out saves one screen's result; --csv saves the back-test's";
    return {};
}

} // namespace

int RunScan(Context& ctx) {
    ScanFilters filters;
    std::string out, screensFile;
    bool periodGiven = false;
    BacktestOptions backtest;
    std::vector<CommandOption> options = FilterOptions(filters, periodGiven);
    options.push_back({"--out", TextValue(out)});
    options.push_back({"--screens", TextValue(screensFile)});
    options.push_back({"--backtest", [&backtest](const std::string& v) -> std::string {
                           if (ReadWholeNumber(v, 1, kBacktestMaxDays, backtest.days)) return {};
                           return "--backtest DAYS: from 1 to " + std::to_string(kBacktestMaxDays);
                       }});
    options.push_back({"--hold", [&backtest](const std::string& v) {
                           backtest.holdsGiven = true;
                           return ReadHolds(v, backtest.holds);
                       }});
    options.push_back({"--csv", TextValue(backtest.csv)});
    options.push_back({"--png", TextValue(backtest.png)});
    const CommandSyntax syntax{"scan", OptionWords::Every, options, nullptr};
    if (const std::string error = ReadCommandLine(syntax, ctx.args); !error.empty())
        return UsageError(error);
    if (const std::string error = CheckFormulaPeriod(filters, periodGiven); !error.empty())
        return UsageError("scan: " + error);
    if (const std::string error = CheckBacktest(filters, backtest, out, screensFile);
        !error.empty())
        return UsageError(error);
    if (backtest.days > 0)
        return ScanBacktest(
            ctx, {filters.formula, filters.formulaPeriod, backtest.days, backtest.holds}, backtest);

    if (screensFile.empty()) {
        if (!filters.Any()) return UsageError(kScanNoFilterMessage);
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
