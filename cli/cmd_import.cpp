// Brevant Dira — `brevant-cli import FILE...`: the quote import.
#include <unistd.h>

#include <chrono>
#include <cstdio>

#include "cli/command_line.h"
#include "cli/interrupt.h"
#include "cli/open_store.h"
#include "store/quote_import.h"

namespace brevant::cli {
namespace {

// A one-line progress display on stderr, redrawn at most ten times a second.
class ProgressLine {
public:
    explicit ProgressLine(std::size_t files) : files_(files), enabled_(isatty(2) == 1) {}
    ~ProgressLine() {
        if (drawn_) std::fputc('\n', stderr);
    }
    void File(int number) {
        file_ = number;
        Draw(true);
    }
    void Line(long number) {
        line_ = number;
        Draw(false);
    }
    void Say(const char* text) {
        if (!enabled_) return;
        std::fprintf(stderr, "\r\033[K%s", text);
        drawn_ = true;
    }

private:
    void Draw(bool force) {
        if (!enabled_) return;
        const auto now = std::chrono::steady_clock::now();
        if (!force && now - last_ < std::chrono::milliseconds(100)) return;
        last_ = now;
        std::fprintf(stderr, "\r\033[Kfile %d of %zu, line %ld", file_, files_, line_);
        drawn_ = true;
    }

    std::size_t files_;
    bool enabled_;
    bool drawn_ = false;
    int file_ = 0;
    long line_ = 0;
    std::chrono::steady_clock::time_point last_{};
};

} // namespace

int RunImport(Context& ctx) {
    std::vector<std::string> files;
    // No options: a word that looks like one is refused rather than opened.
    const CommandSyntax syntax{"import", OptionWords::Dash, {}, [&](const std::string& file) {
                                   files.push_back(file);
                                   return std::string();
                               }};
    if (const std::string error = ReadCommandLine(syntax, ctx.args); !error.empty())
        return UsageError(error);
    if (files.empty()) return UsageError("import needs at least one FILE");
    CatchInterrupts();
    TDataStore store;
    if (!OpenStore(ctx, store, true)) return 1;

    ImportResult result;
    {
        ProgressLine progress(files.size());
        ImportCallbacks callbacks;
        callbacks.fileNumber = [&](int n) { progress.File(n); };
        callbacks.lineNumber = [&](long n) { progress.Line(n); };
        callbacks.organizing = [&] { progress.Say("Organizing Data.."); };
        // A signal stops after the current file; a second one cuts it off.
        callbacks.stopRequested = [] { return Interrupts() > 0; };
        callbacks.abandonFile = [] { return Interrupts() > 1; };
        TQuoteImport import(store, CliLocale().DecimalSeparator, callbacks);
        result = import.Run(files);
    }
    if (result.Outcome != ImportOutcome::Completed) {
        std::fprintf(stderr, "%s\n", result.Message.c_str());
        return 1;
    }
    if (Interrupts() > 0) {
        std::fprintf(stderr, "brevant-cli: interrupted: files %d lines %ld stored%s\n",
                     result.FilesRead, result.LinesStored,
                     result.Abandoned ? ", the file being read rolled back" : "");
        return InterruptedStatus();
    }
    std::printf("files %d lines %ld\n", result.FilesRead, result.LinesStored);
    store.DB1.Disconnect();
    return 0;
}

} // namespace brevant::cli
