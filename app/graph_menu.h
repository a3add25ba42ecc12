// Brevant Dira — the "&Graph" menu and the view combo boxes: what the chart
// shows (time window, indicator, price style) and the commands that choose it.
#pragma once

#include <QList>
#include <optional>

#include "chart/history_windows.h"

class QAction;
class QComboBox;

namespace brevant {

class TForm1;

// The combo boxes hold the view; the menu items and the function keys set
// them and redraw the bars already held. After every command the three
// groups of items show exactly one check mark each.
//
// Beside them: the windows over the whole history ("View History": "1 Year",
// "2 Years", "5 Years", "All History", "Date Range..."), which share the
// window group's check mark and leave the window combo box blank with their
// name in grey; the logarithmic price scale and split-adjusted prices,
// switched on and off; and the return to the chosen window after zooming or
// scrolling.
class TGraphMenu {
public:
    explicit TGraphMenu(TForm1& window) : window_(window) {}

    // Set a combo box (an index into kTimeWindows, kIndicatorViews or
    // kPriceStyles) and redraw.
    void SetWindow(int index);
    void SetIndicator(int index);
    void SetStyle(int index);
    // A window over the whole history, and redraw.
    void SetHistoryWindow(const HistoryChoice& choice);
    // Puts the check marks of the three groups on the combo boxes' choices
    // (the window group's on the history window while one is chosen).
    void CheckChosenItems();
    // The history window chosen, if the chart shows one.
    const std::optional<HistoryChoice>& History() const { return history_; }
    // A specified window chosen by the window combo box: the history window
    // and any zoom or scroll are left behind.
    void SpecifiedWindowChosen();

    void DateRange1Click(); // "Date Range...": asks for the days, then shows them
    void LogScale1Click();
    void Adjusted1Click();
    void ResetZoom1Click();

    void Month1Click();
    void View3MClick();
    void View6MClick();
    void View1YearClick();
    void ViewAllDataClick();
    void ViewMACDLClick();
    void ViewMACDHClick();
    void ViewMACDClick();
    void ViewRSIClick();
    void ViewCCIClick();
    void ViewMFIClick();
    void ViewWRClick();
    void ViewADXClick();
    void ViewDIClick();
    void ViewFastStocClick();
    void ViewSlowStocClick();
    void ViewCMFClick();
    void ViewAccumClick();
    void ViewROCClick();
    void ViewOBVClick();
    void ViewATRClick();
    void ViewBarClick();
    void ViewCandleClick();
    void ViewLineClick();

    QComboBox* ComboBox1 = nullptr; // indicator
    QComboBox* ComboBox2 = nullptr; // price style
    QComboBox* ComboBox3 = nullptr; // time window
    QList<QAction*> IndicatorItems; // ViewMACDL .. ViewATR, in ComboBox1 order
    QList<QAction*> WindowItems;    // View1M .. ViewAllData, in ComboBox3 order
    QList<QAction*> StyleItems;     // ViewBar, ViewCandle, ViewLine, in ComboBox2 order
    QList<QAction*> HistoryItems;   // "1 Year" .. "All History", then "Date Range..."
    QAction* LogScale1 = nullptr;   // "Log Price Scale"
    QAction* Adjusted1 = nullptr;   // "Split-Adjusted Prices"
    QAction* ResetZoom1 = nullptr;  // "Reset Zoom and Scroll"

private:
    TForm1& window_;
    std::optional<HistoryChoice> history_;
};

} // namespace brevant
