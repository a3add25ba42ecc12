// Brevant Dira — saving the list of stocks that passed a screening run.
#include "screen/result_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace brevant {
namespace {

// What the result file gets: the mode of the file it replaces, or the
// user's default for a new one.
mode_t ResultMode(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

} // namespace

void WriteScanResult(const std::string& path, const std::vector<std::string>& items) {
    std::string text = "STOCK SCAN RESULT:\r\n\r\n";
    for (const std::string& item : items) {
        text += item;
        text += "\r\n";
    }
    // Written whole under a name of its own beside the file, then renamed
    // over it: a failure part-way leaves an older result as it was.
    const std::filesystem::path target(path);
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> temp(pattern.begin(), pattern.end());
    temp.push_back('\0');
    auto fail = [&](int error) {
        throw std::runtime_error("Cannot write " + path + ": " + std::strerror(error));
    };
    const int fd = mkstemp(temp.data());
    if (fd < 0) fail(errno);
    auto discard = [&](int error) {
        close(fd);
        unlink(temp.data());
        fail(error);
    };
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) discard(n < 0 ? errno : EIO);
        done += static_cast<std::size_t>(n);
    }
    if (fchmod(fd, ResultMode(path)) != 0) discard(errno);
    if (close(fd) != 0) {
        const int error = errno;
        unlink(temp.data());
        fail(error);
    }
    if (std::rename(temp.data(), path.c_str()) != 0) {
        const int error = errno;
        unlink(temp.data());
        fail(error);
    }
}

} // namespace brevant
