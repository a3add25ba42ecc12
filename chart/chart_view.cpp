// Brevant Dira — the time window sizes.
#include "chart/chart_view.h"

#include <stdexcept>

namespace brevant {

int WindowBars(std::string_view window, int barCount) {
    static constexpr int kBars[] = {30, 60, 120, 240};
    const int index = IndexOfText(kTimeWindows, window);
    if (index < 0) throw std::invalid_argument("unknown time window " + std::string(window));
    return index == 4 ? barCount : kBars[index];
}

} // namespace brevant
