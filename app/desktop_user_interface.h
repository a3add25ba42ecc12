// Brevant Dira — the user interface of the running program: Qt's dialogs and our help viewer.
#pragma once

#include "ui/qt_user_interface.h"

namespace brevant {

struct TAppWindows;

// Installed for its lifetime.
class TDesktopUserInterface : public ui::QtUserInterface {
public:
    explicit TDesktopUserInterface(const TAppWindows& windows);
    ~TDesktopUserInterface() override;

private:
    ui::UserInterface* previous_;
};

} // namespace brevant
