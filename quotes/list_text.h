// Brevant Dira — the list text of a stock: "Acme Corp , ACM". Stock lists,
// the result file and the window caption all carry it, and every routine
// that needs the symbol takes it back out of it.
#pragma once

#include <string>
#include <string_view>

namespace brevant {

// The stock's full name, " , " and its symbol.
std::string ListText(std::string_view name, std::string_view symbol);

// The symbol inside a list text: what follows its last " , ", so that a name
// with commas ("Widgets, Inc. , WID", "Widgets , Inc. , WID") gives its symbol
// back whole; stored symbols never hold " , " (SetStoredTexts). A text
// without " , " is read as before: what follows the first comma and the one
// character after it; without a comma at all it loses its first character,
// so a bare symbol must be given as " , SYM" (see BareSymbolText).
std::string SymbolFromListText(std::string_view text);

// A text whose symbol, as SymbolFromListText reads it, is `symbol`.
std::string BareSymbolText(std::string_view symbol);

} // namespace brevant
