// Brevant Dira — the chart on a printed page.
#include "chart/render/chart_page.h"

#include <algorithm>
#include <cmath>

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <qcustomplot.h>

namespace brevant {
namespace {

// A chart drawn as pixels gets at most this many dots per inch of paper.
constexpr double kBitmapDpi = 300;
// Its own frame colour and width (in chart pixels) frame the chart's panel.
const QColor kPanelFrame(0x00, 0x38, 0x71);
constexpr double kPanelFrameWidth = 2;
// The chart's ground: the renderer paints it white.
const QColor kChartGround(Qt::white);
constexpr int kLargestLayout = 20000;

int Pixels(double value) {
    return std::clamp(int(std::lround(value)), 1, kLargestLayout);
}

// The chart laid out at `size`, recorded as drawing commands, without its
// ground: the page decides whether the panel is printed.
QPicture ChartPicture(QCustomPlot& plot, QSize size) {
    QPicture picture;
    plot.setBackground(QBrush(Qt::NoBrush));
    QCPPainter painter(&picture);
    plot.toPainter(&painter, size.width(), size.height());
    painter.end();
    plot.setBackground(QBrush(kChartGround));
    return picture;
}

// Plays `picture` in the painter's units. A picture played on a device
// enlarges itself by the device's resolution over its own (on a 1200 dpi
// printer more than twelve times); the chart's place is already given in
// the device's units.
void DrawPicture(QPainter& painter, const QPicture& picture) {
    const QPaintDevice* device = painter.device();
    const double ownX = picture.logicalDpiX(), ownY = picture.logicalDpiY();
    const double deviceX = device && device->logicalDpiX() > 0 ? device->logicalDpiX() : ownX;
    const double deviceY = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : ownY;
    painter.save();
    painter.scale(ownX / deviceX, ownY / deviceY);
    painter.drawPicture(0, 0, picture);
    painter.restore();
}

// Pixels for the chart's place on the page, at the device's resolution up to
// kBitmapDpi, then drawn there as one image.
void DrawAsBitmap(QPainter& painter, const QPicture& picture, const ChartPlacement& place) {
    const QPaintDevice* device = painter.device();
    const double dpi = device && device->logicalDpiX() > 0 ? device->logicalDpiX() : 96;
    const double resolution = std::min(1.0, kBitmapDpi / dpi);
    const QRectF onDevice = painter.transform().mapRect(place.target);
    const QSize size(Pixels(onDevice.width() * resolution), Pixels(onDevice.height() * resolution));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter pixels(&image);
        pixels.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        pixels.scale(double(size.width()) / place.layout.width(),
                     double(size.height()) / place.layout.height());
        DrawPicture(pixels, picture);
    }
    painter.drawImage(place.target, image);
}

void DrawAsLines(QPainter& painter, const QPicture& picture, const ChartPlacement& place) {
    painter.save();
    painter.translate(place.target.topLeft());
    painter.scale(place.target.width() / place.layout.width(),
                  place.target.height() / place.layout.height());
    DrawPicture(painter, picture);
    painter.restore();
}

void DrawPanelFrame(QPainter& painter, const ChartPlacement& place) {
    const double width =
        std::max(1.0, kPanelFrameWidth * place.target.width() / place.layout.width());
    QPen pen(kPanelFrame, width);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.save();
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(place.target.adjusted(width / 2, width / 2, -width / 2, -width / 2));
    painter.restore();
}

} // namespace

ChartPlacement PlaceChartOnPage(const QRectF& page, QSize screen, const PageOptions& o) {
    const double w = page.width(), h = page.height();
    QRectF box(page.left() + w * o.left / 100, page.top() + h * o.top / 100,
               w * (100 - o.left - o.right) / 100, h * (100 - o.top - o.bottom) / 100);
    box.setWidth(std::max(box.width(), 1.0));
    box.setHeight(std::max(box.height(), 1.0));
    if (screen.isEmpty()) screen = QSize(1000, 600);
    const double detail = std::clamp(o.detail, kLeastDetail, kMostDetail) / 100.0;
    ChartPlacement place{box, box, {}};
    if (o.proportional) {
        const double scale = std::min(box.width() / screen.width(), box.height() / screen.height());
        const QSizeF size(screen.width() * scale, screen.height() * scale);
        place.target = QRectF(box.center() - QPointF(size.width(), size.height()) / 2, size);
        place.layout = QSize(Pixels(screen.width() * detail), Pixels(screen.height() * detail));
    } else {
        // Laid out in the box's own proportions, so that type is not stretched.
        const int width = Pixels(screen.width() * detail);
        place.layout = QSize(width, Pixels(width * box.height() / box.width()));
    }
    return place;
}

void PaintChartOnPage(QCustomPlot& plot, QPainter& painter, const QRectF& page,
                      const PageOptions& options) {
    const QSize screen = plot.size().isEmpty() ? QSize(1000, 600) : plot.size();
    const ChartPlacement place = PlaceChartOnPage(page, screen, options);
    const QPicture picture = ChartPicture(plot, place.layout);
    if (options.printPanel) painter.fillRect(place.target, kChartGround);
    if (options.asBitmap)
        DrawAsBitmap(painter, picture, place);
    else
        DrawAsLines(painter, picture, place);
    if (options.printPanel) DrawPanelFrame(painter, place);
}

PageGrip GripAt(const QRectF& target, QPointF point, double reach) {
    if (!target.adjusted(-reach, -reach, reach, reach).contains(point)) return PageGrip::None;
    const double toLeft = std::abs(point.x() - target.left());
    const double toRight = std::abs(point.x() - target.right());
    const double toTop = std::abs(point.y() - target.top());
    const double toBottom = std::abs(point.y() - target.bottom());
    // On a chart narrower than two reaches the nearer edge wins.
    const bool left = toLeft <= reach && toLeft <= toRight;
    const bool right = toRight <= reach && toRight < toLeft;
    const bool top = toTop <= reach && toTop <= toBottom;
    const bool bottom = toBottom <= reach && toBottom < toTop;
    if (top && left) return PageGrip::TopLeft;
    if (top && right) return PageGrip::TopRight;
    if (bottom && left) return PageGrip::BottomLeft;
    if (bottom && right) return PageGrip::BottomRight;
    if (left) return PageGrip::Left;
    if (right) return PageGrip::Right;
    if (top) return PageGrip::Top;
    if (bottom) return PageGrip::Bottom;
    return PageGrip::Move;
}

namespace {

bool Holds(PageGrip grip, std::initializer_list<PageGrip> grips) {
    return std::find(grips.begin(), grips.end(), grip) != grips.end();
}

// `dragged` made as proportional as `target`, anchored at the corner
// opposite the grip, following the side that moved the most.
QRectF KeepProportion(const QRectF& page, const QRectF& target, const QRectF& dragged,
                      PageGrip grip, QSizeF smallest) {
    using enum PageGrip;
    const double aspect = target.width() / target.height();
    const bool growsLeft = Holds(grip, {Left, TopLeft, BottomLeft});
    const bool growsUp = Holds(grip, {Top, TopLeft, TopRight});
    const QPointF anchor(growsLeft ? target.right() : target.left(),
                         growsUp ? target.bottom() : target.top());
    const double widthChange = std::abs(dragged.width() / target.width() - 1);
    const double heightChange = std::abs(dragged.height() / target.height() - 1);
    const bool byWidth =
        Holds(grip, {Left, Right}) || (!Holds(grip, {Top, Bottom}) && widthChange >= heightChange);
    double width = byWidth ? dragged.width() : dragged.height() * aspect;
    const double roomWide = growsLeft ? anchor.x() - page.left() : page.right() - anchor.x();
    const double roomHigh = growsUp ? anchor.y() - page.top() : page.bottom() - anchor.y();
    width = std::min({width, roomWide, roomHigh * aspect});
    width = std::max({width, smallest.width(), smallest.height() * aspect});
    const double height = width / aspect;
    return QRectF(anchor.x() - (growsLeft ? width : 0), anchor.y() - (growsUp ? height : 0), width,
                  height);
}

} // namespace

QRectF DraggedTarget(const QRectF& page, const QRectF& target, PageGrip grip, QPointF delta,
                     bool proportional) {
    using enum PageGrip;
    const QSizeF smallest(page.width() * kSmallestBoxPercent / 100,
                          page.height() * kSmallestBoxPercent / 100);
    if (grip == None) return target;
    if (grip == Move) {
        QRectF moved = target.translated(delta);
        moved.moveLeft(std::max(page.left(), std::min(moved.left(), page.right() - moved.width())));
        moved.moveTop(std::max(page.top(), std::min(moved.top(), page.bottom() - moved.height())));
        return moved;
    }
    double left = target.left(), right = target.right();
    double top = target.top(), bottom = target.bottom();
    if (Holds(grip, {Left, TopLeft, BottomLeft}))
        left = std::clamp(left + delta.x(), page.left(), right - smallest.width());
    if (Holds(grip, {Right, TopRight, BottomRight}))
        right = std::clamp(right + delta.x(), left + smallest.width(), page.right());
    if (Holds(grip, {Top, TopLeft, TopRight}))
        top = std::clamp(top + delta.y(), page.top(), bottom - smallest.height());
    if (Holds(grip, {Bottom, BottomLeft, BottomRight}))
        bottom = std::clamp(bottom + delta.y(), top + smallest.height(), page.bottom());
    const QRectF dragged(QPointF(left, top), QPointF(right, bottom));
    if (!proportional || target.isEmpty()) return dragged;
    return KeepProportion(page, target, dragged, grip, smallest);
}

PageOptions WithBox(PageOptions options, const QRectF& page, const QRectF& rect) {
    options.left = (rect.left() - page.left()) / page.width() * 100;
    options.right = (page.right() - rect.right()) / page.width() * 100;
    options.top = (rect.top() - page.top()) / page.height() * 100;
    options.bottom = (page.bottom() - rect.bottom()) / page.height() * 100;
    return options;
}

} // namespace brevant
