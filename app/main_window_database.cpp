// Brevant Dira — attaching the main window's database: a local file, or a
// database on a server with its login.
#include <QFile>

#include "app/main_window.h"
#include "app/startup_failure.h"
#include "store/bootstrap.h"
#include "store/database_address.h"
#include "ui/user_interface.h"

namespace brevant {

bool TForm1::OpenDatabase(const ProgressCallbacks& progress) {
    const std::string location = QFile::encodeName(DatabasePath).toStdString();
    if (IsServerAddress(location) && !LocalPathWithColon(location)) {
        try {
            const DatabaseLogin login = ServerLogin(QFile::encodeName(DatabaseUser).toStdString(),
                                                    QFile::encodeName(PasswordFile).toStdString());
            store_.DB1.User = login.User;
            store_.DB1.Password = login.Password;
            if (!login.Warning.empty())
                ui::Ui().ShowMessage(nullptr, QString::fromLocal8Bit(login.Warning.c_str()));
        } catch (const PasswordFileError& e) {
            ui::Ui().ShowMessage(nullptr, QString::fromLocal8Bit(e.what()));
            return false;
        }
    }
    // A missing database on a server is made by brevant-cli init or import,
    // where the user names it on purpose; a mistyped path here makes none.
    const WhenMissing whenMissing =
        IsServerAddress(location) ? WhenMissing::Refuse : WhenMissing::Create;
    OpenResult opened = CheckFirebird(store_, location, progress, whenMissing);
    // The password lives in memory for this run only: asked again next time.
    while (opened.Failure == OpenFailure::LoginRefused) {
        const QString user = QString::fromStdString(store_.DB1.User);
        const QString password = ui::Ui().AskPassword(
            nullptr, "The database server refused the login" +
                         (user.isEmpty() ? QString() : " of user " + user) + ".\r\nPassword" +
                         (user.isEmpty() ? QString() : " for " + user) + ":");
        if (password.isEmpty()) break;
        store_.DB1.Password = password.toStdString();
        opened = CheckFirebird(store_, location, progress, whenMissing);
    }
    if (!opened) ui::Ui().ShowMessage(nullptr, StartupFailureMessage(DatabasePath, opened));
    return opened.Opened();
}

} // namespace brevant
