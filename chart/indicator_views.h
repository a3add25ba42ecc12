// Brevant Dira — the sixteen indicator views, one row each: the names the
// combo box and the "&Graph" menu give it, its function key, the calculation
// it needs, its title, the lines of its panel, its readout slots and whether
// its axis shows labels.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "chart/chart_model.h"
#include "ta/calculation_table.h"
#include "ta/indicator_params.h"
#include "ta/stock_bar.h"

namespace brevant {

// The views, in the order of the indicator combo box.
enum IndicatorView : int {
    kMacdLine,
    kMacdHistogram,
    kMacdFull,
    kRsiView,
    kCciView,
    kMfiView,
    kWrView,
    kAdxView,
    kDiView,
    kFastStochastic,
    kSlowStochastic,
    kCmfView,
    kAccumDist,
    kRocView,
    kObvView,
    kAtrView
};
inline constexpr int kIndicatorViewCount = 16;

// Up to N items, written as a braced list in the table.
template <class T, std::size_t N> class FewOf {
public:
    constexpr FewOf() = default;
    constexpr FewOf(std::initializer_list<T> items) : count_(items.size()) {
        if (items.size() > N) throw std::length_error("too many items");
        std::copy(items.begin(), items.end(), items_.begin());
    }
    constexpr const T* begin() const { return items_.data(); }
    constexpr const T* end() const { return items_.data() + count_; }
    constexpr std::size_t size() const { return count_; }

private:
    std::array<T, N> items_{};
    std::size_t count_ = 0;
};

using IndicatorPeriod = int TIndicatorParams::*;

// Stored periods a title or a first bar is made of; unused places hold nullptr.
using IndicatorPeriods = std::array<IndicatorPeriod, 3>;

// The first bar whose value means something: the sum of the periods plus
// `offset` (before it the calculation is still warming up).
struct FirstBar {
    IndicatorPeriods periods{};
    int offset = 0;
    std::int64_t Of(const TIndicatorParams& params) const;
};

// The pen properties a view sets; the unset ones keep what the series had.
struct PenChange {
    std::optional<Rgb> colour;
    std::optional<int> width;
    std::optional<PenStyle> style;
};

// Indicator values drawn as a line from their first meaningful bar.
struct PanelLine {
    ChartSeries series{};
    BarField field = nullptr;
    FirstBar from;
    PenChange pen;
};

// A horizontal reference line across the window.
struct PanelLevel {
    ChartSeries series{};
    double value = 0;
    PenChange pen;
};

// One value of the crosshair readout; no field means an unused ("None") slot.
struct ReadoutSlot {
    std::string_view caption;
    BarField field = nullptr;
    Rgb colour = colours::kBlack;
};

// The indicator title: `text`, then the periods in parentheses when it has
// any: "MACD Full " and the three MACD periods give "MACD Full (12,26,9)".
struct TitleRule {
    std::string_view text;
    IndicatorPeriods periods{};
};

struct IndicatorViewInfo {
    IndicatorView view;           // its position in the table
    std::string_view name;        // the combo box item; the command line's name
    std::string_view menuCaption; // the "&Graph" menu item
    int functionKey;              // n for the key Fn; 0: none
    std::string_view calculation; // the one calculation it needs, by its name in kCalculations
    TitleRule title;
    FewOf<PanelLine, 3> lines{};
    // The MACD histogram (Series7 and Series12) from this bar on, closed by a
    // zero one bar past the last; the levels then run one bar further too.
    std::optional<FirstBar> histogram{};
    FewOf<PanelLevel, 3> levels{};
    std::array<ReadoutSlot, 3> readout{}; // all unused unless given
    // The volume-scaled views hide the indicator axis labels: white "None".
    bool hidesAxisLabels = false;
};

// In the order of the indicator combo box; row i is view i.
extern const std::array<IndicatorViewInfo, kIndicatorViewCount> kIndicatorViews;

// The row of a view index, or nullptr when there is none.
const IndicatorViewInfo* FindIndicatorView(int indicator);

// The view `text` names in any case, or by its position from 0; -1 for none.
int IndicatorViewByName(std::string_view text);

// The indicator panel's title for a view and the parameters: "MACD Full
// (12,26,9)"; empty for an unknown view.
std::string IndicatorTitle(int indicator, const TIndicatorParams& params);

} // namespace brevant
