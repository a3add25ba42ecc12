// Brevant Dira — reading a quote file line by line as 8-bit text.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace brevant {

// The longest line kept, in bytes. The rest of a longer line is skipped, so
// that a file without line feeds cannot fill the memory.
inline constexpr std::size_t kMaxLineLength = std::size_t{1} << 20;

// The bytes of a file's beginning that TQuoteFile::Head keeps.
inline constexpr std::size_t kHeadLength = 4096;

// A path that names something else than a regular file or a folder (a named
// pipe, a device such as /dev/zero, a socket): nothing is read from it, as
// reading could wait for ever or never end. `Kind` says what it is ("a named
// pipe", "a device", "a socket").
class NotARegularFile : public std::runtime_error {
public:
    NotARegularFile(const std::string& path, std::string kind)
        : std::runtime_error(path + ": " + kind), Kind(std::move(kind)) {}
    std::string Kind;
};

// A line ends at a line feed; carriage returns are dropped wherever they
// stand; a Ctrl-Z (byte 26) ends the file. Lines longer than kMaxLineLength
// are cut there.
class TQuoteFile {
public:
    // Throws NotARegularFile (see there), and std::runtime_error when the
    // file cannot be opened for reading (missing, unreadable, or a folder).
    explicit TQuoteFile(const std::string& path);
    ~TQuoteFile();
    TQuoteFile(const TQuoteFile&) = delete;
    TQuoteFile& operator=(const TQuoteFile&) = delete;

    // The next line without its end; false at the end of the file (a last
    // line that is empty once its carriage returns are dropped is no line).
    // A read error throws std::runtime_error.
    bool ReadLine(std::string& line);

    // True when the line ReadLine gave last was longer than kMaxLineLength.
    bool LineWasCut() const { return cut_; }

    // Asked after each block of a cut line's rest is skipped (a file of
    // gigabytes without a line feed is one such line): false ends the file
    // there, so that the reader can be stopped and kept responsive.
    void SetKeepReading(std::function<bool()> keepReading) {
        keepReading_ = std::move(keepReading);
    }

    // Up to kHeadLength bytes of the file's beginning, read when it was opened.
    std::string_view Head() const { return head_; }

    // The file's size when it was opened, and the bytes read from it so far
    // (up to the end of the last line given).
    std::uint64_t Size() const { return size_; }
    std::uint64_t BytesRead() const { return consumed_ + pos_; }

private:
    bool Fill();

    std::FILE* file_ = nullptr;
    std::vector<char> buffer_;
    std::size_t pos_ = 0, end_ = 0;
    std::uint64_t size_ = 0;
    std::uint64_t consumed_ = 0; // bytes of the buffers before the current one
    bool finished_ = false;
    bool cut_ = false;
    std::function<bool()> keepReading_;
    std::string head_;
};

} // namespace brevant
