// Brevant Dira — the command-line tool: the core without a window, for batch
// use and for testing from outside.
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

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
     "[--bb N,K] [--param KEY=VALUE]...",
     RunBars},
    {"splits", "splits", RunSplits},
    {"scan",
     "scan [--macd N[,P]] [--ma P1,P2,N[,P]] [--rsi above|below,L,N[,P]] "
     "[--volume V[,P]] [--out FILE] | scan --screens FILE   (P: daily|weekly|monthly)",
     RunScan},
    {"chart",
     "chart TEXT --png FILE [--indicator NAME] [--style NAME] [--window NAME] "
     "[--period daily|weekly|monthly] [--ma P1,P2,P3] [--bb N,K] [--size WxH]",
     RunChart},
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
    int i = 1;
    for (; i < argc && argv[i][0] == '-'; ++i) {
        if (std::strcmp(argv[i], "--db") == 0 && i + 1 < argc) {
            ctx.dbPath = argv[++i];
        } else if (std::strcmp(argv[i], "--user") == 0 && i + 1 < argc) {
            user = argv[++i];
        } else if (std::strcmp(argv[i], "--password-file") == 0 && i + 1 < argc) {
            passwordFile = argv[++i];
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            PrintUsage();
            return 0;
        } else {
            PrintUsage();
            return UsageError(std::string("unknown option ") + argv[i]);
        }
    }
    if (i >= argc) {
        PrintUsage();
        return 2;
    }
    const std::string name = argv[i++];
    for (; i < argc; ++i) ctx.args.emplace_back(argv[i]);
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
