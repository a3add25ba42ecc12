// Brevant Dira — where the database is: a file the embedded engine opens in
// this process (the default), or a database on a Firebird server, named by
// one of the client library's connection strings.
#pragma once

#include <stdexcept>
#include <string>

namespace brevant {

// True when the client library sends `location` to a server rather than to
// the embedded engine, decided as the library decides it on this system:
// whatever has a colon after its first character and before its last (after
// the "]" of a leading "[...]") names a server ("host:/path/FILE",
// "host:alias", "host/port:/path/FILE", "[::1]:/path", "inet://host:port//path",
// and also "/data/a:b/x.bvd"); anything else is a local file ("data/x.bvd",
// "\\host\share\x.bvd", ":x.bvd", "x:").
bool IsServerAddress(const std::string& location);

// True when `location` is meant as a file of this machine but holds a colon
// that makes the client library take it for a server address: what comes
// before the colon cannot be a host name with an optional "/port", or is a
// path that exists here ("/data/a:b/x.bvd", "./odd:name.bvd", "/3051:/x").
// Such a file cannot be opened by the embedded engine at all; the programs
// refuse it with LocalPathWithColonMessage.
bool LocalPathWithColon(const std::string& location);
std::string LocalPathWithColonMessage(const std::string& location);

// The user name and password a server is logged in with. Never stored by the
// program.
struct DatabaseLogin {
    std::string User;
    std::string Password;
    // What the user should know about where the password came from (a
    // password file others may read); empty when there is nothing to say.
    std::string Warning;
};

// A password file that cannot be read.
class PasswordFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Takes ISC_PASSWORD out of the environment, keeping its value for
// ServerLogin, so that no program started from here (a browser, a help
// viewer) inherits it. Changes the environment: call it while the process
// has a single thread. Does nothing when the variable is not set.
void TakePasswordFromEnvironment();

// The login for a server: `user` when given, otherwise the client library's
// ISC_USER; the first line of `passwordFile` when given, otherwise
// ISC_PASSWORD (taken out of the environment). A password file that other
// users may read gets a Warning. Throws PasswordFileError.
DatabaseLogin ServerLogin(const std::string& user, const std::string& passwordFile);

// How long connecting to a server may take before it counts as unreachable.
inline constexpr int kServerConnectTimeoutSeconds = 10;

// The client library's settings for a login to a server: the password is
// proven with SRP only (never the legacy hash a listener could replay), and
// the connection must be encrypted (never a silent fall-back to plain
// traffic).
inline constexpr const char* kServerClientConfig = "AuthClient = Srp256, Srp\nWireCrypt = Required";

} // namespace brevant
