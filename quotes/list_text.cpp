// Brevant Dira — the list text of a stock.
#include "quotes/list_text.h"

namespace brevant {
namespace {
constexpr std::string_view kSeparator = " , ";
} // namespace

std::string ListText(std::string_view name, std::string_view symbol) {
    std::string text(name);
    text += kSeparator;
    text += symbol;
    return text;
}

std::string SymbolFromListText(std::string_view text) {
    if (const std::size_t last = text.rfind(kSeparator); last != std::string_view::npos)
        return std::string(text.substr(last + kSeparator.size()));
    const std::size_t comma = text.find(',');
    const std::size_t from = comma == std::string_view::npos ? 1 : comma + 2;
    return from < text.size() ? std::string(text.substr(from)) : std::string();
}

std::string BareSymbolText(std::string_view symbol) {
    return ListText("", symbol);
}

} // namespace brevant
