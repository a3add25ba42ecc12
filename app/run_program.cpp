// Brevant Dira — one run of the windowed program, from the command line to
// its exit status.
#include "app/run_program.h"

#include <QCommandLineParser>

#include "app/app_windows.h"
#include "app/application.h"
#include "app/desktop_user_interface.h"
#include "app/program_ending.h"
#include "app/stop_signals.h"
#include "store/program_environment.h"

namespace brevant {

int RunProgram(int argc, char** argv, const TProgramHook& hook) {
    // While the process has one thread: the environment the engine reads.
    PrepareProgramEnvironment();
    // First, so that a signal during start-up waits for the event loop.
    CatchStopSignals();
    TApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("End-of-day technical analysis of stocks.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption db(
        "db",
        "Use the database FILE instead of the default one, or a database on a Firebird server "
        "(HOST:/path/FILE, HOST/PORT:/path/FILE, HOST:ALIAS, inet://HOST:PORT//path/FILE).",
        "FILE");
    const QCommandLineOption user("user", "Log in to the database server as NAME.", "NAME");
    const QCommandLineOption passwordFile(
        "password-file", "Read the database server's password from the first line of FILE.",
        "FILE");
    parser.addOption(db);
    parser.addOption(user);
    parser.addOption(passwordFile);
    parser.process(app);

    TStartOptions options;
    options.DatabasePath = parser.value(db);
    options.DatabaseUser = parser.value(user);
    options.PasswordFile = parser.value(passwordFile);
    TApplicationWindows windows(options);
    TDesktopUserInterface ui(windows.Windows());
    int firstSignal = 0;
    // A stop signal acts as closing the main window; a second one ends the
    // program at once.
    TStopSignalWatcher watcher([&](int signal, int count) {
        if (count == 1) {
            firstSignal = signal;
            RequestProgramEnd(windows.Windows(), 128 + signal);
        } else {
            EndProgramNow(128 + firstSignal);
        }
    });
    if (hook) hook(windows.Windows());
    const int status = TApplication::exec();
    return FinishProgram(windows.Windows(), status);
}

} // namespace brevant
