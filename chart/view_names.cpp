// Brevant Dira — finding a row of a view table by what a user types.
#include "chart/view_names.h"

#include <charconv>

namespace brevant {
namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool SameNameAnyCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

int PositionFromText(std::string_view text, int count) {
    int index = -1;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, index);
    if (ec == std::errc() && ptr == end && index >= 0 && index < count) return index;
    return -1;
}

} // namespace brevant
