// Brevant Dira — reading a quote file line by line as 8-bit text.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace brevant {

// A line ends at a line feed; carriage returns are dropped wherever they
// stand; a Ctrl-Z (byte 26) ends the file. Lines may be of any length.
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

private:
    bool Fill();

    std::FILE* file_ = nullptr;
    std::vector<char> buffer_;
    std::size_t pos_ = 0, end_ = 0;
    bool finished_ = false;
};

} // namespace brevant
