// Brevant Dira — what the start-up says when the database cannot be opened.
#include "app/startup_failure.h"

#include <QFile>

#include "store/bootstrap.h"
#include "store/data_store.h"
#include "store/fbl_engine.h"

namespace brevant {

QString StartupFailureMessage(const QString& databasePath) {
    if (DatabaseInUseElsewhere(QFile::encodeName(databasePath).toStdString(), kDatabaseUser,
                               kDatabasePassword))
        return "The database is in use by another program:\r\n" + databasePath +
               "\r\nA Brevant Dira window or brevant-cli has it open. Close that program,\r\n"
               "then start Brevant Dira again.";
    return QString::fromStdString(MissingFileMessage());
}

} // namespace brevant
