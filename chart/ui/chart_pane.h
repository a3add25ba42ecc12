// Brevant Dira — the chart pane: the plot and everything it drives around it.
#pragma once

#include <QPalette>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "chart/chart_model.h"
#include "chart/chart_view.h"
#include "chart/chart_viewport.h"
#include "chart/compose_chart.h"
#include "chart/visible_range.h"
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
class TChartNavigation;

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
    // The shown stock's every stored day as daily bars, oldest first (Date
    // and Open..Volume set), adjusted for its recorded splits when asked;
    // false, and `bars` empty, when no stock is shown.
    virtual bool WholeHistoryBars(bool adjusted, TBars& bars) = 0;
    // The views of the indicator panels added under the price panel, top
    // down; none unless the user added some.
    virtual std::vector<int> CurrentAddedPanels() const { return {}; }
    // What the print preview's page adds over the chart it drew from `bars`
    // (the stock's drawings); nothing unless the host has some.
    virtual void DecorateSheet(ChartRenderer& /*sheet*/, const TBars& /*bars*/) {}
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
//
// Beside the specified chart of the newest days, the pane draws from the
// stock's whole history, which it asks of its host on demand: for a view that
// needs it (a history window or date range, split-adjusted prices), and once
// the user zooms or scrolls (the wheel, a drag, the keys; TChartNavigation).
// It then keeps that history prepared for the view, and the part in view.
// Until then, and again after ForgetNavigation with a specified view, it
// draws exactly the specified chart from the host's bars.
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

    // --- Beyond the specified chart ---
    // Another stock: its history is read again when needed, and the chart
    // starts from the chosen window.
    void NewStock();
    // Back to the chosen window at the next drawing (a window or a period
    // chosen); the history stays.
    void ForgetNavigation();
    // A double click or the menu: back to the chosen window, drawn now.
    void ReturnToChosenWindow();
    // Moves the part of the history in view by `move` (which says whether it
    // moved), reading the history first if the chart does not show it yet,
    // and redraws and reads out again when it moved. False when there is no
    // history to move over (no stock shown) or nothing moved.
    bool Navigate(const std::function<bool(ChartViewport&)>& move);
    // Whether the user has zoomed or scrolled since the window was chosen.
    bool Navigated() const { return navigated_; }
    // What the chart shows now; and the series its positions count in.
    VisibleRange Visible() const;
    const TBars& Series() const;

    // --- Indicator panels added under the price panel ---
    // The indicator panel at a pixel of the plot: 0 for the first, 1 and 2
    // for the added ones, -1 elsewhere.
    int PanelAt(QPoint at) const;
    // The readout labels of the added panels, under the designed ones, in
    // the order the readout fills them (each panel: its view's name, then
    // caption and value of each used slot); none without added panels.
    std::vector<QLabel*> AddedPanelLabels() const { return addedReadout_; }
    // While panels are added, a frame round the title of the panel the view
    // commands act on (0 the first); none without added panels.
    void MarkActivePanel(int panel);

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
    // A mouse button pressed over the plot, on the indicator panel `panel`
    // (see PanelAt; -1 off them), at `global` on the screen.
    void panelPressed(int panel, Qt::MouseButton button, QPoint global);

private:
    void setupHeader(QWidget* header);
    void setupDetailPanel();
    void setupPlot();
    QLabel* NewLabel(int number, const QString& text, QWidget* parent);
    void PlaceIndicatorTitle();
    void ReadoutAt(int x);
    // Composes `model_` from the inputs (with `span` when given), draws it
    // from `bars` and writes the header labels and the status.
    void Draw(const ChartInputs& in, const ChartSpan* span);
    // The whole history prepared for the remembered view: read and computed
    // again when the view needs other values. False when there is none.
    bool PrepareHistory();
    // Draws the part of the prepared history in view, with `status`.
    void DrawHistory(const std::string& status);
    ChartInputs Remembered(const TBars& bars) const;
    // The added panels' rows of the detail panel, made for their views
    // (the panel grows by them) and read out for the bar under the mouse.
    void setupAddedPanels();
    void LayOutAddedReadout(const std::vector<int>& indicators);
    void ReadOutAddedPanels(int bar);
    void ClearAddedReadout();

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
    TChartNavigation* navigation_ = nullptr; // wheel, drag and keys over Chart1
    bool crossCursor_ = false;
    // The inputs of the last drawing, for drawing again after a zoom or a scroll.
    struct LastInputs {
        ChartView view;
        TIndicatorParams params;
        OverlaySettings overlays;
        StockSelection selection;
        LocaleSettings locale;
    };
    std::optional<LastInputs> last_;
    // The stock's whole history in the view's period with its values, and
    // what it was computed for; empty until a view or the user needs it.
    TBars history_;
    std::optional<LastInputs> historyFor_;
    // The part of the history in view, once the chart draws from it.
    std::optional<ChartViewport> viewport_;
    bool navigated_ = false;
    const TBars* drawn_ = nullptr;   // the bars of the chart on screen
    int activePanel_ = 0;            // the panel marked while panels are added
    std::vector<int> readoutPanels_; // the views the added rows are made for
    std::vector<QLabel*> addedReadout_;
    int lastMouseX_ = 0;
    bool mouseMovedOverChart_ = false; // lastMouseX_ holds a position
};

} // namespace brevant
