// Brevant Dira — where the program's files live.
#include "store/data_location.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "store/data_store.h"

namespace brevant {

std::string ProgramDirectory() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    std::string dir = ec ? std::filesystem::current_path().string() : exe.parent_path().string();
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

std::string DefaultDatabasePath(const std::string& programDir) {
    if (access(programDir.c_str(), W_OK) == 0) return programDir + kDatabaseFileName;
    std::filesystem::path base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::filesystem::path(home) / ".local" / "share";
    else
        throw DataLocationError("no folder for the database: the program's folder " + programDir +
                                " is not writable and neither XDG_DATA_HOME nor HOME is set; "
                                "name the database file with --db FILE");
    const std::filesystem::path dir = base / "brevant-dira";
    std::error_code ec;
    std::filesystem::create_directories(base, ec);
    // The folder of the user's quotes is the user's alone.
    if (mkdir(dir.c_str(), S_IRWXU) == 0) chmod(dir.c_str(), S_IRWXU);
    return (dir / kDatabaseFileName).string();
}

} // namespace brevant
