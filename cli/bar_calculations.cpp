// Brevant Dira — running indicator calculations named on the command line.
#include "cli/bar_calculations.h"

namespace brevant::cli {

bool ResolveCalculations(const std::string& list, std::vector<const CalculationInfo*>& out,
                         std::string& error) {
    out.clear();
    std::size_t from = 0;
    while (from < list.size()) {
        std::size_t comma = list.find(',', from);
        if (comma == std::string::npos) comma = list.size();
        const std::string name = list.substr(from, comma - from);
        from = comma + 1;
        if (name.empty()) continue;
        if (name == "all") {
            for (const CalculationInfo& c : kCalculations) out.push_back(&c);
        } else if (const CalculationInfo* c = FindCalculation(name)) {
            out.push_back(c);
        } else {
            error = "unknown calculation " + name;
            return false;
        }
    }
    return true;
}

void RunCalculations(const std::vector<const CalculationInfo*>& calculations, TBars& bars,
                     const TIndicatorParams& params, const TOverlayParams& overlay) {
    for (const CalculationInfo* c : calculations) c->run(bars, params, overlay);
}

} // namespace brevant::cli
