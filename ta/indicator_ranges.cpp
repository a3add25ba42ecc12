// Brevant Dira — the valid range of each stored indicator period.
#include "ta/indicator_ranges.h"

#include <charconv>

namespace brevant {

IndicatorRange RangeOfIndicatorParam(std::string_view key) {
    return key == "MACD2" ? IndicatorRange{4, 100} : IndicatorRange{3, 100};
}

const IndicatorParamKey* FindIndicatorParamKey(std::string_view key) {
    for (const IndicatorParamKey& k : kIndicatorParamKeys)
        if (k.key == key) return &k;
    return nullptr;
}

namespace {

std::string OutOfRange(std::string_view key, std::string_view value) {
    const IndicatorRange range = RangeOfIndicatorParam(key);
    return std::string(key) + " must be a whole number from " + std::to_string(range.minimum) +
           " to " + std::to_string(range.maximum) + ", not " + std::string(value);
}

} // namespace

std::string IndicatorParamsError(const TIndicatorParams& params) {
    for (const IndicatorParamKey& k : kIndicatorParamKeys) {
        const int value = params.*k.member;
        const IndicatorRange range = RangeOfIndicatorParam(k.key);
        if (value < range.minimum || value > range.maximum)
            return OutOfRange(k.key, std::to_string(value));
    }
    return {};
}

std::string ApplyIndicatorSettings(const std::vector<std::string>& words,
                                   TIndicatorParams& params) {
    TIndicatorParams changed = params;
    for (const std::string& word : words) {
        const std::size_t equals = word.find('=');
        if (equals == std::string::npos) return "expected NAME=VALUE, not " + word;
        const std::string_view name = std::string_view(word).substr(0, equals);
        const std::string_view text = std::string_view(word).substr(equals + 1);
        const IndicatorParamKey* key = FindIndicatorParamKey(name);
        if (!key) return "unknown setting " + std::string(name);
        int value = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        const IndicatorRange range = RangeOfIndicatorParam(name);
        if (text.empty() || ec != std::errc() || end != text.data() + text.size() ||
            value < range.minimum || value > range.maximum)
            return OutOfRange(name, text);
        changed.*key->member = value;
    }
    params = changed;
    return {};
}

} // namespace brevant
