// Brevant Dira — the main window's menus besides "&Graph", the period popup
// and the tool buttons' commands.
#pragma once

#include "ui/help_router.h"

class QAction;
class QMenu;
class QMenuBar;

namespace brevant {

class TForm1;

// The items by the names the commands use, and what the "&File", "&Data",
// "&Filter" and "&Help" items and the tool buttons do.
class TMainMenu {
public:
    explicit TMainMenu(TForm1& window) : window_(window) {}

    // --- File and Filter menus ---
    void SaveFilterResult1Click();
    void Print1Click();
    void Exit2Click();
    void ScanNow1Click();
    void SetIndicatorValue1Click();
    // "Indicator Periods...": the stored periods edited and used at once.
    void IndicatorPeriods1Click();
    void OverlayIndicator1Click();
    void SpeedButton7Click();

    // --- Data menu and the period popup ---
    void UpdateData1Click();
    void ViewDetailData1Click();
    void ManageStockSplitDivident1Click();
    void UndoStockSplitDividend1Click();
    // "Delete Stock...": after a confirmation, every quote, dividend and
    // split of the stock selected in the visible list.
    void DeleteStock1Click();
    void DailyData1Click();
    void WeeklyData1Click();
    void MonthlyData1Click();
    void SpeedButton6Click();

    // --- Help ---
    void About1Click();
    void FirstTimeInstallation1Click();
    void HelpFile1Click();
    void SpeedButton4Click();

    QMenuBar* MainMenu1 = nullptr;
    QMenu* PopupMenu1 = nullptr; // the period popup of SpeedButton6
    QAction* ViewDetailData1 = nullptr;
    QAction* DailyData1 = nullptr; // popup items
    QAction* WeeklyData1 = nullptr;
    QAction* MonthlyData1 = nullptr;
    QAction* ViewDailyData1 = nullptr; // "&Data" items
    QAction* ViewWeeklyData1 = nullptr;
    QAction* ViewMonthlyData1 = nullptr;
    QAction* ScanNow1 = nullptr;
    QAction* Print1 = nullptr;
    QAction* Exit2 = nullptr;
    QAction* About1 = nullptr;
    QAction* FirstTimeInstallation1 = nullptr;
    QAction* HelpFile1 = nullptr;
    ui::HelpRouter HelpRouter1;

private:
    // Daily (0), weekly (1) or monthly (2): the check marks, the tool
    // button's letter, and the selected stock loaded again.
    void ChoosePeriod(int period);

    TForm1& window_;
};

} // namespace brevant
