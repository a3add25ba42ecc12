// Brevant Dira — the command-line tool: the core without a window, for batch
// use and for testing from outside.
#include <cstdio>
#include <exception>
#include <string>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "store/data_location.h"
#include "store/database_address.h"
#include "store/engine_end.h"
#include "store/program_environment.h"
#include "store/work_error.h"

namespace brevant::cli {

int UsageError(const std::string& message) {
    std::fprintf(stderr, "brevant-cli: %s\n", message.c_str());
    return 2;
}

namespace {

struct Command {
    const char* name;
    const char* usage;
    int (*run)(Context&);
};

const Command kCommands[] = {
    {"init", "init", RunInit},
    {"import", "import [--format auto|native|csv] [--replace] FILE...", RunImport},
    {"delete", "delete TEXT [--from YYYY-MM-DD] [--to YYYY-MM-DD]", RunDelete},
    {"list", "list", RunList},
    {"bars",
     "bars TEXT [--period daily|weekly|monthly] [--calc LIST] [--ma P1,P2,P3] "
     "[--bb N,K] [--param KEY=VALUE]... [--history all] [--adjusted]",
     RunBars},
    {"splits", "splits", RunSplits},
    {"scan",
     "scan [--macd N[,P]] [--ma P1,P2,N[,P]] [--rsi above|below,L,N[,P]] "
     "[--volume V[,P]] [--where FORMULA [--period P]] [--out FILE] | scan --screens FILE | "
     "scan --where FORMULA [--period P] --backtest DAYS [--hold H,...] [--csv FILE] "
     "[--png FILE]   (P: daily|weekly|monthly)",
     RunScan},
    {"chart",
     "chart TEXT --png FILE [--indicator NAME] [--style NAME] [--window NAME] "
     "[--period daily|weekly|monthly] [--ma P1,P2,P3] [--bb N,K] [--size WxH] "
     "[--history all] [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--log] [--adjusted] "
     "[--no-drawings]",
     RunChart},
    {"drawings",
     "drawings TEXT [--add trend YYYY-MM-DD,PRICE,YYYY-MM-DD,PRICE | --add level PRICE | "
     "--delete ID]",
     RunDrawings},
    {"settings", "settings [set NAME=VALUE...]", RunSettings},
};

void PrintUsage() {
    std::fputs("usage: brevant-cli [--db FILE|HOST[/PORT]:PATH] [--user NAME] "
               "[--password-file FILE] COMMAND [ARGS]\ncommands:\n",
               stderr);
    for (const Command& c : kCommands) std::fprintf(stderr, "  %s\n", c.usage);
}

} // namespace
} // namespace brevant::cli

int main(int argc, char** argv) {
    using namespace brevant::cli;
    brevant::PrepareProgramEnvironment();
    KeepRunningWhenOutputCloses();
    Context ctx;
    std::string user, passwordFile;
    bool help = false;
    const auto askHelp = [&help](const std::string&) {
        help = true;
        return std::string();
    };
    // The tool's own options, in front of the command's name.
    const CommandSyntax global{"",
                               OptionWords::Listed,
                               {{"--db", TextValue(ctx.dbPath)},
                                {"--user", TextValue(user)},
                                {"--password-file", TextValue(passwordFile)},
                                {"--help", askHelp, OptionForm::AloneEndsReading},
                                {"-h", askHelp, OptionForm::AloneEndsReading}},
                               [](const std::string& word) {
                                   return word.starts_with('-') ? "unknown option " + word
                                                                : std::string();
                               },
                               true};
    const std::vector<std::string> words(argv + 1, argv + argc);
    std::size_t i = 0;
    if (const std::string error = ReadCommandLine(global, words, &i); !error.empty()) {
        PrintUsage();
        return UsageError(error);
    }
    if (help) {
        PrintUsage();
        return 0;
    }
    if (i >= words.size()) {
        PrintUsage();
        return 2;
    }
    const std::string& name = words[i];
    ctx.args.assign(words.begin() + std::ptrdiff_t(i) + 1, words.end());
    for (const Command& c : kCommands) {
        if (name != c.name) continue;
        int status = 1;
        try {
            // Inside: with no folder for it, the error names --db.
            if (ctx.dbPath.empty())
                ctx.dbPath = brevant::DefaultDatabasePath(brevant::ProgramDirectory());
            if (brevant::IsServerAddress(ctx.dbPath) && !brevant::LocalPathWithColon(ctx.dbPath)) {
                ctx.login = brevant::ServerLogin(user, passwordFile);
                if (!ctx.login.Warning.empty())
                    std::fprintf(stderr, "brevant-cli: warning: %s\n", ctx.login.Warning.c_str());
            }
            status = c.run(ctx);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "brevant-cli: %s\n", brevant::WorkErrorText(e).c_str());
        }
        // The engine is ended here, not by the client library's exit handler.
        brevant::EndEngineBeforeExit(status);
        return status;
    }
    PrintUsage();
    return UsageError("unknown command " + name);
}
