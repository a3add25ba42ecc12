// Brevant Dira — what the start-up says when the database cannot be opened.
#include "app/startup_failure.h"

#include <QFile>

#include "store/bootstrap.h"
#include "store/database_address.h"

namespace brevant {
namespace {

QString ServerFailureMessage(const QString& databasePath, const std::string& message) {
    return "Cannot open the database on the server:\r\n" + databasePath + "\r\n" +
           QString::fromLocal8Bit(message.c_str()) +
           "\r\nStart Brevant Dira again when this is solved.";
}

} // namespace

QString StartupFailureMessage(const QString& databasePath, const OpenResult& opened) {
    switch (opened.Failure) {
    case OpenFailure::InUseElsewhere:
        return "The database is in use by another program:\r\n" + databasePath +
               "\r\nA Brevant Dira window or brevant-cli has it open. Close that program,\r\n"
               "then start Brevant Dira again.";
    case OpenFailure::LoginRefused:
    case OpenFailure::Unreachable:
        return ServerFailureMessage(databasePath, opened.Message);
    case OpenFailure::LocalPathWithColon:
        return "Cannot open the database:\r\n" + QString::fromLocal8Bit(opened.Message.c_str());
    default:
        // A server's message says what to do; a local file gets the
        // program's own message.
        if (IsServerAddress(QFile::encodeName(databasePath).toStdString()))
            return ServerFailureMessage(databasePath, opened.Message);
        return QString::fromStdString(MissingFileMessage());
    }
}

QString LostConnectionMessage(const std::string& error) {
    return "The connection to the database server was lost. What was being done was not "
           "stored.\r\nClose Brevant Dira and start it again to reconnect.\r\n\r\n" +
           QString::fromLocal8Bit(error.c_str());
}

} // namespace brevant
