// Brevant Dira — the user interface answered by Qt's own dialogs.
#include "ui/qt_user_interface.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "ui/product.h"

namespace brevant::ui {

QtUserInterface::QtUserInterface(std::function<void(const QString&)> helpViewer)
    : helpViewer_(std::move(helpViewer)) {}

void QtUserInterface::ShowMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtUserInterface::Confirm(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, kApplicationTitle, text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    // Enter alone never deletes anything.
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString QtUserInterface::AskPassword(QWidget* parent, const QString& text) {
    bool accepted = false;
    const QString password = QInputDialog::getText(parent, kApplicationTitle, text,
                                                   QLineEdit::Password, QString(), &accepted);
    return accepted ? password : QString();
}

QStringList QtUserInterface::OpenFileNames(QWidget* parent, const QString& title,
                                           const QString& filter) {
    return QFileDialog::getOpenFileNames(parent, title, QString(), filter);
}

QString QtUserInterface::SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                      const QString& defaultSuffix) {
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

bool QtUserInterface::OpenUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

void QtUserInterface::ShowHelpPage(const QString& pageFile) {
    if (helpViewer_) helpViewer_(pageFile);
}

} // namespace brevant::ui
