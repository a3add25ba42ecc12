// Brevant Dira — `brevant-cli import [--format auto|native|csv] [--replace]
// FILE...`: the quote import.
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>

#include "cli/command_line.h"
#include "cli/interrupt.h"
#include "cli/open_store.h"
#include "cli/option_values.h"
#include "store/quote_import.h"

namespace brevant::cli {
namespace {

// A one-line progress display on stderr when it is a terminal: the file, the
// percent of bytes read, lines per second and the time left. The import
// reports at most ten times a second.
class ProgressLine {
public:
    ProgressLine() : enabled_(isatty(2) == 1) {}
    ~ProgressLine() { End(); }
    void Show(const ImportProgress& p) {
        if (!enabled_) return;
        std::fprintf(stderr, "\r\033[Kfile %d of %d (%s)  %s", p.File, p.Files, layout_.c_str(),
                     ProgressFigures(p).c_str());
        drawn_ = true;
    }
    void Say(const char* text) {
        if (!enabled_) return;
        std::fprintf(stderr, "\r\033[K%s", text);
        drawn_ = true;
    }
    void ShowLayout(const std::string& layout) { layout_ = layout; }
    // Leaves the line so that what follows starts on a line of its own.
    void End() {
        if (drawn_) std::fprintf(stderr, "\r\033[K");
        drawn_ = false;
    }

private:
    bool enabled_;
    bool drawn_ = false;
    std::string layout_;
};

// What is committed so far, for the words of an import a second signal ends
// at once: kept where the deadline's thread may read it.
std::atomic<int> filesStored{0};
std::atomic<long> linesStored{0};

std::string EndedAtOnce() {
    return "brevant-cli: interrupted at once: files " + std::to_string(filesStored.load()) +
           " lines " + std::to_string(linesStored.load()) +
           " stored, the file being read rolled back";
}

} // namespace

int RunImport(Context& ctx) {
    std::vector<std::string> files;
    QuoteFormatChoice format = QuoteFormatChoice::Auto;
    ImportMode mode = ImportMode::Add;
    const WordReader replace = [&mode](const std::string&) {
        mode = ImportMode::Replace;
        return std::string();
    };
    // A word that looks like an option is never opened as a file.
    const CommandSyntax syntax{"import",
                               OptionWords::Dash,
                               {{"--format", QuoteFormatValue("import", format)},
                                {"--replace", replace, OptionForm::Alone}},
                               [&](const std::string& file) {
                                   files.push_back(file);
                                   return std::string();
                               }};
    if (const std::string error = ReadCommandLine(syntax, ctx.args); !error.empty())
        return UsageError(error);
    if (files.empty()) return UsageError("import needs at least one FILE");
    CatchInterrupts(EndedAtOnce);
    TDataStore store;
    if (!OpenStore(ctx, store, true)) return 1;

    ImportResult result;
    {
        ProgressLine progress;
        ImportCallbacks callbacks;
        callbacks.fileLayout = [&](const std::string& layout) { progress.ShowLayout(layout); };
        callbacks.progress = [&](const ImportProgress& p) { progress.Show(p); };
        callbacks.organizing = [&] { progress.Say("Organizing Data.."); };
        // A signal stops after the current file; a second one cuts it off.
        callbacks.stopRequested = [] { return Interrupts() > 0; };
        callbacks.abandonRequested = [] { return Interrupts() > 1; };
        callbacks.fileDone = [](const FileCounts& counts) {
            if (!counts.Committed) return;
            ++filesStored;
            linesStored += counts.Lines;
        };
        TQuoteImport import(store, CliLocale().DecimalSeparator, callbacks, format, mode);
        result = import.Run(files);
    }
    // What each file gave, then what is stored, also when the import failed
    // part-way: the files before the failure stay stored.
    for (const FileCounts& counts : result.Files)
        std::fprintf(stderr, "%s\n", FileSummary(counts).c_str());
    std::printf("files %d lines %ld\n", result.FilesRead, result.LinesStored);
    std::fflush(stdout);
    if (result.Outcome != ImportOutcome::Completed) {
        std::fprintf(stderr, "%s\n", result.Message.c_str());
        return 1;
    }
    const bool refused = result.FilesRefused > 0;
    if (Interrupts() > 0) {
        std::fprintf(stderr, "brevant-cli: interrupted: files %d lines %ld stored%s\n",
                     result.FilesRead, result.LinesStored,
                     result.Abandoned ? ", the file being read rolled back" : "");
        return InterruptedStatus();
    }
    store.DB1.Disconnect();
    // The other files are stored, but a script must learn that one was not.
    return refused ? 1 : 0;
}

} // namespace brevant::cli
