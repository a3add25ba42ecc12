// Brevant Dira — what the chart shows: period, indicator, time window, price style and their keys.
#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

#include "app/main_window.h"
#include "app/stock_list_box.h"
#include "chart/check_indicator.h"

namespace brevant {

void TForm1::CheckIndicator() {
    CheckIndicatorBars(Bars, ChartViewState(), Params, Overlays());
    for (int i = 0; i < IndicatorItems.size(); ++i)
        IndicatorItems[i]->setChecked(i == ComboBox1->currentIndex());
    for (int i = 0; i < WindowItems.size(); ++i)
        WindowItems[i]->setChecked(i == ComboBox3->currentIndex());
    for (int i = 0; i < StyleItems.size(); ++i)
        StyleItems[i]->setChecked(i == ComboBox2->currentIndex());
    PlotData();
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

void TForm1::ApplicationEvents1ShortCut(int key) {
    if (key == Qt::Key_Escape && CrossCursor) SpeedButton5Click();
    if (!ChartSelection().Any()) return;
    switch (key) {
    case Qt::Key_F1:
        return SetWindow(0);
    case Qt::Key_F2:
        return SetWindow(2);
    case Qt::Key_F3:
        return SetWindow(3);
    case Qt::Key_F4:
        return SetWindow(4);
    case Qt::Key_F5:
        return SetIndicator(2);
    case Qt::Key_F6:
        return SetIndicator(3);
    case Qt::Key_F7:
        return SetIndicator(4);
    case Qt::Key_F8:
        return SetIndicator(5);
    case Qt::Key_F9:
        return SetStyle(0);
    case Qt::Key_F10:
        return SetStyle(1);
    case Qt::Key_F11:
        return SetStyle(2);
    case Qt::Key_F12:
        return ScanNow1Click();
    default:
        return; // "3 Months" has no key
    }
}

} // namespace brevant
