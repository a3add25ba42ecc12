// Brevant Dira — the axis rects of the indicator panels added under the
// price panel, and the heights every panel of the plot gets.
#pragma once

#include <array>
#include <vector>

#include <QPoint>
#include <QSharedPointer>
#include <QString>
#include <qcustomplot.h>

#include "chart/chart_model.h"

namespace brevant {

class GridBands;
class PlotFrame;

// What the added panels share with the rest of the plot.
struct PlotParts {
    QCustomPlot& plot;
    QCPAxisRect* indicatorRect; // the first indicator panel, row 0
    QCPAxisRect* priceRect;     // row 1; its bottom axis holds the range
    QCPAxisRect* fullRect;      // the cursor band over every panel
    PlotFrame* frame;
    QSharedPointer<QCPAxisTicker> dateTicker; // the bottom axis's
};

// Without added panels the plot is exactly the two-panel plot: the rows keep
// their 20 and 80 shares and the dates stay under the price panel. Each
// added panel is a row under the price panel with its own value axis, grid
// bands, title and notice; the dates move under the lowest one.
class AddedPanelRects {
public:
    explicit AddedPanelRects(PlotParts parts);
    ~AddedPanelRects();

    // As many panels as the model has, with its points, pens and texts.
    void Apply(const std::vector<AddedPanelModel>& panels, char decimalSeparator);
    int Count() const { return static_cast<int>(panels_.size()); }
    QCPAxisRect* Rect(int k) const { return panels_[std::size_t(k)].rect; }
    QCPAxis* ValueAxis(int k) const;
    // The axis that writes the dates: the lowest panel's bottom axis.
    QCPAxis* DateAxis() const;
    // The added panel at a pixel of the plot widget; -1 for none.
    int At(QPoint at) const;
    // A frame round the title of added panel k, the one the view commands
    // act on; -1 for none.
    void MarkActive(int k);

    // The shares of the plot height the rows take, top down: the first
    // indicator panel, the price panel, then the added ones.
    std::vector<double> Shares() const { return shares_; }
    // New shares (a dragged border); the count must match the rows.
    void SetShares(const std::vector<double>& shares);
    // The shares a plot of `added` added panels starts with.
    static std::vector<double> DefaultShares(int added);

    // Value ranges from the shown data widened by the axis offsets.
    void FitRanges(int plotHeight);
    // The value axes to keep their labels apart on.
    std::vector<QCPAxis*> ValueAxes() const;
    // Each notice centred in its panel, below the title when they meet.
    void PlaceNotices();
    // The value under a pixel as the panel's labels write it; empty when
    // the pixel is on no added panel or its view hides its labels.
    QString ValueTextAt(QPoint at, char decimalSeparator) const;

private:
    struct Panel {
        QCPAxisRect* rect = nullptr;
        std::array<QCPAbstractPlottable*, 6> plottables{};
        GridBands* bands = nullptr;
        QCPItemText* title = nullptr;
        QCPItemText* notice = nullptr;
        QString noticeText;
        VerticalAxisModel axis;
        int indicator = 0;
    };
    void Resize(int count);
    void AddPanel();
    void RemoveLast();
    void PlaceDates();
    void ApplyShares();
    void ApplyPanel(Panel& panel, const AddedPanelModel& model);

    PlotParts parts_;
    std::vector<Panel> panels_;
    std::vector<double> shares_ = DefaultShares(0);
};

} // namespace brevant
