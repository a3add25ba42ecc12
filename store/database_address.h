// Brevant Dira — where the database is: a file the embedded engine opens in
// this process (the default), or a database on a Firebird server, named by
// one of the client library's connection strings.
#pragma once

#include <stdexcept>
#include <string>

namespace brevant {

// True when `location` names a database on a server: "host:/path/FILE",
// "host:alias", "host/port:/path/FILE", "[::1]:/path", "inet://host:port//path"
// (and the other protocol prefixes, "\\host\path"). A path of the file system
// ("/home/x/BREVDATA.BVD", "data/x.bvd", "./a:b.bvd") is a local file.
bool IsServerAddress(const std::string& location);

// The user name and password a server is logged in with. Never stored by the
// program.
struct DatabaseLogin {
    std::string User;
    std::string Password;
};

// A password file that cannot be read.
class PasswordFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The login for a server: `user` when given, otherwise the client library's
// ISC_USER; the first line of `passwordFile` when given, otherwise
// ISC_PASSWORD. Throws PasswordFileError.
DatabaseLogin ServerLogin(const std::string& user, const std::string& passwordFile);

// How long connecting to a server may take before it counts as unreachable.
inline constexpr int kServerConnectTimeoutSeconds = 10;

} // namespace brevant
