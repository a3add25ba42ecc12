// Brevant Dira — the product's own names and addresses.
#pragma once

namespace brevant::ui {

inline constexpr const char* kApplicationTitle = "Brevant Dira";
inline constexpr const char* kProductHost = "www.brevant-dira.example";
inline constexpr const char* kSupportAddress = "support@brevant-dira.example";

// The sample-data page of an exchange: kProductHost + path ("/StockExchange/AMEX.html").
inline constexpr const char* kProductScheme = "https://";

} // namespace brevant::ui
