// Brevant Dira — what the start-up says when the database cannot be opened.
#include "app/startup_failure.h"

#include <QFile>

#include "store/bootstrap.h"
#include "store/data_store.h"
#include "store/database_address.h"
#include "store/fbl_engine.h"

namespace brevant {

QString StartupFailureMessage(const QString& databasePath, const std::string& error) {
    const std::string location = QFile::encodeName(databasePath).toStdString();
    if (IsServerAddress(location))
        return "Cannot open the database on the server:\r\n" + databasePath + "\r\n" +
               QString::fromLocal8Bit(error.c_str()) +
               "\r\nStart Brevant Dira again when this is solved.";
    if (DatabaseInUseElsewhere(location, kDatabaseUser, kDatabasePassword))
        return "The database is in use by another program:\r\n" + databasePath +
               "\r\nA Brevant Dira window or brevant-cli has it open. Close that program,\r\n"
               "then start Brevant Dira again.";
    return QString::fromStdString(MissingFileMessage());
}

QString LostConnectionMessage(const std::string& error) {
    return "The connection to the database server was lost. What was being done was not "
           "stored.\r\nClose Brevant Dira and start it again to reconnect.\r\n\r\n" +
           QString::fromLocal8Bit(error.c_str());
}

} // namespace brevant
