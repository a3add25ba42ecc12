// Brevant Dira — where one run of the program finds its files.
#pragma once

#include <QString>

namespace brevant {

struct TStartOptions {
    // The database file; empty: the program's folder, or the user's data
    // folder when the program's folder is not writable.
    QString DatabasePath;
    // The folder the help is looked up in, ending in "/"; empty: the folder
    // of the program file.
    QString ProgramDir;
    // For a database on a server: the user (empty: ISC_USER) and a file whose
    // first line is the password (empty: ISC_PASSWORD, or the window asks).
    QString DatabaseUser;
    QString PasswordFile;
};

} // namespace brevant
