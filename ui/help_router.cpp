// Brevant Dira — finding help pages by topic.
#include "ui/help_router.h"

#include <QDir>
#include <QFileInfo>

#include "ui/user_interface.h"

namespace brevant::ui {

QString HelpRouter::TopicFile(const QString& topic) const {
    const QString page = topic.endsWith(".htm") ? topic : topic + ".htm";
    return QDir(helpFile_).filePath(page);
}

bool HelpRouter::HelpJump(const QString& topic) const {
    return Show(TopicFile(topic));
}

bool HelpRouter::ShowTableOfContents() const {
    return Show(TopicFile(kHelpContentsPage));
}

bool HelpRouter::Show(const QString& page) const {
    if (helpFile_.isEmpty() || !QFileInfo(helpFile_).isDir()) return false;
    // A page missing from an existing help folder is the viewer's to report.
    Ui().ShowHelpPage(page);
    return true;
}

bool HelpJump(const QString& helpFile, const QString& topic) {
    HelpRouter router;
    router.SetHelpFile(helpFile);
    return router.HelpJump(topic);
}

} // namespace brevant::ui
