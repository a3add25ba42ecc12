// Brevant Dira — the main window's chart: drawing it, the crosshair and its readout.
#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <qcustomplot.h>

#include "app/app_windows.h"
#include "app/main_window.h"
#include "app/stock_list_box.h"
#include "chart/compose_chart.h"
#include "chart/readout.h"
#include "chart/render/chart_crosshair.h"
#include "chart/render/chart_labels.h"
#include "chart/render/chart_renderer.h"
#include "chart/ui/overlay_window.h"
#include "ui/latin1.h"

namespace brevant {
namespace {

std::optional<std::string> SelectedText(const QListWidget* list) {
    const QList<QListWidgetItem*> items = list->selectedItems();
    if (items.isEmpty()) return std::nullopt;
    return ui::ToLatin1(items.front()->text());
}

} // namespace

void TForm1::setupChartDrawing() {
    crosshair_ = std::make_unique<ChartCrosshair>(*Renderer1);
    // The cursor follows the mouse on its own, whether the readout runs or not.
    connect(Chart1, &QCustomPlot::mouseMove, this,
            [this](QMouseEvent* event) { crosshair_->moveTo(event->position().toPoint()); });
    // Dates and K/M/B volume labels appear only while a stock list has a selection.
    for (QListWidget* list :
         {static_cast<QListWidget*>(ListBox1), static_cast<QListWidget*>(ListBox2)})
        connect(list, &QListWidget::itemSelectionChanged, this, [this] {
            Renderer1->SetStockSelected(ChartSelection().Any());
            Chart1->replot(QCustomPlot::rpQueuedReplot);
        });
    // The title sits on a white ground that hides the chart lines beneath it.
    QLabel* title = Label(35);
    title->setAutoFillBackground(true);
    QPalette white = title->palette();
    white.setColor(QPalette::Window, Qt::white);
    title->setPalette(white);
    title->setContentsMargins(3, 1, 3, 1);
    connect(Chart1, &QCustomPlot::afterLayout, this, &TForm1::PlaceIndicatorTitle);
}

ChartView TForm1::ChartViewState() const {
    ChartView view;
    view.indicator = ComboBox1->currentIndex();
    view.priceStyle = ComboBox2->currentIndex();
    view.window = ComboBox3->currentText().toStdString();
    view.period = WeeklyData1->isChecked()    ? BarPeriod::Weekly
                  : MonthlyData1->isChecked() ? BarPeriod::Monthly
                                              : BarPeriod::Daily;
    return view;
}

StockSelection TForm1::ChartSelection() const {
    StockSelection selection;
    selection.allStockTabVisible = PageControl1->currentWidget() == TabSheet1;
    selection.allStock = SelectedText(ListBox1);
    selection.filterResult = SelectedText(ListBox2);
    return selection;
}

OverlaySettings TForm1::Overlays() const {
    // Read from the dialog's controls every time: they are the only store.
    return windows_ && windows_->Form13 ? windows_->Form13->Settings() : OverlaySettings{};
}

void TForm1::PlotData() {
    const StockSelection selection = ChartSelection();
    ComposeChart(model_, {Bars, ChartViewState(), Params, Overlays(), selection, LocaleSettings_});
    Renderer1->Render(model_, Bars, selection.Any(), LocaleSettings_);
    ApplyHeaderTexts(model_, [this](int number) { return Label(number); });
    // An empty title would still show its white background.
    Label(35)->setVisible(!Label(35)->text().isEmpty());
    Label(35)->adjustSize();
    StatusText1->setText(ui::FromLatin1(model_.statusText));
}

void TForm1::PlaceIndicatorTitle() {
    const QRect panel = Renderer1->indicatorPanel()->rect();
    Label(35)->move(panel.left() + 2, panel.top() + 2);
}

void TForm1::SpeedButton5Click() {
    CrossCursor = !CrossCursor;
    crosshair_->setEnabled(CrossCursor);
    SpeedButton5->setChecked(CrossCursor);
}

void TForm1::Chart1MouseMove(int x) {
    if (!Panel3->isVisible() || ListBox1->count() == 0) return;
    lastMouseX_ = x;
    mouseMovedOverChart_ = true;
    // A running timer is not restarted: at most one readout per interval,
    // always for the latest position.
    if (!Timer1->isActive()) Timer1->start();
}

void TForm1::Timer1Timer() {
    Timer1->stop();
    ReadoutAt(lastMouseX_);
}

void TForm1::ReadoutAt(int x) {
    if (!ReadoutReadsX(x, Chart1->width())) return;
    try {
        const int bar = ReadoutBarIndex(Renderer1->BottomAxisValueAt(x));
        ApplyReadoutTexts(
            Readout(Bars, bar, ComboBox1->currentIndex(), Overlays(), LocaleSettings_),
            [this](int number) { return Label(number); });
    } catch (...) {
        // A readout that fails only skips this tick; the next movement tries again.
    }
}

// After a view command the values of the earlier view (another indicator's
// rows, a daily bar under monthly bars) must not stay: the panel starts from
// its designed texts and the readout writes what the new view has at the
// mouse's last position.
void TForm1::RefreshReadout() {
    Timer1->stop();
    for (const DesignedLabel& designed : detailDesign_) {
        designed.label->setText(designed.text);
        designed.label->setPalette(designed.palette);
    }
    if (mouseMovedOverChart_) ReadoutAt(lastMouseX_);
}

} // namespace brevant
