// Brevant Dira — compact bars packed into bytes.
#include "store/bar_packing.h"

#include <bit>
#include <cstring>

namespace brevant {
namespace {

// Raised whenever the layout below changes: older bytes are then refused and
// the stored bars are built again from the quote table.
constexpr char kFormat = 1;

static_assert(std::endian::native == std::endian::little,
              "the packed rows are the rows' own bytes, little-endian");
static_assert(sizeof(CompactBar) == 24 && alignof(CompactBar) == 4, "no padding in a row");

} // namespace

std::size_t PackedSize(std::size_t bars) {
    return 1 + bars * sizeof(CompactBar);
}

std::string PackBars(std::span<const CompactBar> rows) {
    std::string bytes(PackedSize(rows.size()), '\0');
    bytes[0] = kFormat;
    if (!rows.empty()) std::memcpy(bytes.data() + 1, rows.data(), rows.size_bytes());
    return bytes;
}

std::optional<CompactBars> UnpackBars(std::string_view bytes) {
    if (bytes.empty() || bytes[0] != kFormat || (bytes.size() - 1) % sizeof(CompactBar) != 0)
        return std::nullopt;
    CompactBars rows((bytes.size() - 1) / sizeof(CompactBar));
    if (!rows.empty()) std::memcpy(rows.data(), bytes.data() + 1, bytes.size() - 1);
    return rows;
}

} // namespace brevant
