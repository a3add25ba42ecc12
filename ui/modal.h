// Brevant Dira — showing a dialog modally.
#pragma once

class QDialog;

namespace brevant::ui {

// Shows `dialog` application-modal and waits until it is closed (accepted,
// rejected or closed by its title bar), returning its result. Unlike
// QDialog::exec(), hiding the dialog does not end the wait: the update window
// hides itself while its import runs and comes back when it is over.
int ShowModal(QDialog* dialog);

// Shows `dialog` as ShowModal does, unless it is up already: then it only
// comes to the front, so that a second request never stacks a second wait.
void ShowModalOnce(QDialog* dialog);

} // namespace brevant::ui
