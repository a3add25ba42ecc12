// Brevant Dira — the indicator periods and the overlay settings.
#include "indicator_params.h"

#include <charconv>

namespace brevant {

const std::array<IndicatorParamKey, 15> kIndicatorParamKeys = {{
    {"MACD1", &TIndicatorParams::MACD1},
    {"MACD2", &TIndicatorParams::MACD2},
    {"MACD3", &TIndicatorParams::MACD3},
    {"RSI", &TIndicatorParams::RSI},
    {"CCI", &TIndicatorParams::CCI},
    {"MFI", &TIndicatorParams::MFI},
    {"WR", &TIndicatorParams::WR},
    {"ADX", &TIndicatorParams::ADX},
    {"FSTOC1", &TIndicatorParams::FSTOC1},
    {"FSTOC2", &TIndicatorParams::FSTOC2},
    {"SSTOC1", &TIndicatorParams::SSTOC1},
    {"SSTOC2", &TIndicatorParams::SSTOC2},
    {"CMF", &TIndicatorParams::CMF},
    {"ROC", &TIndicatorParams::ROC},
    {"ATR", &TIndicatorParams::ATR},
}};

namespace {
// A decimal integer as the usual string-to-integer conversion reads it:
// optional blanks and sign, digits only.
bool ParseInteger(std::string_view text, int& out) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && ptr == text.data() + text.size() && !text.empty();
}
} // namespace

bool ApplyIndicatorRow(TIndicatorParams& params, std::string_view key, std::string_view value) {
    static const TIndicatorParams defaults = DefaultIndicatorParams();
    bool matched = false;
    for (const IndicatorParamKey& k : kIndicatorParamKeys) {
        if (k.key != key) continue;
        int v = 0;
        params.*k.member = ParseInteger(value, v) && v >= 1 ? v : defaults.*k.member;
        matched = true;
    }
    return matched;
}

} // namespace brevant
