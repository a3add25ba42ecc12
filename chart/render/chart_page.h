// Brevant Dira — the chart on a printed page: where it goes, at what detail
// and how it is drawn there.
#pragma once

#include <QRectF>
#include <QSize>

class QCustomPlot;
class QPainter;

namespace brevant {

// How the chart is put on paper; the print preview's controls set it.
struct PageOptions {
    // The box the chart goes in, as margins in percent of the page's printable
    // width (left, right) and height (top, bottom): the chart's print margins.
    double left = 15, top = 16, right = 15, bottom = 16;
    // The chart keeps its proportions on screen, centred in the box; otherwise
    // it fills the box.
    bool proportional = true;
    // Percent: the chart is laid out this much larger than on screen before
    // it is scaled into the box, so more detail means more axis labels in
    // smaller type, less detail fewer labels in larger type.
    int detail = 100;
    // The chart's panel: its white ground and a frame around the chart.
    bool printPanel = false;
    // The chart goes to the printer as one picture of pixels instead of
    // lines and text (for printers that draw vector output badly).
    bool asBitmap = false;
    friend bool operator==(const PageOptions&, const PageOptions&) = default;
};

inline constexpr int kLeastDetail = 50, kMostDetail = 200;
// The box never gets narrower or lower than this, in percent of the page.
inline constexpr double kSmallestBoxPercent = 5;

struct ChartPlacement {
    QRectF box;    // the margins' box on the page
    QRectF target; // where the chart is drawn
    QSize layout;  // the chart's size in its own pixels before scaling
};

// Where a chart measuring `screen` pixels on screen goes on `page`.
ChartPlacement PlaceChartOnPage(const QRectF& page, QSize screen, const PageOptions& options);

// Draws `plot` on the page as `options` say; the plot's own size is its size
// on screen. The plot is laid out at the placement's size for the drawing and
// left at its own size after it.
void PaintChartOnPage(QCustomPlot& plot, QPainter& painter, const QRectF& page,
                      const PageOptions& options = {});

// What a mouse press on the page takes hold of.
enum class PageGrip {
    None,
    Move,
    Left,
    Right,
    Top,
    Bottom,
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight
};

// The grip at `point` for a chart drawn at `target`: an edge or a corner
// within `reach` page units of it, inside to move it, None beyond.
PageGrip GripAt(const QRectF& target, QPointF point, double reach);

// The chart's new rectangle when `grip` is dragged by `delta`, all in page
// units, kept on the page and at least kSmallestBoxPercent of it wide and
// high. A proportional chart keeps `target`'s proportions while resized,
// anchored at the side or corner opposite the grip.
QRectF DraggedTarget(const QRectF& page, const QRectF& target, PageGrip grip, QPointF delta,
                     bool proportional);

// `options` with its box set to `rect` on `page`.
PageOptions WithBox(PageOptions options, const QRectF& page, const QRectF& rect);

} // namespace brevant
