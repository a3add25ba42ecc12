// Brevant Dira — the one door through which windows ask the user something.
#include "ui/user_interface.h"

#include "ui/qt_user_interface.h"

namespace brevant::ui {
namespace {

UserInterface*& Installed() {
    static UserInterface* installed = nullptr;
    return installed;
}

} // namespace

UserInterface& Ui() {
    static QtUserInterface plain;
    UserInterface* installed = Installed();
    return installed ? *installed : plain;
}

UserInterface* SetUi(UserInterface* ui) {
    UserInterface* previous = Installed();
    Installed() = ui;
    return previous;
}

} // namespace brevant::ui
