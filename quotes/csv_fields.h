// Brevant Dira — splitting one line of a delimited text file into its fields.
#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace brevant {

// Blanks and control characters (bytes up to the space), which the readers
// trim from both ends of every field.
inline bool IsBlankOrControlByte(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view TrimBlanks(std::string_view text);

// Splits `line` at every `separator` into `fields` (cleared first), each
// trimmed of blanks. A field whose first non-blank character is a double
// quote is quoted: it runs to the matching closing quote, may hold the
// separator, and "" inside it stands for one quote; text between the closing
// quote and the next separator is kept after it. A quote that is never closed
// runs to the end of the line. Only the first `maxFields` fields are taken;
// the rest of the line is not examined. The views point into `line` or into
// `scratch`, which is overwritten and must outlive them. Safe for any bytes.
void SplitFields(std::string_view line, char separator, std::vector<std::string_view>& fields,
                 std::string& scratch,
                 std::size_t maxFields = std::numeric_limits<std::size_t>::max());

} // namespace brevant
