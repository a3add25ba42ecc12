// Brevant Dira — compact bars packed into bytes, as the stored bar table
// keeps them.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "store/compact_bars.h"

namespace brevant {

// Bytes of a packed list of `bars` rows at most.
std::size_t PackedSize(std::size_t bars);

// The rows as bytes: a format byte, then each row's day and five floats bit
// for bit (little-endian), oldest first.
std::string PackBars(std::span<const CompactBar> rows);

// The rows PackBars packed; nothing when the bytes are not in its format (a
// file written by another version): the caller then reads the quote table.
std::optional<CompactBars> UnpackBars(std::string_view bytes);

} // namespace brevant
