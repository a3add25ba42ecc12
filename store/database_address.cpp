// Brevant Dira — where the database is.
#include "store/database_address.h"

#include <cstdlib>
#include <fstream>

namespace brevant {
namespace {

constexpr const char* kProtocolPrefixes[] = {"inet://", "inet4://", "inet6://", "wnet://",
                                             "xnet://"};

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

bool IsServerAddress(const std::string& location) {
    for (const char* prefix : kProtocolPrefixes)
        if (StartsWith(location, prefix)) return true;
    if (StartsWith(location, "\\\\") || StartsWith(location, "[")) return true;
    // "host:..." or "host/port:...": the client library reads whatever comes
    // before the first colon as a server when it is not a path itself.
    const std::size_t colon = location.find(':');
    if (colon == std::string::npos || colon == 0) return false;
    const std::string server = location.substr(0, colon);
    if (server.front() == '/' || server.front() == '.' || server.front() == '~') return false;
    const std::size_t slash = server.find('/');
    if (slash == std::string::npos) return true;
    // "host/port": one slash, with something on both sides.
    return slash > 0 && slash + 1 < server.size() &&
           server.find('/', slash + 1) == std::string::npos;
}

DatabaseLogin ServerLogin(const std::string& user, const std::string& passwordFile) {
    DatabaseLogin login;
    login.User = user.empty() ? Environment("ISC_USER") : user;
    if (passwordFile.empty()) {
        login.Password = Environment("ISC_PASSWORD");
        return login;
    }
    std::ifstream in(passwordFile);
    if (!in) throw PasswordFileError("cannot read the password file " + passwordFile);
    std::getline(in, login.Password);
    if (!login.Password.empty() && login.Password.back() == '\r') login.Password.pop_back();
    return login;
}

} // namespace brevant
