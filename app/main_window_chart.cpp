// Brevant Dira — the main window's chart: what it hands the chart pane, and
// what the pane asks of it.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>

#include "app/app_windows.h"
#include "app/main_window.h"
#include "app/stock_list_box.h"
#include "chart/compose_chart.h"
#include "chart/ui/overlay_window.h"

namespace brevant {

void TForm1::setupChart() {
    // Dates and K/M/B volume labels appear only while a stock list has a selection.
    for (QListWidget* list :
         {static_cast<QListWidget*>(Lists.ListBox1), static_cast<QListWidget*>(Lists.ListBox2)})
        connect(list, &QListWidget::itemSelectionChanged, this,
                [this] { ChartPane->SetStockSelected(Lists.Selection().Any()); });
    connect(ChartPane, &TChartPane::statusChanged, StatusText1, &QLabel::setText);
    setupDrawings();
    // A click on an indicator panel makes it the one the view commands act
    // on; the right button opens its menu.
    connect(ChartPane, &TChartPane::panelPressed, this,
            [this](int panel, Qt::MouseButton button, QPoint global) {
                Analysis.Panels.Activate(panel);
                if (button == Qt::RightButton) Analysis.Panels.ShowMenu(panel, global);
            });
}

ChartView TForm1::ChartViewState() const {
    ChartView view;
    const std::vector<int> panels = Analysis.Panels.Views();
    view.indicator = panels.front();
    view.addedPanels.assign(panels.begin() + 1, panels.end());
    view.priceStyle = Graph.ComboBox2->currentIndex();
    // Blank while a history window is chosen, which then takes its place.
    if (Graph.ComboBox3->currentIndex() >= 0)
        view.window = Graph.ComboBox3->currentText().toStdString();
    view.period = Menu.WeeklyData1->isChecked()    ? BarPeriod::Weekly
                  : Menu.MonthlyData1->isChecked() ? BarPeriod::Monthly
                                                   : BarPeriod::Daily;
    view.history = Graph.History();
    view.logScale = Graph.LogScale1->isChecked();
    view.adjusted = Graph.Adjusted1->isChecked();
    return view;
}

const brevant::WholeHistory* TForm1::ShownHistory() {
    if (shownStock_.empty()) return nullptr;
    if (!wholeHistory_) wholeHistory_ = ReadWholeHistory(store_, shownStock_);
    return &*wholeHistory_;
}

bool TForm1::WholeHistoryBars(bool adjusted, TBars& bars) {
    bars.clear();
    const brevant::WholeHistory* history = ShownHistory();
    if (!history) return false;
    HistoryBars(*history, adjusted, bars);
    return !bars.empty();
}

OverlaySettings TForm1::Overlays() const {
    // Read from the dialog's controls every time: they are the only store.
    return windows_ && windows_->Form13 ? windows_->Form13->Settings() : OverlaySettings{};
}

void TForm1::PlotData() {
    ChartPane->PlotData(
        {Bars, ChartViewState(), Params, Overlays(), Lists.Selection(), LocaleSettings_});
}

void TForm1::SpeedButton5Click() {
    ChartPane->SetCrossCursor(!ChartPane->CrossCursor());
    Tools.SpeedButton5->setChecked(ChartPane->CrossCursor());
}

bool TForm1::ReadoutWanted() const {
    return Lists.ListBox1->count() > 0;
}

int TForm1::CurrentIndicator() const {
    return Analysis.Panels.Views().front();
}

} // namespace brevant
