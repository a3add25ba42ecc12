// Brevant Dira — the time windows.
#include "chart/time_windows.h"

#include <stdexcept>
#include <string>

#include "chart/view_names.h"

namespace brevant {
namespace {

constexpr bool InTableOrder() {
    for (std::size_t i = 0; i < kTimeWindows.size(); ++i)
        if (kTimeWindows[i].window != static_cast<int>(i)) return false;
    return true;
}
static_assert(InTableOrder());

} // namespace

const TimeWindowInfo* FindTimeWindow(std::string_view name) {
    const int index = FindRowByExactName(kTimeWindows, name);
    return index < 0 ? nullptr : &kTimeWindows[index];
}

int TimeWindowByName(std::string_view text) {
    return FindRowByName(kTimeWindows, text);
}

int WindowBars(std::string_view window, int barCount) {
    const TimeWindowInfo* row = FindTimeWindow(window);
    if (!row) throw std::invalid_argument("unknown time window " + std::string(window));
    return row->bars == 0 ? barCount : row->bars;
}

} // namespace brevant
