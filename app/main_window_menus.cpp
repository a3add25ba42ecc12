// Brevant Dira — the main window's command map: menus, tool buttons and view combo boxes.
#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "app/main_window.h"
#include "app/tool_icons.h"

namespace brevant {
namespace {

QToolButton* ToolButton(QWidget* parent, const QString& hint, const QIcon& icon) {
    auto* button = new QToolButton(parent);
    button->setToolTip(hint);
    button->setIcon(icon);
    button->setAutoRaise(true);
    return button;
}

QComboBox* ViewCombo(QWidget* parent, const QString& hint, const QStringList& items, int initial) {
    auto* combo = new QComboBox(parent);
    combo->setToolTip(hint);
    combo->addItems(items);
    combo->setCurrentIndex(initial);
    combo->setMaxVisibleItems(20);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

// Makes the items of one "&Graph" group or one period trio show exactly one check mark.
void Exclusive(QObject* owner, const QList<QAction*>& items) {
    auto* group = new QActionGroup(owner);
    for (QAction* item : items) {
        item->setCheckable(true);
        group->addAction(item);
    }
}

} // namespace

QAction* TForm1::AddItem(QMenu* menu, const QString& caption, void (TForm1::*handler)(),
                         const QKeySequence& shortcut) {
    QAction* item = menu->addAction(caption);
    item->setShortcut(shortcut);
    // Shortcuts work whether or not the menu has ever been opened.
    addAction(item);
    connect(item, &QAction::triggered, this, handler);
    return item;
}

void TForm1::setupMenus() {
    // The menu sits as a flat row of captioned buttons at the top left of the tool bar.
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setNativeMenuBar(false);
    MainMenu1->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    setupFileMenu();
    setupDataMenu();
    setupFilterMenu();
    setupGraphMenu();
    setupHelpMenu();
    setupPeriodPopup();
}

void TForm1::setupFileMenu() {
    QMenu* menu = MainMenu1->addMenu("&File");
    AddItem(menu, "Save Filter Result", &TForm1::SaveFilterResult1Click);
    Print1 = AddItem(menu, "Print", &TForm1::Print1Click);
    menu->addSeparator();
    Exit2 = AddItem(menu, "Exit", &TForm1::Exit2Click);
}

void TForm1::setupDataMenu() {
    QMenu* menu = MainMenu1->addMenu("&Data");
    AddItem(menu, "Update Database", &TForm1::UpdateData1Click);
    // Checked by the handler itself, so that a click always toggles the panel once.
    ViewDetailData1 = AddItem(menu, "View Detail Data", &TForm1::ViewDetailData1Click);
    ViewDetailData1->setCheckable(true);
    ViewDetailData1->setChecked(true);
    disconnect(ViewDetailData1, &QAction::triggered, this, nullptr);
    connect(ViewDetailData1, &QAction::triggered, this, [this] {
        ViewDetailData1->setChecked(!ViewDetailData1->isChecked());
        ViewDetailData1Click();
    });
    AddItem(menu, "Manage Stock Split/Dividend", &TForm1::ManageStockSplitDivident1Click);
    AddItem(menu, "Undo Stock Split/Dividend", &TForm1::UndoStockSplitDividend1Click);
    menu->addSeparator();
    ViewDailyData1 = AddItem(menu, "View Daily Data", &TForm1::DailyData1Click);
    ViewWeeklyData1 = AddItem(menu, "View Weekly Data", &TForm1::WeeklyData1Click);
    ViewMonthlyData1 = AddItem(menu, "View Monthly Data", &TForm1::MonthlyData1Click);
    Exclusive(this, {ViewDailyData1, ViewWeeklyData1, ViewMonthlyData1});
    ViewDailyData1->setChecked(true);
}

void TForm1::setupFilterMenu() {
    QMenu* menu = MainMenu1->addMenu("&Filter");
    ScanNow1 = AddItem(menu, "Filter Database", &TForm1::ScanNow1Click, Qt::Key_F12);
    AddItem(menu, "Indicator Setting", &TForm1::SetIndicatorValue1Click);
    AddItem(menu, "Overlay Indicator", &TForm1::OverlayIndicator1Click);
}

void TForm1::setupGraphMenu() {
    QMenu* menu = MainMenu1->addMenu("&Graph");
    WindowItems = {
        AddItem(menu, "View 1 Month Data", &TForm1::Month1Click, Qt::Key_F1),
        AddItem(menu, "View 3 Months", &TForm1::View3MClick),
        AddItem(menu, "View 6 Months", &TForm1::View6MClick, Qt::Key_F2),
        AddItem(menu, "View 1 Year", &TForm1::View1YearClick, Qt::Key_F3),
        AddItem(menu, "View All Data", &TForm1::ViewAllDataClick, Qt::Key_F4),
    };
    menu->addSeparator();
    IndicatorItems = {
        AddItem(menu, "View MACD Line", &TForm1::ViewMACDLClick),
        AddItem(menu, "View MACD Histogram", &TForm1::ViewMACDHClick),
        AddItem(menu, "View MACD Full", &TForm1::ViewMACDClick, Qt::Key_F5),
        AddItem(menu, "View Relative Strength Index", &TForm1::ViewRSIClick, Qt::Key_F6),
        AddItem(menu, "View Commodity Channel Index", &TForm1::ViewCCIClick, Qt::Key_F7),
        AddItem(menu, "View Money Flow Index", &TForm1::ViewMFIClick, Qt::Key_F8),
        AddItem(menu, "View Williams %R", &TForm1::ViewWRClick),
        AddItem(menu, "View Wilder's DMI", &TForm1::ViewADXClick),
        AddItem(menu, "View +DI/-DI", &TForm1::ViewDIClick),
        AddItem(menu, "View Fast Stochastic", &TForm1::ViewFastStocClick),
        AddItem(menu, "View Slow Stochastic", &TForm1::ViewSlowStocClick),
        AddItem(menu, "View Chaikin Money Flow", &TForm1::ViewCMFClick),
        AddItem(menu, "View Accumulation/Distribution", &TForm1::ViewAccumClick),
        AddItem(menu, "View Rate Of Change", &TForm1::ViewROCClick),
        AddItem(menu, "View On Balance Volume", &TForm1::ViewOBVClick),
        AddItem(menu, "View Average True Range", &TForm1::ViewATRClick),
    };
    menu->addSeparator();
    StyleItems = {
        AddItem(menu, "View Bar(High,Low,Close)", &TForm1::ViewBarClick, Qt::Key_F9),
        AddItem(menu, "View Candlestick", &TForm1::ViewCandleClick, Qt::Key_F10),
        AddItem(menu, "View Line", &TForm1::ViewLineClick, Qt::Key_F11),
    };
    Exclusive(this, WindowItems);
    Exclusive(this, IndicatorItems);
    Exclusive(this, StyleItems);
    WindowItems[1]->setChecked(true);
    IndicatorItems[2]->setChecked(true);
    StyleItems[1]->setChecked(true);
}

void TForm1::setupHelpMenu() {
    QMenu* menu = MainMenu1->addMenu("&Help");
    About1 = AddItem(menu, "About", &TForm1::About1Click);
    FirstTimeInstallation1 =
        AddItem(menu, "First Time Installation", &TForm1::FirstTimeInstallation1Click);
    HelpFile1 = AddItem(menu, "Help File", &TForm1::HelpFile1Click);
}

void TForm1::setupPeriodPopup() {
    PopupMenu1 = new QMenu(this);
    DailyData1 = PopupMenu1->addAction("Daily Data");
    WeeklyData1 = PopupMenu1->addAction("Weekly Data");
    MonthlyData1 = PopupMenu1->addAction("Monthly Data");
    connect(DailyData1, &QAction::triggered, this, &TForm1::DailyData1Click);
    connect(WeeklyData1, &QAction::triggered, this, &TForm1::WeeklyData1Click);
    connect(MonthlyData1, &QAction::triggered, this, &TForm1::MonthlyData1Click);
    Exclusive(this, {DailyData1, WeeklyData1, MonthlyData1});
    DailyData1->setChecked(true);
}

void TForm1::setupToolBar() {
    ToolBar1 = addToolBar("ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
    ToolBar1->setIconSize(QSize(20, 20));
    ToolBar1->addWidget(MainMenu1);
    ToolBar1->addSeparator();

    SpeedButton1 = ToolButton(ToolBar1, "Print", PrintIcon());
    SpeedButton5 = ToolButton(ToolBar1, "Cross Cursor", CrossCursorIcon());
    SpeedButton5->setCheckable(true);
    SpeedButton2 = ToolButton(ToolBar1, "Update Database", UpdateDatabaseIcon());
    SpeedButton3 = ToolButton(ToolBar1, "Filter Database", FilterDatabaseIcon());
    SpeedButton6 = ToolButton(ToolBar1, QString(), QIcon());
    SpeedButton6->setText("D");
    SpeedButton6->setFixedSize(23, 22);
    SpeedButton6->setContextMenuPolicy(Qt::CustomContextMenu);
    SpeedButton4 = ToolButton(ToolBar1, "Help", HelpIcon());
    for (QToolButton* b :
         {SpeedButton1, SpeedButton5, SpeedButton2, SpeedButton3, SpeedButton6, SpeedButton4})
        ToolBar1->addWidget(b);
    ToolBar1->addSeparator();

    ComboBox3 = ViewCombo(ToolBar1, "Graph Time Scale",
                          {"1 Month", "3 Months", "6 Months", "1 Year", "View All"}, 1);
    ComboBox1 = ViewCombo(ToolBar1, "Technical Analysis Charting",
                          {"MACD Line", "MACD Histogram", "MACD Full", "RSI Relative Strength",
                           "CCI Commodity Channel", "MFI Money Flow Index", "Williams %R",
                           "ADX Wilder's DMI", "+DI/-DI Wilder's DI", "Fast Stochastic",
                           "Slow Stochastic", "Chaikin Money Flow", "Accum/Distribution",
                           "Rate Of Change", "On Balance Volume", "Average True Range"},
                          2);
    ComboBox2 = ViewCombo(ToolBar1, "Chart Option", {"Bar(OHLC)", "CandleStick", "Line"}, 1);
    SpeedButton7 = new QToolButton(ToolBar1);
    SpeedButton7->setText("Overlay");
    SpeedButton7->setAutoRaise(true);
    for (QWidget* w : {static_cast<QWidget*>(ComboBox3), static_cast<QWidget*>(ComboBox1),
                       static_cast<QWidget*>(ComboBox2), static_cast<QWidget*>(SpeedButton7)})
        ToolBar1->addWidget(w);

    connect(SpeedButton1, &QToolButton::clicked, this, &TForm1::Print1Click);
    connect(SpeedButton5, &QToolButton::clicked, this, &TForm1::SpeedButton5Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm1::UpdateData1Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TForm1::ScanNow1Click);
    connect(SpeedButton6, &QToolButton::clicked, this, &TForm1::SpeedButton6Click);
    connect(SpeedButton6, &QToolButton::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(SpeedButton6->mapToGlobal(at)); });
    connect(SpeedButton4, &QToolButton::clicked, this, &TForm1::SpeedButton4Click);
    connect(SpeedButton7, &QToolButton::clicked, this, &TForm1::SpeedButton7Click);
    // Only the user's choices: the commands set the index without a change event.
    for (QComboBox* combo : {ComboBox1, ComboBox2, ComboBox3})
        connect(combo, &QComboBox::activated, this, &TForm1::ListBox1DblClick);
}

} // namespace brevant
