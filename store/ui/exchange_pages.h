// Brevant Dira — the exchanges offering sample data on the product web site.
#pragma once

#include <array>

namespace brevant {

struct TExchangePage {
    const char* Caption;
    const char* Path; // below the product host
};

// In reading order: five to a row, left to right, top to bottom.
extern const std::array<TExchangePage, 38> kExchangePages;

} // namespace brevant
