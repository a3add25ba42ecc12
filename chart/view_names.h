// Brevant Dira — finding a row of a view table by what a user types: its
// name in any case, or its position from 0.
#pragma once

#include <cstddef>
#include <string_view>

namespace brevant {

// Whether `a` and `b` are the same name, ignoring the case of ASCII letters.
bool SameNameAnyCase(std::string_view a, std::string_view b);

// The position that `text` writes as a whole decimal number, when it is one
// of 0 .. count - 1; otherwise -1.
int PositionFromText(std::string_view text, int count);

// The index of the row whose `name` is `text` in any case, else the row at
// the position `text` gives; -1 when it names no row.
template <class Rows> int FindRowByName(const Rows& rows, std::string_view text) {
    for (std::size_t i = 0; i < std::size(rows); ++i)
        if (SameNameAnyCase(rows[i].name, text)) return static_cast<int>(i);
    return PositionFromText(text, static_cast<int>(std::size(rows)));
}

// The index of the row whose `name` is exactly `text`, or -1.
template <class Rows> int FindRowByExactName(const Rows& rows, std::string_view text) {
    for (std::size_t i = 0; i < std::size(rows); ++i)
        if (rows[i].name == text) return static_cast<int>(i);
    return -1;
}

} // namespace brevant
