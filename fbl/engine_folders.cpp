// Brevant Dira — the embedded engine's lock and temporary folders, private to
// the user who runs the program.
#include "fbl/engine_folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <mutex>
#include <stdexcept>
#include <vector>

namespace brevant {
namespace {

constexpr mode_t kPrivate = 0700;

// A folder itself (never a link to one) that this user owns and nobody else
// may enter. One of ours that others may enter is closed to them first: what
// they may have put inside is checked by the same rule when it is used.
bool IsPrivateFolder(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) return false;
    if (!S_ISDIR(st.st_mode) || st.st_uid != geteuid()) return false;
    if ((st.st_mode & 0077) != 0 && chmod(path.c_str(), kPrivate) != 0) return false;
    return true;
}

// Creates `path` private, or accepts it when it is private already.
bool MakePrivateFolder(const std::string& path) {
    if (mkdir(path.c_str(), kPrivate) == 0) return chmod(path.c_str(), kPrivate) == 0;
    return errno == EEXIST && IsPrivateFolder(path);
}

bool MakeEngineFolders(const std::string& base, EngineFolders& folders) {
    if (!MakePrivateFolder(base) || !MakePrivateFolder(base + "/lock") ||
        !MakePrivateFolder(base + "/tmp"))
        return false;
    folders = {base + "/lock", base + "/tmp"};
    return true;
}

// The session's runtime folder counts only when it is the user's alone, as
// the session manager makes it.
bool UsableRuntimeFolder(const std::string& dir) {
    struct stat st {};
    return !dir.empty() && dir.front() == '/' && lstat(dir.c_str(), &st) == 0 &&
           S_ISDIR(st.st_mode) && st.st_uid == geteuid() && (st.st_mode & 0077) == 0;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

EngineFolders PrivateEngineFolders(const std::string& runtimeDir, const std::string& tempDir) {
    EngineFolders folders;
    if (UsableRuntimeFolder(runtimeDir) && MakeEngineFolders(runtimeDir + "/brevant-dira", folders))
        return folders;
    const std::string uid = std::to_string(geteuid());
    // The same folder for every process of the user, so that their engines
    // see each other's lock files.
    if (MakeEngineFolders(tempDir + "/brevant-dira-" + uid, folders)) return folders;
    // That name is taken by someone else: a folder of this process's own.
    std::string pattern = tempDir + "/brevant-dira-" + uid + "-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (mkdtemp(name.data()) != nullptr && MakeEngineFolders(name.data(), folders)) return folders;
    throw std::runtime_error("cannot make a private folder for the database engine in " + tempDir);
}

void UsePrivateEngineFolders() {
    static std::once_flag once;
    std::call_once(once, [] {
        const bool lockSet = !Environment("FIREBIRD_LOCK").empty();
        const bool tempSet = !Environment("FIREBIRD_TMP").empty();
        if (lockSet && tempSet) return;
        std::string tempDir = Environment("TMPDIR");
        if (tempDir.empty() || tempDir.front() != '/') tempDir = "/tmp";
        try {
            const EngineFolders folders =
                PrivateEngineFolders(Environment("XDG_RUNTIME_DIR"), tempDir);
            if (!lockSet) setenv("FIREBIRD_LOCK", folders.Lock.c_str(), 1);
            if (!tempSet) setenv("FIREBIRD_TMP", folders.Temp.c_str(), 1);
        } catch (const std::runtime_error&) {
            // The engine's own folders: it says what it cannot open.
        }
    });
}

} // namespace brevant
