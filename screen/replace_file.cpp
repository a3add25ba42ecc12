// Brevant Dira — writing an output file whole or not at all.
#include "screen/replace_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace brevant {

void WriteFileReplacing(const std::string& path, const std::string& bytes) {
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    auto fail = [&](int error) {
        throw std::runtime_error("Cannot write " + path + ": " + std::strerror(error));
    };
    if (fd < 0) fail(errno);
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : EIO;
            ::close(fd);
            std::remove(temporary.c_str());
            fail(error);
        }
        written += static_cast<std::size_t>(n);
    }
    // mkstemp makes the file readable by its owner only; an output file is
    // made as any other file would be.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    if (::close(fd) != 0 || std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        std::remove(temporary.c_str());
        fail(error);
    }
}

} // namespace brevant
