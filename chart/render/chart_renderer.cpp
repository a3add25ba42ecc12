// Brevant Dira — draws the chart model into a QCustomPlot.
#include "chart/render/chart_renderer.h"

#include <algorithm>
#include <cmath>

#include "chart/axis_labels.h"
#include "chart/number_texts.h"
#include "chart/readout.h"
#include "chart/render/added_panel_rects.h"
#include "chart/render/chart_font.h"
#include "chart/render/chart_header.h"
#include "chart/render/chart_layers.h"
#include "chart/render/label_spacing.h"
#include "chart/render/label_ticker.h"
#include "chart/render/line_graph.h"
#include "chart/render/plot_pens.h"
#include "ta/text_format.h"
#include "ui/latin1.h"

namespace brevant {
namespace {

using enum ChartSeries;

// Pixels a label of a logarithmic axis wants for itself.
constexpr int kLogLabelPitch = 36;
// Chart margins outside the panels (left, top, right, bottom); the bottom one
// also holds the date labels.
const QMargins kChartMargins(23, 25, 23, 17 + 16);

QColor Teal(double transparency) {
    return QColor(0, 128, 128, int(255 * (1.0 - transparency) + 0.5));
}

QCPAxisRect* NewBand(QCustomPlot& plot) {
    auto* rect = new QCPAxisRect(&plot, true);
    rect->setAutoMargins(QCP::msNone);
    rect->setMargins(QMargins());
    // Bands keep their share of a small plot; an axis rect's own minimum of
    // 50 pixels would push the volume band out of the price panel.
    rect->setMinimumSize(0, 0);
    for (QCPAxis* a : rect->axes()) {
        a->setVisible(false);
        a->grid()->setVisible(false);
    }
    return rect;
}

void StyleValueAxis(QCPAxis* a, char decimalSeparator) {
    StyleValueAxis(a, QSharedPointer<LabelTicker>::create(decimalSeparator, false));
}

// The same padding on a logarithmic axis, in the logarithms of the values.
std::optional<QCPRange> PaddedLog(const VerticalAxisModel& m, int pixels) {
    double low = std::log(m.dataRange->min), high = std::log(m.dataRange->max);
    if (!(high > low)) {
        low -= 0.05;
        high += 0.05;
    }
    const int usable = pixels - m.minOffset - m.maxOffset;
    if (usable > 0) {
        const double perPixel = (high - low) / usable;
        low -= m.minOffset * perPixel;
        high += m.maxOffset * perPixel;
    }
    return QCPRange(std::exp(low), std::exp(high));
}

std::optional<QCPRange> Padded(const VerticalAxisModel& m, int pixels) {
    if (!m.dataRange) return std::nullopt;
    if (m.logScale && m.dataRange->min > 0) return PaddedLog(m, pixels);
    double low = m.dataRange->min, high = m.dataRange->max;
    if (!(high > low)) {
        const double pad = low == 0 ? 1.0 : std::abs(low) * 0.05;
        low -= pad;
        high += pad;
    }
    const int usable = pixels - m.minOffset - m.maxOffset;
    if (usable <= 0) return QCPRange(low, high);
    const double perPixel = (high - low) / usable;
    return QCPRange(low - m.minOffset * perPixel, high + m.maxOffset * perPixel);
}

} // namespace

ChartRenderer::~ChartRenderer() = default;

ChartRenderer::ChartRenderer(QCustomPlot& plot, RenderOptions options)
    : QObject(&plot), plot_(plot), options_(options) {
    setupLayout();
    setupAxes();
    setupSeries();
    setupDecorations();
    setupHeader();
    connect(&plot_, &QCustomPlot::afterLayout, this, &ChartRenderer::settleLayout);
}

void ChartRenderer::setupLayout() {
    // The legend lives in the default axis rect and goes with it.
    plot_.legend->setVisible(false);
    plot_.plotLayout()->clear();
    plot_.setBackground(Qt::white);
    plot_.setInteractions({});
    plot_.setPlottingHint(QCP::phFastPolylines, true);
    plot_.plotLayout()->setAutoMargins(QCP::msNone);
    plot_.plotLayout()->setMargins(kChartMargins);
    plot_.plotLayout()->setRowSpacing(0);

    indicatorRect_ = new QCPAxisRect(&plot_, true);
    priceRect_ = new QCPAxisRect(&plot_, true);
    plot_.plotLayout()->addElement(0, 0, indicatorRect_);
    plot_.plotLayout()->addElement(1, 0, priceRect_);
    plot_.plotLayout()->setRowStretchFactor(0, 20);
    plot_.plotLayout()->setRowStretchFactor(1, 80);
    // Only the sides carry labels; the panels meet without a gap.
    auto* sides = new QCPMarginGroup(&plot_);
    for (QCPAxisRect* rect : {indicatorRect_, priceRect_}) {
        rect->setAutoMargins(QCP::msLeft | QCP::msRight);
        rect->setMargins(QMargins());
        rect->setMinimumMargins(QMargins(40, 0, 40, 0));
        rect->setMinimumSize(0, 0);
        rect->setMarginGroup(QCP::msLeft | QCP::msRight, sides);
    }

    // The volume band is the lower 35 % of the plot, the price panel's lower
    // 45/80; the full-height band reaches up over the indicator panel.
    volumeRect_ = NewBand(plot_);
    priceRect_->insetLayout()->addElement(volumeRect_, QRectF(0, 45.0 / 80, 1, 35.0 / 80));
    fullRect_ = NewBand(plot_);
    priceRect_->insetLayout()->addElement(fullRect_, QRectF(0, -20.0 / 80, 1, 100.0 / 80));
}

void ChartRenderer::setupAxes() {
    const char sep = locale_.DecimalSeparator;
    for (QCPAxisRect* rect : {indicatorRect_, priceRect_})
        for (QCPAxis* a : rect->axes()) a->grid()->setVisible(false);

    QCPAxis* bottom = bottomAxis();
    bottom->setBasePen(QPen(ToQColor(colours::kAxisBlue), 1));
    bottom->setTickPen(QPen(ToQColor(colours::kAxisBlue), 1));
    bottom->setSubTicks(false);
    bottom->setTickLengthIn(0);
    bottom->setTickLengthOut(3);
    bottom->setTickLabelFont(ChartFont());
    auto ticker = QSharedPointer<LabelTicker>::create(sep, true);
    bottom->setTicker(ticker);
    QPen gridPen(ToQColor(colours::kGridGreen), 1, Qt::DotLine);
    // The vertical grid runs through both panels; the indicator panel's own
    // bottom axis is invisible and follows the shared one.
    QCPAxis* indicatorBottom = indicatorRect_->axis(QCPAxis::atBottom);
    indicatorBottom->setVisible(false);
    indicatorBottom->setTicker(ticker);
    for (QCPAxis* a : {bottom, indicatorBottom}) {
        a->grid()->setVisible(true);
        a->grid()->setPen(gridPen);
        a->grid()->setZeroLinePen(gridPen);
    }
    for (QCPAxisRect* band : {volumeRect_, fullRect_, indicatorRect_}) {
        QCPAxis* follower = band->axis(QCPAxis::atBottom);
        connect(bottom, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), follower,
                qOverload<const QCPRange&>(&QCPAxis::setRange));
    }

    QCPAxis* top = indicatorRect_->axis(QCPAxis::atTop);
    top->setVisible(true);
    top->setBasePen(QPen(ToQColor(colours::kAxisBlue), 1));
    top->setTicks(false);
    top->setTickLabels(false);
    top->setTickPen(Qt::NoPen);

    indicatorRect_->axis(QCPAxis::atLeft)->setVisible(false);
    priceRect_->axis(QCPAxis::atLeft)->setVisible(false);
    StyleValueAxis(axis(ChartAxis::Indicator), sep);
    StyleValueAxis(axis(ChartAxis::Right), sep);
    StyleValueAxis(axis(ChartAxis::Left), sep);
    fullRect_->axis(QCPAxis::atLeft)->setRange(0, 100);

    // Every label goes through AxisLabelText, as it is drawn.
    for (QCPAxis* a : {bottom, axis(ChartAxis::Left), axis(ChartAxis::Indicator)})
        a->ticker().staticCast<LabelTicker>()->setRelabel(
            [this, a](const QString& text) { return AxisLabelText(a, text); });
}

QString ChartRenderer::AxisLabelText(const QCPAxis* a, const QString& text) const {
    if (a == bottomAxis()) {
        if (!bars_) return text;
        return ui::FromLatin1(BottomAxisLabel(ui::ToLatin1(text), *bars_, stockSelected_, locale_));
    }
    if (a == axis(ChartAxis::Left))
        return ui::FromLatin1(
            VolumeAxisLabel(ui::ToLatin1(text), stockSelected_, locale_.DecimalSeparator));
    if (a == axis(ChartAxis::Indicator))
        return ui::FromLatin1(IndicatorAxisLabel(ui::ToLatin1(text), indicator_).text);
    return text;
}

QCPAxis* ChartRenderer::axis(ChartAxis a) const {
    switch (a) {
    case ChartAxis::Indicator:
        return indicatorRect_->axis(QCPAxis::atRight);
    case ChartAxis::Right:
        return priceRect_->axis(QCPAxis::atRight);
    case ChartAxis::Left:
        return volumeRect_->axis(QCPAxis::atLeft);
    case ChartAxis::Hidden:
        return fullRect_->axis(QCPAxis::atLeft);
    }
    return nullptr;
}

QCPAbstractPlottable* ChartRenderer::plottable(ChartSeries s) const {
    return plottables_[static_cast<int>(s)];
}

void ChartRenderer::setupSeries() {
    const ChartModel initial = InitialChartModel();
    for (int k = 0; k < kChartSeriesCount; ++k) {
        const SeriesModel& s = initial.series[k];
        QCPAxis* value = axis(s.axis);
        QCPAxis* key = value->axisRect()->axis(QCPAxis::atBottom);
        QCPAbstractPlottable* p = nullptr;
        switch (s.kind) {
        case SeriesKind::Ohlc: {
            auto* f = new QCPFinancial(key, value);
            f->setTwoColored(true);
            p = f;
            break;
        }
        case SeriesKind::Bar: {
            auto* b = new QCPBars(key, value);
            b->setWidth(kBarWidth);
            p = b;
            break;
        }
        case SeriesKind::Area:
        case SeriesKind::Line: {
            auto* g = new LineGraph(key, value);
            // Volume steps are centred on their bars, under the candles.
            g->setLineStyle(s.kind == SeriesKind::Area ? QCPGraph::lsStepCenter : QCPGraph::lsLine);
            p = g;
            break;
        }
        }
        p->setName(ui::FromLatin1(s.name));
        p->setAntialiased(s.kind == SeriesKind::Line);
        p->setAntialiasedFill(false);
        plottables_[k] = p;
    }
    auto* cursor = static_cast<QCPFinancial*>(plottable(Series10));
    cursor->setChartStyle(QCPFinancial::csCandlestick);
    cursor->setWidthType(QCPFinancial::wtAbsolute);
    cursor->setWidth(1);
}

void ChartRenderer::setupDecorations() {
    new GridBands(axis(ChartAxis::Right), Teal(0.85), Teal(0.95));
    new GridBands(axis(ChartAxis::Indicator), Teal(0.95), Teal(0.95));
    frame_ = new PlotFrame(indicatorRect_, priceRect_, QPen(ToQColor(colours::kFrameBlue), 2),
                           QPen(ToQColor(colours::kAxisBlue), 2));
    added_ = std::make_unique<AddedPanelRects>(
        PlotParts{plot_, indicatorRect_, priceRect_, fullRect_, frame_, bottomAxis()->ticker()});
}

void ChartRenderer::setupHeader() {
    header_ = std::make_unique<ChartHeader>(plot_, options_.drawHeader);
    title_ = new QCPItemText(&plot_);
    title_->setClipToAxisRect(false);
    title_->setFont(ChartFont(8, true));
    title_->setVisible(options_.drawHeader);
    title_->setPositionAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A white ground under the title covers the lines beneath it so it stays readable.
    title_->setBrush(Qt::white);
    title_->setPadding(QMargins(3, 1, 3, 1));
    title_->position->setType(QCPItemPosition::ptAxisRectRatio);
    title_->position->setAxisRect(indicatorRect_);
    title_->position->setCoords(0.005, 0.03);
    // Windows and pictures alike say in the panel why it is empty.
    notice_ = new QCPItemText(&plot_);
    notice_->setClipToAxisRect(false);
    notice_->setFont(ChartFont(8));
    notice_->setColor(ToQColor(colours::kAxisBlue));
    notice_->position->setType(QCPItemPosition::ptAbsolute);
    notice_->setPositionAlignment(Qt::AlignCenter);
    notice_->setVisible(false);
}

void ChartRenderer::applySeries(const ChartModel& model) {
    for (int k = 0; k < kChartSeriesCount; ++k) {
        const SeriesModel& s = model.series[k];
        QCPAbstractPlottable* p = plottables_[k];
        p->setVisible(s.visible);
        p->setPen(s.outline || s.kind == SeriesKind::Line ? ToQPen(s.pen) : QPen(Qt::NoPen));
        p->setBrush(s.kind == SeriesKind::Line ? QBrush(Qt::NoBrush) : QBrush(ToQColor(s.fill)));
        if (auto* g = qobject_cast<QCPGraph*>(p)) {
            QVector<QCPGraphData> data(int(s.points.size()));
            for (int i = 0; i < data.size(); ++i) data[i] = {s.points[i].x, s.points[i].y};
            g->data()->set(data, true);
        } else if (auto* b = qobject_cast<QCPBars*>(p)) {
            QVector<QCPBarsData> data(int(s.points.size()));
            for (int i = 0; i < data.size(); ++i) data[i] = {s.points[i].x, s.points[i].y};
            b->data()->set(data, true);
        } else if (auto* f = qobject_cast<QCPFinancial*>(p)) {
            QVector<QCPFinancialData> data(int(s.ohlc.size()));
            for (int i = 0; i < data.size(); ++i) {
                const OhlcPoint& o = s.ohlc[i];
                data[i] = QCPFinancialData(o.x, o.open, o.high, o.low, o.close);
            }
            f->data()->set(data, true);
        }
    }
    auto* cursor = static_cast<QCPFinancial*>(plottable(Series10));
    cursor->setBrushPositive(cursor->brush());
    cursor->setBrushNegative(cursor->brush());
    cursor->setPenPositive(Qt::NoPen);
    cursor->setPenNegative(Qt::NoPen);
}

void ChartRenderer::applyPrice(const ChartModel& model) {
    auto* price = static_cast<QCPFinancial*>(plottable(Series1));
    const PriceLook& look = model.price;
    const int outline = model[Series1].pen.width;
    price->setChartStyle(look.style == OhlcStyle::Bar ? QCPFinancial::csOhlc
                                                      : QCPFinancial::csCandlestick);
    if (look.style == OhlcStyle::Bar) {
        // The bar style's colours are its pens.
        price->setPenPositive(QPen(ToQColor(look.up), outline));
        price->setPenNegative(QPen(ToQColor(look.down), outline));
    } else {
        price->setPenPositive(QPen(ToQColor(look.wick), outline));
        price->setPenNegative(QPen(ToQColor(look.wick), outline));
        price->setBrushPositive(ToQColor(look.up));
        price->setBrushNegative(ToQColor(look.down));
    }
    if (model.narrowLayout()) {
        price->setWidthType(QCPFinancial::wtPlotCoords);
        price->setWidth(kBarWidth);
    } else {
        price->setWidthType(QCPFinancial::wtAbsolute);
        price->setWidth(look.candleWidth);
    }
    fitCandles_ = look.candlesWithinBars && !model.narrowLayout();
    candleWidth_ = look.candleWidth;
}

void ChartRenderer::applyScale(const ChartModel& model) {
    QCPAxis* price = axis(ChartAxis::Right);
    const bool log = model.axis(ChartAxis::Right).logScale;
    LabelTicker& ticker = *price->ticker().staticCast<LabelTicker>();
    if (log == ticker.logScale()) return;
    ticker.setLogScale(log);
    price->setScaleType(log ? QCPAxis::stLogarithmic : QCPAxis::stLinear);
    // Back on a linear scale the ticker counts as it did before.
    if (!log) ticker.setTickCount(5);
}

void ChartRenderer::fitLogTicks() {
    QCPAxis* price = axis(ChartAxis::Right);
    LabelTicker& ticker = *price->ticker().staticCast<LabelTicker>();
    if (!ticker.logScale()) return;
    const int pixels = PanelExtent(*price->axisRect(), false);
    ticker.setTickCount(std::max(2, pixels / kLogLabelPitch));
}

void ChartRenderer::fitCandleWidth() {
    if (!fitCandles_) return;
    // A bar step in pixels; the candles take the share the volume bars take.
    QCPAxis* bottom = bottomAxis();
    const double step = std::abs(bottom->coordToPixel(1) - bottom->coordToPixel(0));
    const double width = std::clamp(kBarWidth * step, 1.0, double(candleWidth_));
    static_cast<QCPFinancial*>(plottable(Series1))->setWidth(std::floor(width));
}

void ChartRenderer::applyTexts(const ChartModel& model) {
    const QColor labelColour = ToQColor(
        model.axis(ChartAxis::Indicator).labelsVisible ? colours::kBlack : colours::kWhite);
    axis(ChartAxis::Indicator)->setTickLabelColor(labelColour);
    noticeText_ = ui::FromLatin1(model.panelNotice);
    // Placed and cut to the panel's width once the plot is laid out.
    notice_->setText(noticeText_);
    notice_->setVisible(!noticeText_.isEmpty());
    // The title is measured to keep the notice clear of it, shown or not.
    title_->setText(ui::FromLatin1(model.Label35));
    if (!options_.drawHeader) return;
    const HeaderTexts& h = model.header;
    header_->SetTexts(ui::FromLatin1(h.Label22),
                      {ui::FromLatin1("O: " + h.Label24), ui::FromLatin1("H: " + h.Label26),
                       ui::FromLatin1("L: " + h.Label30), ui::FromLatin1("C: " + h.Label32),
                       ui::FromLatin1("D: " + h.Label34), ui::FromLatin1("Vol:" + h.Label28)});
}

void ChartRenderer::Render(const ChartModel& model, const TBars& bars, bool stockSelected,
                           const LocaleSettings& locale) {
    bars_ = &bars;
    stockSelected_ = stockSelected;
    locale_ = locale;
    indicator_ = model.indicator;
    axisModels_ = model.axes;
    for (QCPAxis* a :
         {bottomAxis(), axis(ChartAxis::Indicator), axis(ChartAxis::Right), axis(ChartAxis::Left)})
        a->ticker().staticCast<LabelTicker>()->setDecimalSeparator(locale.DecimalSeparator);
    applySeries(model);
    applyPrice(model);
    applyScale(model);
    applyTexts(model);
    added_->Apply(model.addedPanels, locale.DecimalSeparator);
    double low = model.bottomRange.min, high = model.bottomRange.max;
    if (!(high > low)) {
        low -= 0.5;
        high += 0.5;
    }
    bottomAxis()->setRange(low, high);
    fitVerticalRanges();
    plot_.replot(QCustomPlot::rpQueuedReplot);
}

void ChartRenderer::settleLayout() {
    fitLogTicks();
    fitCandleWidth();
    fitVerticalRanges();
    // A small plot needs a taller header or sparser labels, and those move the
    // panels: lay it out again, a few rounds at most (label widths move the
    // side margins, which move the labels). A plot that needs neither is
    // drawn from the first layout, unchanged.
    for (int round = 0; round < 3; ++round) {
        const bool header = placeHeader();
        const bool labels = spaceLabels();
        if (!header && !labels) break;
        QCPLayoutGrid* layout = plot_.plotLayout();
        layout->update(QCPLayoutElement::upPreparation);
        layout->update(QCPLayoutElement::upMargins);
        layout->update(QCPLayoutElement::upLayout);
        fitVerticalRanges();
    }
    placeNotice();
    added_->PlaceNotices();
}

void ChartRenderer::fitVerticalRanges() {
    // Before the first layout the panels have no size; estimate from the widget.
    const int plotHeight =
        std::max(1, plot_.height() - kChartMargins.top() - kChartMargins.bottom());
    for (ChartAxis a : {ChartAxis::Indicator, ChartAxis::Right, ChartAxis::Left}) {
        QCPAxis* ax = axis(a);
        const VerticalAxisModel& m = axisModels_[static_cast<int>(a)];
        int pixels = PanelExtent(*ax->axisRect(), false);
        if (pixels <= 1) pixels = int(plotHeight * (m.endPercent - m.startPercent) / 100);
        if (const auto range = Padded(m, pixels)) ax->setRange(*range);
    }
    added_->FitRanges(plotHeight);
    // Ranges set after the layout need their ticks made again for this frame.
    for (QCPAxisRect* rect : {indicatorRect_, priceRect_})
        rect->update(QCPLayoutElement::upPreparation);
}

bool ChartRenderer::placeHeader() {
    if (!options_.drawHeader) return false;
    QMargins margins = plot_.plotLayout()->margins();
    const int top = header_->Place(plot_.viewport().width(), kChartMargins);
    if (top == margins.top()) return false;
    margins.setTop(top);
    plot_.plotLayout()->setMargins(margins);
    return true;
}

bool ChartRenderer::spaceLabels() {
    bool changed = false;
    std::vector<QCPAxis*> axes = {added_->DateAxis(), axis(ChartAxis::Indicator),
                                  axis(ChartAxis::Right), axis(ChartAxis::Left)};
    for (QCPAxis* a : added_->ValueAxes()) axes.push_back(a);
    for (QCPAxis* a : axes) {
        LabelTicker& ticker = *a->ticker().staticCast<LabelTicker>();
        if (ticker.logScale()) continue; // its tick count follows the panel's height
        const double step = StepKeepingLabelsApart(*a, ticker);
        if (step == ticker.minimumStep()) continue;
        ticker.setMinimumStep(step);
        changed = true;
    }
    return changed;
}

void ChartRenderer::placeNotice() {
    notice_->setVisible(!noticeText_.isEmpty());
    if (noticeText_.isEmpty()) return;
    // Placed at the next layout that gives the panel a size.
    if (PanelExtent(*indicatorRect_, false) < 2 || PanelExtent(*indicatorRect_, true) < 2) return;
    const QRect panel = indicatorRect_->rect();
    const QFontMetrics metrics(notice_->font());
    const QFontMetrics titleMetrics(title_->font());
    const QMargins pad = title_->padding();
    const QRect title(panel.left() + int(panel.width() * 0.005),
                      panel.top() + int(panel.height() * 0.03),
                      titleMetrics.horizontalAdvance(title_->text()) + pad.left() + pad.right(),
                      titleMetrics.height() + pad.top() + pad.bottom());
    auto place = [&](QPointF centre, int room) {
        const QString text = metrics.elidedText(noticeText_, Qt::ElideRight, std::max(room, 0));
        notice_->setText(text);
        notice_->position->setCoords(centre);
        return QRectF(0, 0, metrics.horizontalAdvance(text), metrics.height())
            .translated(centre - QPointF(metrics.horizontalAdvance(text), metrics.height()) / 2);
    };
    // Centred; below the title when they would meet; beside it on a low panel.
    const int room = panel.width() - 8;
    if (!place(panel.center(), room).intersects(title)) return;
    const double below = title.bottom() + 2 + metrics.height() / 2.0;
    if (below + metrics.height() / 2.0 <= panel.bottom()) {
        place(QPointF(panel.center().x(), below), room);
        return;
    }
    const int left = title.right() + 6;
    const int beside = panel.right() - 4 - left;
    const QString text = metrics.elidedText(noticeText_, Qt::ElideRight, std::max(beside, 0));
    place(QPointF(left + metrics.horizontalAdvance(text) / 2.0, title.center().y()), beside);
}

double ChartRenderer::BottomAxisValueAt(int x) const {
    return bottomAxis()->pixelToCoord(x);
}

QString ChartRenderer::CrosshairValueText(QPoint at) const {
    const char sep = locale_.DecimalSeparator;
    if (indicatorRect_->rect().contains(at)) {
        if (!axisModels_[int(ChartAxis::Indicator)].labelsVisible) return {};
        return ui::FromLatin1(
            AxisNumberText(axis(ChartAxis::Indicator)->pixelToCoord(at.y()), sep));
    }
    if (priceRect_->rect().contains(at))
        return ui::FromLatin1(Rounded2Text(axis(ChartAxis::Right)->pixelToCoord(at.y()), sep));
    return added_->ValueTextAt(at, sep);
}

QString ChartRenderer::CrosshairDateText(int x) const {
    if (!bars_ || !stockSelected_) return {};
    const QCPRange range = bottomAxis()->range();
    const double value = bottomAxis()->pixelToCoord(x);
    if (value < range.lower || value > range.upper) return {};
    const int bar = ReadoutBarIndex(value);
    // The bars in view only: never one the axis does not show.
    const int last = std::min(int(std::floor(range.upper)), int(bars_->size()) - 1);
    if (bar < std::ceil(range.lower) || bar > last) return {};
    return ui::FromLatin1(FormatDateTime("dd mmm yy", (*bars_)[bar].Date, locale_));
}

} // namespace brevant
