// Brevant Dira — the axis rects of the indicator panels added under the
// price panel, and the heights every panel of the plot gets.
#include "chart/render/added_panel_rects.h"

#include <numeric>

#include "chart/added_panels.h"
#include "chart/axis_labels.h"
#include "chart/number_texts.h"
#include "chart/render/chart_font.h"
#include "chart/render/chart_layers.h"
#include "chart/render/label_spacing.h"
#include "chart/render/label_ticker.h"
#include "chart/render/line_graph.h"
#include "chart/render/plot_pens.h"
#include "ui/latin1.h"

namespace brevant {
namespace {

// As the first panel draws them.
const QColor kAxisBlue(colours::kAxisBlue.r, colours::kAxisBlue.g, colours::kAxisBlue.b);

void StyleDateAxis(QCPAxis* a) {
    a->setBasePen(QPen(kAxisBlue, 1));
    a->setTickPen(QPen(kAxisBlue, 1));
    a->setSubTicks(false);
    a->setTickLengthIn(0);
    a->setTickLengthOut(3);
    a->setTickLabelFont(ChartFont());
    const QPen grid(ToQColor(colours::kGridGreen), 1, Qt::DotLine);
    a->grid()->setVisible(true);
    a->grid()->setPen(grid);
    a->grid()->setZeroLinePen(grid);
}

QCPItemText* PanelText(QCustomPlot& plot, QFont font) {
    auto* text = new QCPItemText(&plot);
    text->setClipToAxisRect(false);
    text->setFont(font);
    return text;
}

template <class Data> QVector<Data> Points(const std::vector<XYPoint>& points) {
    QVector<Data> data(int(points.size()));
    for (int i = 0; i < data.size(); ++i)
        data[i] = {points[std::size_t(i)].x, points[std::size_t(i)].y};
    return data;
}

} // namespace

AddedPanelRects::AddedPanelRects(PlotParts parts) : parts_(std::move(parts)) {}

AddedPanelRects::~AddedPanelRects() = default;

std::vector<double> AddedPanelRects::DefaultShares(int added) {
    if (added <= 0) return {20, 80};
    // Each indicator panel a little lower the more there are; the price
    // panel keeps at least half the height.
    const int panels = 1 + added;
    const double share = 22 - 2 * panels;
    std::vector<double> shares(std::size_t(2 + added), share);
    shares[1] = 100 - panels * share;
    return shares;
}

QCPAxis* AddedPanelRects::ValueAxis(int k) const {
    return Rect(k)->axis(QCPAxis::atRight);
}

QCPAxis* AddedPanelRects::DateAxis() const {
    return panels_.empty() ? parts_.priceRect->axis(QCPAxis::atBottom)
                           : panels_.back().rect->axis(QCPAxis::atBottom);
}

int AddedPanelRects::At(QPoint at) const {
    for (int k = 0; k < Count(); ++k)
        if (Rect(k)->rect().contains(at)) return k;
    return -1;
}

void AddedPanelRects::MarkActive(int k) {
    for (int i = 0; i < Count(); ++i)
        panels_[std::size_t(i)].title->setPen(i == k ? QPen(QColor(0, 128, 128), 1)
                                                     : QPen(Qt::NoPen));
    parts_.plot.replot(QCustomPlot::rpQueuedReplot);
}

void AddedPanelRects::Apply(const std::vector<AddedPanelModel>& panels, char decimalSeparator) {
    // The two-panel plot is left exactly as it was made.
    if (panels.empty() && panels_.empty()) return;
    Resize(static_cast<int>(panels.size()));
    for (std::size_t k = 0; k < panels.size(); ++k) {
        ValueAxis(int(k))->ticker().staticCast<LabelTicker>()->setDecimalSeparator(
            decimalSeparator);
        ApplyPanel(panels_[k], panels[k]);
    }
}

void AddedPanelRects::ApplyPanel(Panel& panel, const AddedPanelModel& model) {
    panel.indicator = model.indicator;
    panel.axis = model.axis;
    for (std::size_t k = 0; k < kPanelSeries.size(); ++k) {
        const SeriesModel& s = model.series[k];
        QCPAbstractPlottable* p = panel.plottables[k];
        p->setVisible(s.visible);
        p->setPen(s.outline || s.kind == SeriesKind::Line ? ToQPen(s.pen) : QPen(Qt::NoPen));
        p->setBrush(s.kind == SeriesKind::Line ? QBrush(Qt::NoBrush) : QBrush(ToQColor(s.fill)));
        if (auto* g = qobject_cast<QCPGraph*>(p))
            g->data()->set(Points<QCPGraphData>(s.points), true);
        else if (auto* b = qobject_cast<QCPBars*>(p))
            b->data()->set(Points<QCPBarsData>(s.points), true);
    }
    ValueAxis(int(&panel - panels_.data()))
        ->setTickLabelColor(model.axis.labelsVisible ? Qt::black : Qt::white);
    panel.title->setText(ui::FromLatin1(model.title));
    panel.title->setVisible(!model.title.empty());
    panel.noticeText = ui::FromLatin1(model.notice);
    panel.notice->setText(panel.noticeText);
    panel.notice->setVisible(!panel.noticeText.isEmpty());
}

void AddedPanelRects::Resize(int count) {
    if (count == Count()) return;
    while (Count() < count) AddPanel();
    while (Count() > count) RemoveLast();
    parts_.plot.plotLayout()->simplify();
    shares_ = DefaultShares(count);
    ApplyShares();
    PlaceDates();
}

void AddedPanelRects::AddPanel() {
    QCustomPlot& plot = parts_.plot;
    Panel panel;
    const int k = Count();
    panel.rect = new QCPAxisRect(&plot, true);
    QCPAxisRect* rect = panel.rect;
    plot.plotLayout()->addElement(2 + k, 0, rect);
    rect->setAutoMargins(QCP::msLeft | QCP::msRight);
    rect->setMargins(QMargins());
    rect->setMinimumMargins(QMargins(40, 0, 40, 0));
    rect->setMinimumSize(0, 0);
    rect->setMarginGroup(QCP::msLeft | QCP::msRight,
                         parts_.indicatorRect->marginGroup(QCP::msLeft));
    for (QCPAxis* a : rect->axes()) a->grid()->setVisible(false);
    rect->axis(QCPAxis::atLeft)->setVisible(false);

    QCPAxis* top = rect->axis(QCPAxis::atTop);
    top->setVisible(true);
    top->setBasePen(QPen(kAxisBlue, 1));
    top->setTicks(false);
    top->setTickLabels(false);
    top->setTickPen(Qt::NoPen);

    QCPAxis* bottom = rect->axis(QCPAxis::atBottom);
    bottom->setTicker(parts_.dateTicker);
    StyleDateAxis(bottom);
    QCPAxis* range = parts_.priceRect->axis(QCPAxis::atBottom);
    bottom->setRange(range->range());
    QObject::connect(range, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), bottom,
                     qOverload<const QCPRange&>(&QCPAxis::setRange));

    auto ticker = QSharedPointer<LabelTicker>::create('.', false);
    ticker->setRelabel([this, k](const QString& text) {
        return ui::FromLatin1(
            IndicatorAxisLabel(ui::ToLatin1(text), panels_[std::size_t(k)].indicator).text);
    });
    QCPAxis* value = rect->axis(QCPAxis::atRight);
    StyleValueAxis(value, ticker);

    const ChartModel initial = InitialChartModel();
    for (std::size_t s = 0; s < kPanelSeries.size(); ++s) {
        const SeriesModel& model = initial[kPanelSeries[s]];
        QCPAbstractPlottable* p = nullptr;
        if (model.kind == SeriesKind::Bar) {
            auto* bars = new QCPBars(bottom, value);
            bars->setWidth(kBarWidth);
            p = bars;
        } else {
            auto* g = new LineGraph(bottom, value);
            g->setLineStyle(model.kind == SeriesKind::Area ? QCPGraph::lsStepCenter
                                                           : QCPGraph::lsLine);
            p = g;
        }
        p->setName(ui::FromLatin1(model.name));
        p->setAntialiased(model.kind == SeriesKind::Line);
        p->setAntialiasedFill(false);
        panel.plottables[s] = p;
    }
    const QColor teal(0, 128, 128, int(255 * 0.05 + 0.5));
    panel.bands = new GridBands(value, teal, teal);

    panel.title = PanelText(plot, ChartFont(8, true));
    panel.title->setPositionAlignment(Qt::AlignLeft | Qt::AlignTop);
    panel.title->setBrush(Qt::white);
    panel.title->setPadding(QMargins(3, 1, 3, 1));
    panel.title->position->setType(QCPItemPosition::ptAxisRectRatio);
    panel.title->position->setAxisRect(rect);
    panel.title->position->setCoords(0.005, 0.03);
    panel.notice = PanelText(plot, ChartFont(8));
    panel.notice->setColor(kAxisBlue);
    panel.notice->position->setType(QCPItemPosition::ptAbsolute);
    panel.notice->setPositionAlignment(Qt::AlignCenter);
    panel.notice->setVisible(false);
    panels_.push_back(panel);
}

void AddedPanelRects::RemoveLast() {
    QCustomPlot& plot = parts_.plot;
    Panel& panel = panels_.back();
    // What draws on the rect's axes goes before the rect and its axes.
    for (QCPAbstractPlottable* p : panel.plottables) plot.removePlottable(p);
    plot.removeItem(panel.title);
    plot.removeItem(panel.notice);
    delete panel.bands;
    plot.plotLayout()->remove(panel.rect);
    panels_.pop_back();
}

void AddedPanelRects::PlaceDates() {
    QCPAxis* priceBottom = parts_.priceRect->axis(QCPAxis::atBottom);
    const bool added = !panels_.empty();
    // Under the price panel the dates would run into the next panel.
    priceBottom->setTickLabels(!added);
    priceBottom->setTickLengthOut(added ? 0 : 3);
    for (const Panel& panel : panels_)
        panel.rect->axis(QCPAxis::atBottom)->setVisible(&panel == &panels_.back());
    parts_.frame->setBottom(added ? panels_.back().rect : parts_.priceRect);
}

void AddedPanelRects::SetShares(const std::vector<double>& shares) {
    if (shares.size() != shares_.size()) return;
    shares_ = shares;
    ApplyShares();
    parts_.plot.replot(QCustomPlot::rpQueuedReplot);
}

void AddedPanelRects::ApplyShares() {
    QCPLayoutGrid* layout = parts_.plot.plotLayout();
    for (std::size_t row = 0; row < shares_.size(); ++row)
        layout->setRowStretchFactor(int(row), shares_[row]);
    // The cursor band reaches from the top of the first panel to the bottom
    // of the last, measured in heights of the price panel it sits in.
    const double total = std::accumulate(shares_.begin(), shares_.end(), 0.0);
    QCPLayoutInset* inset = parts_.priceRect->insetLayout();
    for (int i = 0; i < inset->elementCount(); ++i)
        if (inset->elementAt(i) == parts_.fullRect)
            inset->setInsetRect(i, QRectF(0, -shares_[0] / shares_[1], 1, total / shares_[1]));
}

void AddedPanelRects::FitRanges(int plotHeight) {
    const double total = std::accumulate(shares_.begin(), shares_.end(), 0.0);
    for (int k = 0; k < Count(); ++k) {
        const VerticalAxisModel& m = panels_[std::size_t(k)].axis;
        if (!m.dataRange) continue;
        int pixels = PanelExtent(*Rect(k), false);
        if (pixels <= 1) pixels = int(plotHeight * shares_[std::size_t(2 + k)] / total);
        double low = m.dataRange->min, high = m.dataRange->max;
        if (!(high > low)) {
            const double pad = low == 0 ? 1.0 : std::abs(low) * 0.05;
            low -= pad;
            high += pad;
        }
        const int usable = pixels - m.minOffset - m.maxOffset;
        if (usable > 0) {
            const double perPixel = (high - low) / usable;
            low -= m.minOffset * perPixel;
            high += m.maxOffset * perPixel;
        }
        ValueAxis(k)->setRange(low, high);
        Rect(k)->update(QCPLayoutElement::upPreparation);
    }
}

std::vector<QCPAxis*> AddedPanelRects::ValueAxes() const {
    std::vector<QCPAxis*> axes;
    for (int k = 0; k < Count(); ++k) axes.push_back(ValueAxis(k));
    return axes;
}

void AddedPanelRects::PlaceNotices() {
    for (Panel& panel : panels_) {
        panel.notice->setVisible(!panel.noticeText.isEmpty());
        if (panel.noticeText.isEmpty()) continue;
        if (PanelExtent(*panel.rect, false) < 2 || PanelExtent(*panel.rect, true) < 2) continue;
        const QRect rect = panel.rect->rect();
        const QFontMetrics metrics(panel.notice->font());
        panel.notice->setText(
            metrics.elidedText(panel.noticeText, Qt::ElideRight, std::max(rect.width() - 8, 0)));
        // Below the title, which stands at the top left.
        const QFontMetrics title(panel.title->font());
        const double below =
            rect.top() + rect.height() * 0.03 + title.height() + 4 + metrics.height() / 2.0;
        const double y = std::max(double(rect.center().y()), below);
        panel.notice->position->setCoords(rect.center().x(), std::min(y, double(rect.bottom())));
    }
}

QString AddedPanelRects::ValueTextAt(QPoint at, char decimalSeparator) const {
    const int k = At(at);
    if (k < 0 || !panels_[std::size_t(k)].axis.labelsVisible) return {};
    return ui::FromLatin1(AxisNumberText(ValueAxis(k)->pixelToCoord(at.y()), decimalSeparator));
}

} // namespace brevant
