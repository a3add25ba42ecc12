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
#include "chart/function_keys.h"

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
    RefreshReadout();
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
    SetWindow(kOneMonth);
}
void TForm1::View3MClick() {
    SetWindow(kThreeMonths);
}
void TForm1::View6MClick() {
    SetWindow(kSixMonths);
}
void TForm1::View1YearClick() {
    SetWindow(kOneYear);
}
void TForm1::ViewAllDataClick() {
    SetWindow(kAllBars);
}
void TForm1::ViewMACDLClick() {
    SetIndicator(kMacdLine);
}
void TForm1::ViewMACDHClick() {
    SetIndicator(kMacdHistogram);
}
void TForm1::ViewMACDClick() {
    SetIndicator(kMacdFull);
}
void TForm1::ViewRSIClick() {
    SetIndicator(kRsiView);
}
void TForm1::ViewCCIClick() {
    SetIndicator(kCciView);
}
void TForm1::ViewMFIClick() {
    SetIndicator(kMfiView);
}
void TForm1::ViewWRClick() {
    SetIndicator(kWrView);
}
void TForm1::ViewADXClick() {
    SetIndicator(kAdxView);
}
void TForm1::ViewDIClick() {
    SetIndicator(kDiView);
}
void TForm1::ViewFastStocClick() {
    SetIndicator(kFastStochastic);
}
void TForm1::ViewSlowStocClick() {
    SetIndicator(kSlowStochastic);
}
void TForm1::ViewCMFClick() {
    SetIndicator(kCmfView);
}
void TForm1::ViewAccumClick() {
    SetIndicator(kAccumDist);
}
void TForm1::ViewROCClick() {
    SetIndicator(kRocView);
}
void TForm1::ViewOBVClick() {
    SetIndicator(kObvView);
}
void TForm1::ViewATRClick() {
    SetIndicator(kAtrView);
}
void TForm1::ViewBarClick() {
    SetStyle(kBarStyle);
}
void TForm1::ViewCandleClick() {
    SetStyle(kCandleStyle);
}
void TForm1::ViewLineClick() {
    SetStyle(kLineStyle);
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
    if (key == Qt::Key_F12) return ScanNow1Click();
    if (key < Qt::Key_F1 || key > Qt::Key_F35) return; // not a function key
    const std::optional<ViewChoice> choice = ViewForFunctionKey(key - Qt::Key_F1 + 1);
    if (!choice) return; // "3 Months" has no key
    switch (choice->group) {
    case ViewGroup::Window:
        return SetWindow(choice->index);
    case ViewGroup::Indicator:
        return SetIndicator(choice->index);
    case ViewGroup::Style:
        return SetStyle(choice->index);
    }
}

} // namespace brevant
