// Brevant Dira — what the chart shows: period, indicator, time window, price style and their keys.
#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QDate>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <algorithm>

#include "app/main_window.h"
#include "app/stock_list_box.h"
#include "chart/check_indicator.h"
#include "chart/function_keys.h"
#include "chart/ui/date_range_window.h"
#include "ta/text_format.h"
#include "ui/help_router.h"
#include "ui/latin1.h"
#include "ui/modal.h"
#include "ui/user_interface.h"

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
        WindowItems[i]->setChecked(!history_ && i == ComboBox3->currentIndex());
    // The last history item is "Date Range...".
    const int chosen = !history_         ? -1
                       : history_->range ? int(HistoryItems.size()) - 1
                                         : history_->window;
    for (int i = 0; i < HistoryItems.size(); ++i) HistoryItems[i]->setChecked(i == chosen);
    for (int i = 0; i < StyleItems.size(); ++i)
        StyleItems[i]->setChecked(i == ComboBox2->currentIndex());
}

void TGraphMenu::SpecifiedWindowChosen() {
    history_.reset();
    ComboBox3->setPlaceholderText(QString());
    window_.ChartPane->ForgetNavigation();
}

void TGraphMenu::SetWindow(int index) {
    SpecifiedWindowChosen();
    ComboBox3->setCurrentIndex(index);
    window_.CheckIndicator();
}

void TGraphMenu::SetHistoryWindow(const HistoryChoice& choice) {
    history_ = choice;
    // The combo box names no window of its own: blank, with the history
    // window's name in grey.
    ComboBox3->setCurrentIndex(-1);
    ComboBox3->setPlaceholderText(
        choice.range ? QString("Date Range")
                     : ui::FromLatin1(kHistoryWindows[std::size_t(choice.window)].name));
    window_.ChartPane->ForgetNavigation();
    window_.CheckIndicator();
}

void TGraphMenu::DateRange1Click() {
    const QString helpFile = window_.ProgramDir() + ui::kHelpFileName;
    TDateRangeWindow dialog(helpFile, &window_);
    // The days in view to start from; a year up to today without a chart.
    const VisibleRange shown = window_.ChartPane->Visible();
    const double today = double(QDate(1899, 12, 30).daysTo(QDate::currentDate()));
    dialog.SetRange(shown.last >= shown.first ? shown.firstDate : YearsBefore(today, 1),
                    shown.last >= shown.first ? shown.lastDate : today);
    if (ui::ShowModal(&dialog) != QDialog::Accepted) return CheckChosenItems();
    const HistoryChoice range{.range = true, .from = dialog.From(), .to = dialog.To()};
    if (const WholeHistory* history = window_.ShownHistory(); history && !history->rows.empty()) {
        const bool any =
            std::any_of(history->rows.begin(), history->rows.end(), [&](const CompactBar& r) {
                return r.day >= range.from && r.day <= range.to;
            });
        if (!any) {
            const LocaleSettings& locale = window_.ProgramLocale();
            ui::Ui().ShowMessage(
                &window_,
                ui::FromLatin1("No quotes between " +
                               FormatDateTime("dd.mm.yyyy", range.from, locale) + " and " +
                               FormatDateTime("dd.mm.yyyy", range.to, locale) + "."));
            return CheckChosenItems();
        }
    }
    SetHistoryWindow(range);
}

void TGraphMenu::LogScale1Click() {
    window_.CheckIndicator();
}

void TGraphMenu::Adjusted1Click() {
    window_.CheckIndicator();
}

void TGraphMenu::ResetZoom1Click() {
    window_.ChartPane->ReturnToChosenWindow();
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
    // Bars of another length: the chart starts from the chosen window again.
    window_.ChartPane->ForgetNavigation();
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
