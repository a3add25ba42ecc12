// Brevant Dira — showing a dialog modally.
#include "ui/modal.h"

#include <QDialog>
#include <QEventLoop>
#include <QPointer>

namespace brevant::ui {

int ShowModal(QDialog* dialog) {
    QPointer<QDialog> guard(dialog);
    QEventLoop loop;
    const auto connection = QObject::connect(dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    QObject::connect(dialog, &QObject::destroyed, &loop, &QEventLoop::quit);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setResult(0);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    loop.exec(QEventLoop::DialogExec);
    if (!guard) return 0;
    QObject::disconnect(connection);
    return dialog->result();
}

void ShowModalOnce(QDialog* dialog) {
    if (dialog->isVisible()) {
        dialog->raise();
        dialog->activateWindow();
        return;
    }
    ShowModal(dialog);
}

} // namespace brevant::ui
