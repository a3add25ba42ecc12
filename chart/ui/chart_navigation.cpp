// Brevant Dira — zooming and scrolling the chart with the wheel, a drag and
// the keys.
#include "chart/ui/chart_navigation.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <qcustomplot.h>

#include "chart/render/chart_renderer.h"
#include "chart/ui/chart_pane.h"

namespace brevant {
namespace {

// A wheel turns this many eighths of a degree per notch.
constexpr double kNotch = 120;
// Wheel turns below half a notch wait for more before the view moves.
constexpr double kLeastNotches = 0.5;

bool ZoomKeepingTheNewestBar(ChartViewport& v, double factor) {
    const double anchor = v.AtNewest() ? double(v.Hi()) : (v.Lo() + v.Hi()) / 2.0;
    return v.ZoomBy(factor, anchor);
}

} // namespace

TChartNavigation::TChartNavigation(TChartPane& pane, QCustomPlot& plot)
    : QObject(&plot), pane_(pane), plot_(plot) {
    plot_.setFocusPolicy(Qt::ClickFocus);
    plot_.installEventFilter(this);
}

double TChartNavigation::AxisValueAt(double x) const {
    return pane_.Renderer1->bottomAxis()->pixelToCoord(x);
}

double TChartNavigation::PixelsPerBar() const {
    const QCPAxis* axis = pane_.Renderer1->bottomAxis();
    return std::abs(axis->coordToPixel(1) - axis->coordToPixel(0));
}

bool TChartNavigation::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &plot_) return false;
    switch (event->type()) {
    case QEvent::Wheel:
        return Wheel(static_cast<const QWheelEvent&>(*event));
    case QEvent::KeyPress:
        return Key(static_cast<const QKeyEvent&>(*event));
    case QEvent::MouseButtonPress:
        Press(static_cast<const QMouseEvent&>(*event));
        break;
    case QEvent::MouseMove:
        Move(static_cast<const QMouseEvent&>(*event));
        break;
    case QEvent::MouseButtonRelease:
        Release();
        break;
    case QEvent::MouseButtonDblClick:
        if (static_cast<const QMouseEvent&>(*event).button() != Qt::LeftButton) break;
        Release();
        pane_.ReturnToChosenWindow();
        return true;
    default:
        break;
    }
    // Mouse movements go on to the plot: the readout and the crosshair follow them.
    return false;
}

bool TChartNavigation::Wheel(const QWheelEvent& event) {
    const QPoint turn = event.angleDelta();
    const bool sideways = std::abs(turn.x()) > std::abs(turn.y());
    const bool scroll = sideways || (event.modifiers() & Qt::ShiftModifier);
    wheelNotches_ += (sideways ? turn.x() : turn.y()) / kNotch;
    if (std::abs(wheelNotches_) < kLeastNotches) return true;
    const double notches = wheelNotches_;
    wheelNotches_ = 0;
    const double x = event.position().x();
    pane_.Chart1MouseMove(int(x));
    if (scroll) {
        // Turning forward (or a pad swept right) goes back in time, a tenth
        // of the view a notch.
        pane_.Navigate([notches](ChartViewport& v) {
            const double step = std::max(1.0, v.Positions() / 10.0);
            return v.ScrollBy(-static_cast<int>(std::lround(notches * step)));
        });
    } else {
        // Where the pointer is across the axis, not its position in the
        // series: the first step over the whole history counts positions in
        // another series than the chart on screen.
        const QCPRange axis = pane_.Renderer1->bottomAxis()->range();
        const double across = (AxisValueAt(x) - axis.lower) / axis.size();
        pane_.Navigate([notches, across](ChartViewport& v) {
            return v.ZoomBy(std::pow(kWheelZoom, -notches), v.Lo() + across * v.Positions());
        });
    }
    return true;
}

bool TChartNavigation::Key(const QKeyEvent& event) {
    std::function<bool(ChartViewport&)> move;
    switch (event.key()) {
    case Qt::Key_Left:
        move = [](ChartViewport& v) { return v.ScrollBy(-1); };
        break;
    case Qt::Key_Right:
        move = [](ChartViewport& v) { return v.ScrollBy(1); };
        break;
    case Qt::Key_PageUp:
        move = [](ChartViewport& v) { return v.PageBy(-1); };
        break;
    case Qt::Key_PageDown:
        move = [](ChartViewport& v) { return v.PageBy(1); };
        break;
    case Qt::Key_Home:
        move = [](ChartViewport& v) { return v.ToOldest(); };
        break;
    case Qt::Key_End:
        move = [](ChartViewport& v) { return v.ToNewest(); };
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal: // + without Shift on most keyboards
        move = [](ChartViewport& v) { return ZoomKeepingTheNewestBar(v, 1 / kKeyZoom); };
        break;
    case Qt::Key_Minus:
        move = [](ChartViewport& v) { return ZoomKeepingTheNewestBar(v, kKeyZoom); };
        break;
    default:
        return false;
    }
    pane_.Navigate(move);
    return true;
}

void TChartNavigation::Press(const QMouseEvent& event) {
    if (event.button() != Qt::LeftButton) return;
    const Qt::KeyboardModifiers others = event.modifiers() & ~Qt::ShiftModifier;
    if (others != Qt::NoModifier) return;
    dragFrom_ = event.position().x();
    dragStartLo_.reset();
}

void TChartNavigation::Move(const QMouseEvent& event) {
    if (!dragFrom_ || !(event.buttons() & Qt::LeftButton)) return;
    const double perBar = PixelsPerBar();
    if (!(perBar > 0)) return;
    // Dragged right, the chart follows the mouse: earlier bars come in.
    const int bars = static_cast<int>(std::lround((*dragFrom_ - event.position().x()) / perBar));
    if (bars == 0 && !dragStartLo_) return; // a click, not a drag
    pane_.Navigate([this, bars](ChartViewport& v) {
        if (!dragStartLo_) dragStartLo_ = v.Lo();
        return v.ScrollTo(*dragStartLo_ + bars);
    });
    plot_.setCursor(Qt::ClosedHandCursor);
}

void TChartNavigation::Release() {
    if (!dragFrom_) return;
    dragFrom_.reset();
    dragStartLo_.reset();
    plot_.unsetCursor();
}

} // namespace brevant
