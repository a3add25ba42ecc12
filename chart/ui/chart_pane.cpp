// Brevant Dira — the chart pane: drawing, the crosshair and its readout.
#include "chart/ui/chart_pane.h"

#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <qcustomplot.h>

#include "chart/history_view.h"
#include "chart/readout.h"
#include "chart/render/chart_crosshair.h"
#include "chart/render/chart_labels.h"
#include "chart/render/chart_renderer.h"
#include "chart/ui/chart_previewer.h"
#include "ui/latin1.h"
#include "ui/modal.h"

namespace brevant {

TChartPane::TChartPane(TChartPaneHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setupDetailPanel();
    setupPlot();
    setupAddedPanels();
    Timer1 = new QTimer(this);
    Timer1->setInterval(50);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TChartPane::Timer1Timer);
}

TChartPane::~TChartPane() = default;

QLabel* TChartPane::Label(int number) const {
    const auto it = labels_.find(number);
    return it == labels_.end() ? nullptr : it->second;
}

void TChartPane::PlotData(const ChartInputs& in) {
    last_ = LastInputs{in.view, in.params, in.overlays, in.selection, in.locale};
    if (navigated_ || in.view.NeedsWholeHistory()) {
        if (PrepareHistory()) {
            std::string status;
            if (!navigated_) {
                const HistoryStart start =
                    StartOfHistoryView(history_, in.view, in.selection, in.locale);
                viewport_ = start.viewport;
                if (start.empty) viewport_ = ChartViewport();
                status = start.statusText;
            }
            return DrawHistory(status);
        }
        // No stock to read a history of: the chart of what the host holds.
        navigated_ = false;
    }
    // The specified chart, from the host's newest days; a history no view
    // needs any more is given back.
    viewport_.reset();
    TBars().swap(history_);
    historyFor_.reset();
    Draw(in, nullptr);
}

void TChartPane::Draw(const ChartInputs& in, const ChartSpan* span) {
    if (span)
        ComposeChart(model_, in, *span);
    else
        ComposeChart(model_, in);
    drawn_ = &in.bars;
    LayOutAddedReadout(in.view.addedPanels);
    Renderer1->Render(model_, in.bars, in.selection.Any(), in.locale);
    ApplyHeaderTexts(model_, [this](int number) { return Label(number); });
    // An empty title would still show its white background.
    QLabel* title = Label(35);
    title->setVisible(!title->text().isEmpty());
    title->adjustSize();
    MarkActivePanel(activePanel_);
    emit statusChanged(ui::FromLatin1(model_.statusText));
}

void TChartPane::PlaceIndicatorTitle() {
    const QRect panel = Renderer1->indicatorPanel()->rect();
    Label(35)->move(panel.left() + 2, panel.top() + 2);
}

QString TChartPane::Chart1GetAxisLabel(const QCPAxis* axis, const QString& text) const {
    return Renderer1->AxisLabelText(axis, text);
}

void TChartPane::SetCrossCursor(bool on) {
    // Switching to the state it has would only repaint the plot for nothing.
    if (on == crossCursor_) return;
    crossCursor_ = on;
    crosshair_->setEnabled(on);
}

void TChartPane::SetStockSelected(bool selected) {
    Renderer1->SetStockSelected(selected);
    Chart1->replot(QCustomPlot::rpQueuedReplot);
}

void TChartPane::ShowHeaderLabels(bool visible) {
    for (int number = 22; number <= 34; ++number) Label(number)->setVisible(visible);
}

void TChartPane::PrintPreview(bool stockSelected) {
    // On paper the stock's name, last values and the indicator title are
    // drawn in the chart itself, since the window's labels are not printed.
    TChartPreviewer ChartPreviewer1(
        [this, stockSelected](QCustomPlot& sheet) {
            auto* renderer = new ChartRenderer(sheet, RenderOptions{true}); // the sheet owns it
            const TBars& bars = drawn_ ? *drawn_ : host_.CurrentBars();
            renderer->Render(model_, bars, stockSelected, host_.CurrentLocale());
            host_.DecorateSheet(*renderer, bars);
        },
        Chart1->size(), window());
    ChartPreviewer1.setWindowTitle("Print Preview");
    ui::ShowModal(&ChartPreviewer1);
}

int TChartPane::BarAt(int x) const {
    return ReadoutBarIndex(Renderer1->BottomAxisValueAt(x));
}

void TChartPane::Chart1MouseMove(int x) {
    if (!Panel3->isVisible() || !host_.ReadoutWanted()) return;
    lastMouseX_ = x;
    mouseMovedOverChart_ = true;
    // A running timer is not restarted: at most one readout per interval,
    // always for the latest position.
    if (!Timer1->isActive()) Timer1->start();
}

void TChartPane::Timer1Timer() {
    Timer1->stop();
    ReadoutAt(lastMouseX_);
}

void TChartPane::ReadoutAt(int x) {
    if (!ReadoutReadsX(x, Chart1->width())) return;
    try {
        const int bar = BarAt(x);
        // A zoomed or scrolled chart has bars beyond its edges: those are
        // not read out.
        const int shown = !viewport_ || viewport_->Shows(bar) ? bar : -1;
        ApplyReadoutTexts(Readout(Series(), shown, host_.CurrentIndicator(),
                                  host_.CurrentOverlays(), host_.CurrentLocale()),
                          [this](int number) { return Label(number); });
        ReadOutAddedPanels(shown);
        emit barUnderPointer(bar);
    } catch (...) {
        // A readout that fails only skips this tick; the next movement tries again.
    }
}

void TChartPane::RefreshReadout() {
    Timer1->stop();
    for (const DesignedLabel& designed : detailDesign_) {
        designed.label->setText(designed.text);
        designed.label->setPalette(designed.palette);
    }
    ClearAddedReadout();
    if (mouseMovedOverChart_) ReadoutAt(lastMouseX_);
}

} // namespace brevant
