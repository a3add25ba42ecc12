// Brevant Dira — reading a quote file line by line as 8-bit text.
#include "quotes/quote_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brevant {
namespace {
constexpr char kEndOfFile = 26; // Ctrl-Z
constexpr std::size_t kBufferSize = 1 << 16;

// What a file of another kind than a regular one or a folder is.
const char* KindOf(mode_t mode) {
    if (S_ISFIFO(mode)) return "a named pipe";
    if (S_ISSOCK(mode)) return "a socket";
    return "a device";
}

} // namespace

TQuoteFile::TQuoteFile(const std::string& path) : buffer_(kBufferSize) {
    // Without waiting: opening a named pipe would wait for a writer.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) throw std::runtime_error(path + ": " + std::strerror(errno));
    struct stat st {};
    if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        close(fd);
        throw std::runtime_error(path + ": not a file");
    }
    if (!S_ISREG(st.st_mode)) {
        close(fd);
        throw NotARegularFile(path, KindOf(st.st_mode));
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    size_ = static_cast<std::uint64_t>(st.st_size);
    head_.resize(kHeadLength);
    const ssize_t n = pread(fd, head_.data(), head_.size(), 0);
    head_.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    file_ = fdopen(fd, "rb");
    if (file_ == nullptr) {
        const int error = errno;
        close(fd);
        throw std::runtime_error(path + ": " + std::strerror(error));
    }
}

TQuoteFile::~TQuoteFile() {
    std::fclose(file_);
}

bool TQuoteFile::Fill() {
    if (finished_) return false;
    consumed_ += end_;
    end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    pos_ = 0;
    if (end_ == 0) {
        if (std::ferror(file_)) throw std::runtime_error(std::strerror(errno));
        finished_ = true;
    }
    return end_ > 0;
}

bool TQuoteFile::ReadLine(std::string& line) {
    line.clear();
    cut_ = false;
    while (pos_ < end_ || Fill()) {
        const char* begin = buffer_.data() + pos_;
        const char* stop = begin;
        const char* limit = buffer_.data() + end_;
        while (stop < limit && *stop != '\n' && *stop != '\r' && *stop != kEndOfFile) ++stop;
        const std::size_t room = kMaxLineLength - line.size();
        const std::size_t length = static_cast<std::size_t>(stop - begin);
        if (length > room) cut_ = true;
        line.append(begin, std::min(length, room));
        pos_ = static_cast<std::size_t>(stop - buffer_.data());
        if (stop == limit) {
            // A block of a cut line's rest skipped: the reader may end it here.
            if (cut_ && keepReading_ && !keepReading_()) {
                finished_ = true;
                consumed_ += pos_;
                pos_ = end_ = 0;
                return true;
            }
            continue;
        }
        ++pos_;
        if (*stop == '\n') return true;
        if (*stop == kEndOfFile) {
            finished_ = true;
            consumed_ += pos_;
            pos_ = end_ = 0;
            return !line.empty();
        }
    }
    // A last line without a line feed counts when something of it is left.
    return !line.empty();
}

} // namespace brevant
