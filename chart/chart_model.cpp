// Brevant Dira — the chart's start state.
#include "chart/chart_model.h"

namespace brevant {
namespace {

SeriesModel MakeSeries(std::string_view name, SeriesKind kind, ChartAxis axis, Pen pen,
                       Rgb fill = colours::kBlack, bool outline = true) {
    SeriesModel s;
    s.name = name;
    s.kind = kind;
    s.axis = axis;
    s.pen = pen;
    s.fill = fill;
    s.outline = outline;
    return s;
}

// 30 % transparent.
constexpr Rgb Translucent(Rgb c) {
    return {c.r, c.g, c.b, 178};
}

} // namespace

ChartModel InitialChartModel() {
    using enum ChartSeries;
    using enum SeriesKind;
    using enum ChartAxis;
    ChartModel m;
    const Pen thin;
    const Pen bold{colours::kBlack, 2, PenStyle::Solid};
    m[Series10] = MakeSeries("Series10", Ohlc, Hidden, thin, colours::kFrameBlue, false);
    m[Series2] = MakeSeries("Series2", Area, Left, thin, Translucent({0xB1, 0xB7, 0xCD}), false);
    m[Series11] = MakeSeries("Series11", Bar, Left, thin, {0xC7, 0xCB, 0xDC}, false);
    m[Series7] =
        MakeSeries("Series7", Area, Indicator, thin, Translucent({0xAB, 0x99, 0x74}), false);
    m[Series12] = MakeSeries("Series12", Bar, Indicator, thin, {0xBC, 0xAE, 0x92}, false);
    m[Series1] = MakeSeries("Series1", Ohlc, Right, thin, colours::kRed);
    m[Series17] = MakeSeries("Series17", Line, Right, bold);
    m[Series4] = MakeSeries("Series4", Line, Indicator, thin);
    m[Series5] = MakeSeries("Series5", Line, Indicator, thin);
    m[Series6] = MakeSeries("Series6", Line, Indicator, thin);
    m[Series3] = MakeSeries("Series3", Line, Indicator, thin);
    m[Series8] = MakeSeries("Series8", Line, Right, {colours::kGreen, 1, PenStyle::Solid});
    m[Series9] = MakeSeries("Series9", Line, Right, {colours::kPurple, 1, PenStyle::Solid});
    m[Series13] = MakeSeries("Series13", Line, Right, {colours::kRed, 1, PenStyle::Solid});
    m[Series14] = MakeSeries("Series14", Line, Right, {colours::kBollinger, 2, PenStyle::Solid});
    m[Series15] = MakeSeries("Series15", Line, Right, {colours::kBollinger, 1, PenStyle::Dot});
    m[Series16] = MakeSeries("Series16", Line, Right, {colours::kBollinger, 2, PenStyle::Solid});

    m.axis(Indicator) = {0, 20, 0, 0, std::nullopt, true, false};
    m.axis(Right) = {20, 100, 0, 0, std::nullopt, true, false};
    m.axis(Left) = {65, 100, 0, 0, std::nullopt, true, false};
    m.axis(Hidden) = {0, 100, 0, 0, AxisRange{0, 100}, false, false};
    return m;
}

} // namespace brevant
