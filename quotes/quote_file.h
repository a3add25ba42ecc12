// Brevant Dira — reading a quote file line by line as 8-bit text.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace brevant {

// The longest line kept, in bytes. The rest of a longer line is skipped, so
// that a file without line feeds cannot fill the memory.
inline constexpr std::size_t kMaxLineLength = std::size_t{1} << 20;

// A line ends at a line feed; carriage returns are dropped wherever they
// stand; a Ctrl-Z (byte 26) ends the file. Lines longer than kMaxLineLength
// are cut there.
class TQuoteFile {
public:
    // Throws std::runtime_error when the file cannot be opened for reading
    // (missing, unreadable, or a folder).
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
};

} // namespace brevant
