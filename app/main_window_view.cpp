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
    Graph.CheckChosenItems();
    PlotData();
    ChartPane->RefreshReadout();
}

void TGraphMenu::CheckChosenItems() {
    for (int i = 0; i < IndicatorItems.size(); ++i)
        IndicatorItems[i]->setChecked(i == ComboBox1->currentIndex());
    for (int i = 0; i < WindowItems.size(); ++i)
        WindowItems[i]->setChecked(i == ComboBox3->currentIndex());
    for (int i = 0; i < StyleItems.size(); ++i)
        StyleItems[i]->setChecked(i == ComboBox2->currentIndex());
}

void TGraphMenu::SetWindow(int index) {
    ComboBox3->setCurrentIndex(index);
    window_.CheckIndicator();
}

void TGraphMenu::SetIndicator(int index) {
    ComboBox1->setCurrentIndex(index);
    window_.CheckIndicator();
}

void TGraphMenu::SetStyle(int index) {
    ComboBox2->setCurrentIndex(index);
    window_.CheckIndicator();
}

void TGraphMenu::Month1Click() {
    SetWindow(kOneMonth);
}
void TGraphMenu::View3MClick() {
    SetWindow(kThreeMonths);
}
void TGraphMenu::View6MClick() {
    SetWindow(kSixMonths);
}
void TGraphMenu::View1YearClick() {
    SetWindow(kOneYear);
}
void TGraphMenu::ViewAllDataClick() {
    SetWindow(kAllBars);
}
void TGraphMenu::ViewMACDLClick() {
    SetIndicator(kMacdLine);
}
void TGraphMenu::ViewMACDHClick() {
    SetIndicator(kMacdHistogram);
}
void TGraphMenu::ViewMACDClick() {
    SetIndicator(kMacdFull);
}
void TGraphMenu::ViewRSIClick() {
    SetIndicator(kRsiView);
}
void TGraphMenu::ViewCCIClick() {
    SetIndicator(kCciView);
}
void TGraphMenu::ViewMFIClick() {
    SetIndicator(kMfiView);
}
void TGraphMenu::ViewWRClick() {
    SetIndicator(kWrView);
}
void TGraphMenu::ViewADXClick() {
    SetIndicator(kAdxView);
}
void TGraphMenu::ViewDIClick() {
    SetIndicator(kDiView);
}
void TGraphMenu::ViewFastStocClick() {
    SetIndicator(kFastStochastic);
}
void TGraphMenu::ViewSlowStocClick() {
    SetIndicator(kSlowStochastic);
}
void TGraphMenu::ViewCMFClick() {
    SetIndicator(kCmfView);
}
void TGraphMenu::ViewAccumClick() {
    SetIndicator(kAccumDist);
}
void TGraphMenu::ViewROCClick() {
    SetIndicator(kRocView);
}
void TGraphMenu::ViewOBVClick() {
    SetIndicator(kObvView);
}
void TGraphMenu::ViewATRClick() {
    SetIndicator(kAtrView);
}
void TGraphMenu::ViewBarClick() {
    SetStyle(kBarStyle);
}
void TGraphMenu::ViewCandleClick() {
    SetStyle(kCandleStyle);
}
void TGraphMenu::ViewLineClick() {
    SetStyle(kLineStyle);
}

void TMainMenu::ChoosePeriod(int period) {
    QAction* popup[] = {DailyData1, WeeklyData1, MonthlyData1};
    QAction* menu[] = {ViewDailyData1, ViewWeeklyData1, ViewMonthlyData1};
    for (int i = 0; i < 3; ++i) {
        popup[i]->setChecked(i == period);
        menu[i]->setChecked(i == period);
    }
    window_.Tools.SpeedButton6->setText(QString("DWM").at(period));
    // The selected stock is read again and converted from its daily bars.
    window_.Lists.ListBox1DblClick();
}

void TMainMenu::DailyData1Click() {
    ChoosePeriod(0);
}
void TMainMenu::WeeklyData1Click() {
    ChoosePeriod(1);
}
void TMainMenu::MonthlyData1Click() {
    ChoosePeriod(2);
}

void TMainMenu::SpeedButton6Click() {
    PopupMenu1->popup(QCursor::pos() + QPoint(10, 0));
}

void TForm1::ApplicationEvents1ShortCut(int key) {
    if (key == Qt::Key_Escape && ChartPane->CrossCursor()) SpeedButton5Click();
    if (!Lists.Selection().Any()) return;
    if (key == Qt::Key_F12) return Menu.ScanNow1Click();
    if (key < Qt::Key_F1 || key > Qt::Key_F35) return; // not a function key
    const std::optional<ViewChoice> choice = ViewForFunctionKey(key - Qt::Key_F1 + 1);
    if (!choice) return; // "3 Months" has no key
    switch (choice->group) {
    case ViewGroup::Window:
        return Graph.SetWindow(choice->index);
    case ViewGroup::Indicator:
        return Graph.SetIndicator(choice->index);
    case ViewGroup::Style:
        return Graph.SetStyle(choice->index);
    }
}

} // namespace brevant
