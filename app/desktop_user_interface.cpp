// Brevant Dira — the user interface of the running program: Qt's dialogs and our help viewer.
#include "app/desktop_user_interface.h"

#include "app/app_windows.h"
#include "app/help_window.h"

namespace brevant {

TDesktopUserInterface::TDesktopUserInterface(const TAppWindows& windows)
    : ui::QtUserInterface(
          [help = windows.HelpWindow](const QString& page) { help->ShowPage(page); }),
      previous_(ui::SetUi(this)) {}

TDesktopUserInterface::~TDesktopUserInterface() {
    ui::SetUi(previous_);
}

} // namespace brevant
