// Brevant Dira — splitting one line of a delimited text file into its fields.
#include "quotes/csv_fields.h"

#include <cstring>

namespace brevant {
namespace {

constexpr char kQuote = '"';

// Reads the quoted field that starts at line[pos] (the opening quote) into
// `scratch` and returns where it ends: at the separator after it, or at the
// end of the line.
std::size_t TakeQuoted(std::string_view line, std::size_t pos, char separator,
                       std::string& scratch) {
    ++pos;
    while (pos < line.size()) {
        const char c = line[pos++];
        if (c != kQuote) {
            scratch += c;
        } else if (pos < line.size() && line[pos] == kQuote) {
            scratch += kQuote;
            ++pos;
        } else {
            break;
        }
    }
    // Text after the closing quote belongs to the field as well.
    while (pos < line.size() && line[pos] != separator) scratch += line[pos++];
    return pos;
}

void SplitQuoted(std::string_view line, char separator, std::vector<std::string_view>& fields,
                 std::string& scratch, std::size_t maxFields) {
    // Unquoted text is never longer than the line: the views into `scratch`
    // stay valid because it never grows past this reservation.
    scratch.clear();
    scratch.reserve(line.size());
    std::size_t pos = 0;
    while (fields.size() < maxFields) {
        std::size_t start = pos;
        while (start < line.size() && line[start] != separator && IsBlankOrControlByte(line[start]))
            ++start;
        std::size_t end;
        if (start < line.size() && line[start] == kQuote) {
            const std::size_t from = scratch.size();
            end = TakeQuoted(line, start, separator, scratch);
            fields.push_back(TrimBlanks(std::string_view(scratch).substr(from)));
        } else {
            end = line.find(separator, pos);
            if (end == std::string_view::npos) end = line.size();
            fields.push_back(TrimBlanks(line.substr(pos, end - pos)));
        }
        if (end >= line.size()) break;
        pos = end + 1;
    }
}

} // namespace

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlankOrControlByte(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlankOrControlByte(text.back())) text.remove_suffix(1);
    return text;
}

void SplitFields(std::string_view line, char separator, std::vector<std::string_view>& fields,
                 std::string& scratch, std::size_t maxFields) {
    fields.clear();
    if (maxFields == 0) return;
    if (line.find(kQuote) != std::string_view::npos) {
        SplitQuoted(line, separator, fields, scratch, maxFields);
        return;
    }
    if (line.empty()) {
        fields.emplace_back();
        return;
    }
    const char* p = line.data();
    const char* const end = p + line.size();
    while (true) {
        const void* hit = std::memchr(p, separator, static_cast<std::size_t>(end - p));
        const char* stop = hit != nullptr ? static_cast<const char*>(hit) : end;
        fields.push_back(TrimBlanks(std::string_view(p, static_cast<std::size_t>(stop - p))));
        if (stop == end || fields.size() == maxFields) return;
        p = stop + 1;
    }
}

} // namespace brevant
