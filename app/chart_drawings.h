// Brevant Dira — the drawings on the main window's chart: the shown stock's
// trend lines and levels read from the database, drawn with the mouse when
// a drawing mode is chosen, selected by a click and deleted with Delete.
#pragma once

#include <QObject>
#include <QPointF>
#include <functional>
#include <optional>
#include <string>

#include "ta/drawing.h"
#include "ta/period_bars.h"
#include "ta/stock_bar.h"

class QAction;

namespace brevant {

class ChartRenderer;
class DrawingsLayer;
class TChartPane;
struct TDataStore;

enum class DrawingMode { None, Trend, Level };

// Watches the pane's plot ahead of its navigation. With no drawing mode
// chosen it takes nothing from it: a click only selects the drawing under
// the pointer (passed on to the drag as before) and Delete deletes the
// selected one. In a drawing mode a left click over the price panel places a
// point (a trend line takes two, a level one) and is not passed on; the
// drawing is stored at once and the mode ends. Escape ends a mode.
class TChartDrawings : public QObject {
    Q_OBJECT
public:
    TChartDrawings(TChartPane& pane, TDataStore& store, std::function<BarPeriod()> period,
                   QObject* parent = nullptr);

    // The shown stock by its symbol: its drawings are read again.
    void ShowStock(const std::string& symbol);
    void SetMode(DrawingMode mode);
    DrawingMode Mode() const { return mode_; }
    // Deletes every drawing of the shown stock, once the user confirms.
    void RemoveAll();
    // Deletes the selected drawing; false when none is selected.
    bool RemoveSelected();

    // The shown stock's drawings laid over a printed page's chart, drawn
    // from `bars`.
    void DecorateSheet(ChartRenderer& sheet, const TBars& bars) const;

    const Drawings& Shown() const;
    int Selected() const;
    DrawingsLayer& Layer() const { return *layer_; }

signals:
    // A drawing could not be read, stored or deleted: what went wrong.
    void failed(const QString& text);
    void modeChanged(DrawingMode mode);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Press(QPointF at);
    void Store(const Drawing& drawing);
    void Reload();
    void Replot();
    // Runs `work` on the database; a failure is reported, not thrown.
    bool Try(const std::function<void()>& work);

    TChartPane& pane_;
    QObject* plot_ = nullptr; // the pane's plot, which this filter watches
    TDataStore& store_;
    std::function<BarPeriod()> period_;
    DrawingsLayer* layer_ = nullptr; // owned by the plot
    std::string symbol_;
    DrawingMode mode_ = DrawingMode::None;
    // A trend line's first point: its day, price and axis position.
    struct FirstPoint {
        double day, price, position;
    };
    std::optional<FirstPoint> first_;
    // Where the last press was taken by a drawing mode, so that the double
    // click the same click may end in is taken too.
    std::optional<QPointF> pressTaken_;
};

} // namespace brevant
