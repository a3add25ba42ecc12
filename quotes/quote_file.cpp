// Brevant Dira — reading a quote file line by line as 8-bit text.
#include "quotes/quote_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

#include <sys/stat.h>

namespace brevant {
namespace {
constexpr char kEndOfFile = 26; // Ctrl-Z
constexpr std::size_t kBufferSize = 1 << 16;
} // namespace

TQuoteFile::TQuoteFile(const std::string& path) : buffer_(kBufferSize) {
    file_ = std::fopen(path.c_str(), "rb");
    if (file_ == nullptr) throw std::runtime_error(path + ": " + std::strerror(errno));
    struct stat st {};
    if (fstat(fileno(file_), &st) != 0 || S_ISDIR(st.st_mode)) {
        std::fclose(file_);
        throw std::runtime_error(path + ": not a file");
    }
    size_ = static_cast<std::uint64_t>(st.st_size);
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
        if (stop == limit) continue;
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
