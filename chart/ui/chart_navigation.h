// Brevant Dira — zooming and scrolling the chart with the wheel, a drag and
// the keys.
#pragma once

#include <QObject>
#include <optional>

class QCustomPlot;
class QKeyEvent;
class QMouseEvent;
class QWheelEvent;

namespace brevant {

class TChartPane;

// Watches the pane's plot. The wheel zooms around the pointer (Shift with
// the wheel, or a sideways wheel, scrolls); a left drag scrolls, with Shift
// as well, so that a plain drag can be given to other work and Shift keeps
// scrolling; Left and Right scroll by a bar, Page Up and Page Down by a view,
// Home and End go to the oldest and the newest bar; + and - zoom, around the
// newest bar while it is in view and around the middle otherwise; a double
// click returns to the chosen window. The plot takes the keyboard focus when
// clicked. Every step goes through TChartPane::Navigate.
class TChartNavigation : public QObject {
public:
    TChartNavigation(TChartPane& pane, QCustomPlot& plot);

    static constexpr double kWheelZoom = 1.2; // positions per wheel notch
    static constexpr double kKeyZoom = 1.25;  // positions per + or -

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Wheel(const QWheelEvent& event);
    bool Key(const QKeyEvent& event);
    void Press(const QMouseEvent& event);
    void Move(const QMouseEvent& event);
    void Release();
    // The bottom-axis position under pixel x, and a bar step in pixels.
    double AxisValueAt(double x) const;
    double PixelsPerBar() const;

    TChartPane& pane_;
    QCustomPlot& plot_;
    std::optional<double> dragFrom_; // the pixel x of the press
    std::optional<int> dragStartLo_; // the axis start once the drag moves the view
    double wheelNotches_ = 0;        // wheel turns not yet applied (fine wheels, pads)
};

} // namespace brevant
