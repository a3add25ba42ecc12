// Brevant Dira — the "&Graph" menu and the view combo boxes: what the chart
// shows (time window, indicator, price style) and the commands that choose it.
#pragma once

#include <QList>

class QAction;
class QComboBox;

namespace brevant {

class TForm1;

// The combo boxes hold the view; the menu items and the function keys set
// them and redraw the bars already held. After every command the three
// groups of items show exactly one check mark each.
class TGraphMenu {
public:
    explicit TGraphMenu(TForm1& window) : window_(window) {}

    // Set a combo box (an index into kTimeWindows, kIndicatorViews or
    // kPriceStyles) and redraw.
    void SetWindow(int index);
    void SetIndicator(int index);
    void SetStyle(int index);
    // Puts the check marks of the three groups on the combo boxes' choices.
    void CheckChosenItems();

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

private:
    TForm1& window_;
};

} // namespace brevant
