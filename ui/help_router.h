// Brevant Dira — finding help pages by topic.
#pragma once

#include <QString>

namespace brevant::ui {

// The help is a folder of HTML pages named after the help file ("Brevhelp")
// beside the program: one page per topic, "<topic>.htm", and the contents
// page "index.htm". A missing folder makes every request do nothing, without
// a message.
class HelpRouter {
public:
    // `helpFile` is the program's folder followed by "Brevhelp".
    void SetHelpFile(const QString& helpFile) { helpFile_ = helpFile; }

    // Opens the page of `topic` ("Update_Database" or "Update_Database.htm").
    // Returns whether the request reached the viewer; callers may ignore it.
    bool HelpJump(const QString& topic) const;

    // Opens the contents page.
    bool ShowTableOfContents() const;

    // The page file a topic addresses, whether it exists or not.
    QString TopicFile(const QString& topic) const;

private:
    bool Show(const QString& page) const;

    QString helpFile_;
};

// One topic jump with the help file and the topic, as the help buttons of the
// dialogs issue it.
bool HelpJump(const QString& helpFile, const QString& topic);

inline constexpr const char* kHelpFileName = "Brevhelp";
inline constexpr const char* kHelpContentsPage = "index.htm";

} // namespace brevant::ui
