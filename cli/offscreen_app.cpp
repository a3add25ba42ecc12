// Brevant Dira — the Qt application object of the picture-drawing commands.
#include "cli/offscreen_app.h"

#include <cstdio>

namespace brevant::cli {
namespace {

// Qt's note that it picked a runtime folder itself is no news on a server.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths:"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

OffscreenApp::OffscreenApp() {
    // No display needed: draw on the offscreen platform unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    app_ = std::make_unique<QApplication>(argc_, argv_);
}

} // namespace brevant::cli
