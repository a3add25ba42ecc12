// Brevant Dira — the chart as plain data: what each of the 17 series holds and
// how it looks, the axis ranges and the texts around the plot. The
// composition fills it; a renderer draws it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brevant {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    std::uint8_t alpha = 255; // 255 opaque
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

namespace colours {
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{0, 128, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kPurple{128, 0, 128};
inline constexpr Rgb kMaroon{128, 0, 0};
inline constexpr Rgb kTeal{0, 128, 128};
inline constexpr Rgb kBollinger{0xFF, 0x80, 0xC0};
inline constexpr Rgb kGridGreen{0xA8, 0xC0, 0x9C};
inline constexpr Rgb kAxisBlue{0x00, 0x3A, 0x75};
inline constexpr Rgb kFrameBlue{0x00, 0x38, 0x71};
} // namespace colours

enum class PenStyle { Solid, Dot };

struct Pen {
    Rgb colour = colours::kBlack;
    int width = 1; // pixels
    PenStyle style = PenStyle::Solid;
    friend bool operator==(const Pen&, const Pen&) = default;
};

// The 17 series, in drawing order (later ones are drawn over earlier ones).
enum class ChartSeries : int {
    Series10,
    Series2,
    Series11,
    Series7,
    Series12,
    Series1,
    Series17,
    Series4,
    Series5,
    Series6,
    Series3,
    Series8,
    Series9,
    Series13,
    Series14,
    Series15,
    Series16
};
inline constexpr int kChartSeriesCount = 17;

enum class SeriesKind {
    Ohlc, // (x, open, high, low, close)
    Area, // stepped, filled from zero
    Bar,  // vertical bars from zero
    Line
};

enum class ChartAxis {
    Indicator, // top panel, 0 % to 20 % of the plot height, labels on the right
    Right,     // price panel, 20 % to 100 %
    Left,      // volume band, 65 % to 100 %
    Hidden     // 0 % to 100 %, invisible, range 0 to 100
};
inline constexpr int kChartAxisCount = 4;

enum class OhlcStyle { Bar, Candle, Line };

struct XYPoint {
    double x = 0, y = 0;
    friend bool operator==(const XYPoint&, const XYPoint&) = default;
};
struct OhlcPoint {
    double x = 0, open = 0, high = 0, low = 0, close = 0;
    friend bool operator==(const OhlcPoint&, const OhlcPoint&) = default;
};

struct SeriesModel {
    std::string_view name; // "Series1" ... "Series17"
    SeriesKind kind = SeriesKind::Line;
    ChartAxis axis = ChartAxis::Indicator;
    bool visible = true;
    Pen pen; // line series: the line; others: the outline
    bool outline = true;
    Rgb fill; // area and bar fill; OHLC: the series colour
    std::vector<XYPoint> points;
    std::vector<OhlcPoint> ohlc; // OHLC series only
};

// Look of the price series (Series1) beyond its pen.
struct PriceLook {
    OhlcStyle style = OhlcStyle::Candle;
    Rgb down = colours::kRed, up = colours::kWhite;
    Rgb wick = colours::kBlack;
    // Pixels; used in the wide layout. In the narrow layout the candles are as
    // wide as the volume bars at every size.
    int candleWidth = 6;
    // A zoomed or whole-history chart may show thousands of bars: its
    // candles are never wider than a volume bar, so that they do not run
    // into each other.
    bool candlesWithinBars = false;
};

struct AxisRange {
    double min = 0, max = 0;
    friend bool operator==(const AxisRange&, const AxisRange&) = default;
};

// A vertical axis: its band and the extent of the shown points on it, which a
// renderer widens by the pixel offsets (kept free inside the band).
struct VerticalAxisModel {
    double startPercent = 0, endPercent = 100; // of the plot height, from the top
    int minOffset = 0, maxOffset = 0;          // pixels at the bottom and the top
    std::optional<AxisRange> dataRange;        // none when nothing is shown on it
    bool labelsVisible = true;
    // Equal ratios at equal heights; the shown values are all above 0.
    bool logScale = false;
};

// Texts of the header above the chart; before any stock they are its captions.
struct HeaderTexts {
    std::string Label22 = "Stock Name"; // list text of the stock
    std::string Label24 = "Open";
    std::string Label26 = "High";
    std::string Label30 = "Low";
    std::string Label32 = "Close";
    std::string Label34 = "Date"; // "dd mmmm yyyy"
    std::string Label28 = "Volume";
    friend bool operator==(const HeaderTexts&, const HeaderTexts&) = default;
};

// An indicator panel added under the price panel: the indicator axis's
// series of one more view (Series7, Series12, Series4, Series5, Series6 and
// Series3, in drawing order), its axis, title and notice.
struct AddedPanelModel {
    int indicator = 0;
    std::array<SeriesModel, 6> series;
    VerticalAxisModel axis;
    std::string title;
    std::string notice; // why it shows no values; empty when it shows some
};

struct ChartModel {
    std::array<SeriesModel, kChartSeriesCount> series;
    PriceLook price;
    std::array<VerticalAxisModel, kChartAxisCount> axes;
    AxisRange bottomRange; // bar indices
    int indicator = 2;     // the indicator view drawn, for the axis labels
    HeaderTexts header;
    std::string Label35; // indicator title
    std::string statusText;
    // Why the indicator panel shows no values although there are bars (the
    // series is too short for the indicator); empty when it shows some.
    std::string panelNotice;
    // The panels added under the price panel; none in the specified chart.
    std::vector<AddedPanelModel> addedPanels;

    SeriesModel& operator[](ChartSeries s) { return series[static_cast<int>(s)]; }
    const SeriesModel& operator[](ChartSeries s) const { return series[static_cast<int>(s)]; }
    VerticalAxisModel& axis(ChartAxis a) { return axes[static_cast<int>(a)]; }
    const VerticalAxisModel& axis(ChartAxis a) const { return axes[static_cast<int>(a)]; }
    // The narrow layout shows the volume as bars (Series11) and matches the
    // candle width to them; the wide layout shows it as a stepped area.
    bool narrowLayout() const { return (*this)[ChartSeries::Series11].visible; }
};

// The chart as defined before the first composition: every series shown and
// empty, the configured pens and colours, the header's captions.
ChartModel InitialChartModel();

} // namespace brevant
