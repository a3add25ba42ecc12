// Brevant Dira — draws the chart model into a QCustomPlot.
#pragma once

#include <array>
#include <memory>

#include <QObject>
#include <qcustomplot.h>

#include "chart/chart_model.h"
#include "ta/locale_settings.h"
#include "ta/stock_bar.h"

namespace brevant {

class AddedPanelRects;
class ChartHeader;
class GridBands;
class PlotFrame;

struct RenderOptions {
    // Draw the header (stock, last bar's values) and the indicator title in the
    // plot itself, for pictures; a window shows them in its own labels.
    bool drawHeader = false;
};

// Owns the layout of one QCustomPlot: the indicator panel (0 % to 20 % of
// the plot height) and the price panel (20 % to 100 %) sharing one bottom
// axis, the volume band (65 % to 100 %) and an invisible full-height band
// for the cursor series, the grid bands, frame and colour lines.
// One renderer per plot: it replaces the plot's layout when it is made and is
// deleted with the plot.
//
// A window keeps one ChartModel (from InitialChartModel()) and, to redraw,
// composes into it and renders it:
//   CheckIndicatorBars(Bars, view, Params, overlays);
//   ComposeChart(model, {Bars, view, Params, overlays, selection, locale});
//   renderer.Render(model, Bars, selection.Any(), locale);
//   ApplyHeaderTexts(model, labels);  // and the status bar: model.statusText
class ChartRenderer : public QObject {
public:
    ChartRenderer(QCustomPlot& plot, RenderOptions options = {});
    ~ChartRenderer() override;

    // Puts the model's points, looks, ranges and texts into the plot and
    // queues a replot. The bottom axis labels read `bars` each time the plot
    // is drawn, as the window's series is at that moment; keep it alive.
    // `stockSelected` turns the bar and volume numbers into dates and K/M/B.
    void Render(const ChartModel& model, const TBars& bars, bool stockSelected,
                const LocaleSettings& locale);

    // Whether a stock list has a selection, for the labels of later redraws
    // (the lists can change their selection without a new composition).
    void SetStockSelected(bool selected) { stockSelected_ = selected; }

    QCustomPlot& plot() const { return plot_; }
    QCPAxisRect* indicatorPanel() const { return indicatorRect_; }
    QCPAxisRect* pricePanel() const { return priceRect_; }
    QCPAxisRect* volumeBand() const { return volumeRect_; }
    QCPAxisRect* fullHeightBand() const { return fullRect_; }
    QCPAxis* axis(ChartAxis a) const;
    QCPAxis* bottomAxis() const { return priceRect_->axis(QCPAxis::atBottom); }
    // The indicator panels added under the price panel, and every panel's height.
    AddedPanelRects& addedPanels() const { return *added_; }
    QCPAbstractPlottable* plottable(ChartSeries s) const;

    // The bottom-axis value under a pixel x of the plot widget.
    double BottomAxisValueAt(int x) const;

    // What the crosshair writes on the axes at a pixel of the plot widget:
    // the value under it on the price axis (a price, to 2 decimals) or on
    // the indicator axis (as its labels write numbers; nothing while the
    // view hides them), nothing elsewhere; and the date ("dd mmm yy") of the
    // bar under it when that bar is in view and a stock is selected.
    QString CrosshairValueText(QPoint at) const;
    QString CrosshairDateText(int x) const;

    // The text a label of `axis` shows instead of `text`, its value as the
    // axis formats it: dates on the bottom axis, K/M/B on the volume axis,
    // nothing visible on the indicator axis of the views without a scale.
    // Other axes keep `text`. Every label the plot draws comes through here.
    QString AxisLabelText(const QCPAxis* axis, const QString& text) const;

private:
    void setupLayout();
    void setupAxes();
    void setupSeries();
    void setupDecorations();
    void setupHeader();
    void applySeries(const ChartModel& model);
    void applyPrice(const ChartModel& model);
    // The price axis linear or logarithmic, as the model says.
    void applyScale(const ChartModel& model);
    void applyTexts(const ChartModel& model);
    // As many logarithmic labels as the price panel's height has room for.
    void fitLogTicks();
    // Candles no wider than a volume bar, for a model that asks so.
    void fitCandleWidth();
    // After each layout: the vertical ranges, then what a small plot needs
    // (a taller header, sparser labels), laying the plot out again for it.
    void settleLayout();
    // Vertical ranges from the shown data widened by the pixel offsets, for
    // the panel heights of the current layout.
    void fitVerticalRanges();
    // Each returns whether it changed the layout's inputs.
    bool placeHeader();
    bool spaceLabels();
    // The indicator panel's notice, centred, clear of the title.
    void placeNotice();

    QCustomPlot& plot_;
    RenderOptions options_;
    QCPAxisRect* indicatorRect_ = nullptr;
    QCPAxisRect* priceRect_ = nullptr;
    QCPAxisRect* volumeRect_ = nullptr;
    QCPAxisRect* fullRect_ = nullptr;
    std::array<QCPAbstractPlottable*, kChartSeriesCount> plottables_{};
    PlotFrame* frame_ = nullptr;
    std::unique_ptr<AddedPanelRects> added_;
    std::unique_ptr<ChartHeader> header_;
    QCPItemText* title_ = nullptr;
    QCPItemText* notice_ = nullptr;
    QString noticeText_;
    std::array<VerticalAxisModel, kChartAxisCount> axisModels_;
    const TBars* bars_ = nullptr;
    bool stockSelected_ = false;
    LocaleSettings locale_;
    int indicator_ = 2;
    bool fitCandles_ = false;
    int candleWidth_ = 4;
};

} // namespace brevant
