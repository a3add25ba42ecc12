// Brevant Dira — running indicator calculations named on the command line.
#include "cli/bar_calculations.h"

namespace brevant::cli {

bool ResolveCalculations(const std::string& list, std::vector<std::string>& names,
                         std::string& error) {
    names.clear();
    std::size_t from = 0;
    while (from <= list.size() && !list.empty()) {
        std::size_t comma = list.find(',', from);
        if (comma == std::string::npos) comma = list.size();
        const std::string name = list.substr(from, comma - from);
        if (!name.empty()) {
            error = "unknown calculation " + name;
            return false;
        }
        from = comma + 1;
    }
    return true;
}

void RunCalculations(const std::vector<std::string>&, TBars&, const TIndicatorParams&,
                     const TOverlayParams&) {}

} // namespace brevant::cli
