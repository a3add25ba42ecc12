// Brevant Dira — the windowed program.
#include <QCommandLineParser>

#include "app/app_windows.h"
#include "app/application.h"
#include "app/desktop_user_interface.h"

int main(int argc, char* argv[]) {
    brevant::TApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("End-of-day technical analysis of stocks.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption db("db", "Use the database FILE instead of the default one.", "FILE");
    parser.addOption(db);
    parser.process(app);

    brevant::TStartOptions options;
    options.DatabasePath = parser.value(db);
    brevant::TApplicationWindows windows(options);
    brevant::TDesktopUserInterface ui(windows.Windows());
    return brevant::TApplication::exec();
}
