// Brevant Dira — the chart pane: the plot and everything it drives around it.
#pragma once

#include <QPalette>
#include <QWidget>
#include <map>
#include <memory>
#include <vector>

#include "chart/chart_model.h"
#include "chart/chart_view.h"
#include "chart/compose_chart.h"
#include "ta/locale_settings.h"
#include "ta/stock_bar.h"

class QCPAxis;
class QCustomPlot;
class QFrame;
class QLabel;
class QTimer;

namespace brevant {

class ChartCrosshair;
class ChartRenderer;

// What the pane asks the window it sits in when a readout runs or the chart
// is printed. The window's controls hold the view, and a readout follows
// them as they are at its tick, whether the chart was drawn since they
// changed or not (a view chosen while no stock is selected redraws nothing).
class TChartPaneHost {
public:
    virtual ~TChartPaneHost() = default;
    // Whether moving the mouse starts readouts: the stock list has entries.
    virtual bool ReadoutWanted() const = 0;
    virtual const TBars& CurrentBars() const = 0;
    virtual int CurrentIndicator() const = 0; // an index into kIndicatorViews
    virtual OverlaySettings CurrentOverlays() const = 0;
    virtual const LocaleSettings& CurrentLocale() const = 0;
};

// The chart of a window: the plot (`Chart1`) and its renderer, the header
// labels above it (the stock, the last bar's values), the indicator title on
// it, the readout labels of the detail panel, the crosshair, and the readout
// timer with the mouse position it reads.
//
// The window gives it the bars and the view and it draws (PlotData); moving
// the mouse over the plot reports the bar under the pointer and, 50 ms later
// at most, writes that bar's values into the detail panel.
//
// The detail panel (`Panel3`) is made here but laid out by the window, which
// decides where it stands and whether it shows; the pane only fills it, and
// reads nothing out while it is hidden.
class TChartPane : public QWidget {
    Q_OBJECT
public:
    explicit TChartPane(TChartPaneHost& host, QWidget* parent = nullptr);
    ~TChartPane() override;

    // Composes the chart from `in` into the model kept for the run (a
    // composition leaves what it does not set as it was), draws it, and
    // writes the header labels and the title; then reports the status text.
    // The bars must outlive the next drawing: the axis labels read them.
    void PlotData(const ChartInputs& in);

    // The mouse at pixel x of the plot: with the detail panel shown and the
    // host wanting readouts, keeps x and arms the readout timer. A running
    // timer is not restarted: one readout an interval, for the latest x.
    void Chart1MouseMove(int x);
    // The timer's tick: reads out the bar under the last x.
    void Timer1Timer();
    // The text an axis label shows instead of `text` (the axis's own number).
    QString Chart1GetAxisLabel(const QCPAxis* axis, const QString& text) const;

    // The crosshair lines through the mouse position, on or off.
    void SetCrossCursor(bool on);
    bool CrossCursor() const { return crossCursor_; }

    // After a view command the values of the earlier view (another
    // indicator's rows, a daily bar under monthly bars) must not stay: the
    // detail panel goes back to its designed texts and, once the mouse has
    // been over the chart, reads out its last position again.
    void RefreshReadout();

    // Whether a stock list has a selection: the axes show dates and K/M/B
    // volumes only then. Redraws the labels.
    void SetStockSelected(bool selected);
    // The stock name and the six caption/value pairs above the chart.
    void ShowHeaderLabels(bool visible);

    // The print preview ("Print Preview") of the chart as last composed, with
    // the stock's name and last values drawn in the chart itself.
    void PrintPreview(bool stockSelected);

    // The bar index under pixel x of the plot (the bar at or left of it),
    // whether or not there is a bar there.
    int BarAt(int x) const;

    // A header, title or readout label by its number (22 for Label22);
    // nullptr for a number the pane has no label of.
    QLabel* Label(int number) const;

    QCustomPlot* Chart1 = nullptr;
    ChartRenderer* Renderer1 = nullptr; // draws the composed chart into Chart1
    QTimer* Timer1 = nullptr;           // readout, 50 ms
    QFrame* Panel3 = nullptr;           // the detail panel with the readout labels

    // The detail panel's size as designed.
    static constexpr int kPanelWidth = 152;
    static constexpr int kPanelHeight = 172;

signals:
    // At every readout: the bar under the mouse, which may lie outside the
    // bars (the empty steps right of the last one).
    void barUnderPointer(int bar);
    // The text for the window's status bar after each drawing.
    void statusChanged(const QString& text);

private:
    void setupHeader(QWidget* header);
    void setupDetailPanel();
    void setupPlot();
    QLabel* NewLabel(int number, const QString& text, QWidget* parent);
    void PlaceIndicatorTitle();
    void ReadoutAt(int x);

    TChartPaneHost& host_;
    std::map<int, QLabel*> labels_;
    // The detail panel's labels as designed, for a readout that has nothing
    // to show.
    struct DesignedLabel {
        QLabel* label;
        QString text;
        QPalette palette;
    };
    std::vector<DesignedLabel> detailDesign_;
    // Kept for the run: a composition leaves what it does not set as it was.
    ChartModel model_ = InitialChartModel();
    std::unique_ptr<ChartCrosshair> crosshair_;
    bool crossCursor_ = false;
    int lastMouseX_ = 0;
    bool mouseMovedOverChart_ = false; // lastMouseX_ holds a position
};

} // namespace brevant
