// Brevant Dira — where the database is.
#include "store/database_address.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

namespace brevant {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Where the client library finds the colon that ends a server's name: the
// first one, after the "]" of a leading "[...]"; npos when it reads the
// location as a local file (no such colon, one in first or last place).
std::size_t ServerColon(const std::string& location) {
    std::size_t from = 0;
    if (!location.empty() && location.front() == '[') {
        from = location.find(']');
        if (from == std::string::npos || from + 1 == location.size()) return std::string::npos;
    }
    const std::size_t colon = location.find(':', from);
    if (colon == std::string::npos || colon == 0 || colon + 1 == location.size())
        return std::string::npos;
    return colon;
}

bool IsNameCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == '.';
}

// A host name or address, or "[address]".
bool IsHost(const std::string& host) {
    if (host.size() > 2 && host.front() == '[' && host.back() == ']') return true;
    return !host.empty() && host.front() != '.' && host.front() != '-' &&
           std::all_of(host.begin(), host.end(), IsNameCharacter);
}

// "host" or "host/port" (a number or a service name).
bool IsServerName(const std::string& name) {
    const std::size_t slash = name.rfind('/');
    if (slash == std::string::npos) return IsHost(name);
    const std::string port = name.substr(slash + 1);
    return IsHost(name.substr(0, slash)) && !port.empty() &&
           std::all_of(port.begin(), port.end(), IsNameCharacter);
}

std::optional<std::string>& TakenPassword() {
    static std::optional<std::string> password;
    return password;
}

// Group or others may read the file.
bool OthersMayRead(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && (st.st_mode & (S_IRGRP | S_IROTH)) != 0;
}

} // namespace

bool IsServerAddress(const std::string& location) {
    return ServerColon(location) != std::string::npos;
}

bool LocalPathWithColon(const std::string& location) {
    const std::size_t colon = ServerColon(location);
    if (colon == std::string::npos) return false;
    const std::string name = location.substr(0, colon);
    if (!IsServerName(name)) return true;
    // "data/x:1.bvd" could name host "data", port "x": not when "data" is a
    // folder here.
    const std::size_t slash = name.rfind('/');
    std::error_code ec;
    return slash != std::string::npos && std::filesystem::is_directory(name.substr(0, slash), ec);
}

std::string LocalPathWithColonMessage(const std::string& location) {
    return "the database path " + location +
           " holds a colon, and the database client takes everything before a colon for the "
           "name of a database server (HOST:PATH): move or rename the file (or the folder) so "
           "that its path has no colon";
}

void TakePasswordFromEnvironment() {
    const char* password = std::getenv("ISC_PASSWORD");
    if (password == nullptr) return;
    TakenPassword() = password;
    unsetenv("ISC_PASSWORD");
}

DatabaseLogin ServerLogin(const std::string& user, const std::string& passwordFile) {
    DatabaseLogin login;
    login.User = user.empty() ? Environment("ISC_USER") : user;
    if (passwordFile.empty()) {
        TakePasswordFromEnvironment();
        login.Password = TakenPassword().value_or("");
        return login;
    }
    std::ifstream in(passwordFile);
    if (!in) throw PasswordFileError("cannot read the password file " + passwordFile);
    std::getline(in, login.Password);
    if (!login.Password.empty() && login.Password.back() == '\r') login.Password.pop_back();
    if (OthersMayRead(passwordFile))
        login.Warning = "other users may read the password file " + passwordFile +
                        ": make it yours alone (chmod 600 " + passwordFile + ")";
    return login;
}

} // namespace brevant
