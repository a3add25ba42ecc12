// Brevant Dira — the main window's command map: menus, tool buttons and view combo boxes.
#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "app/chart_drawings.h"
#include "app/main_window.h"
#include "app/tool_icons.h"
#include "ui/latin1.h"

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

// The names of a view table's rows, as the combo box lists them.
template <class Rows> QStringList Names(const Rows& rows) {
    QStringList names;
    for (const auto& row : rows) names << ui::FromLatin1(row.name);
    return names;
}

// The "&Graph" item of a view table's row: its caption and function key.
template <class Row, class Command>
QAction* ViewItem(QWidget* window, QMenu* menu, const Row& row, Command command) {
    QAction* item = menu->addAction(ui::FromLatin1(row.menuCaption));
    item->setShortcut(row.functionKey ? QKeySequence(Qt::Key_F1 + (row.functionKey - 1))
                                      : QKeySequence());
    // Shortcuts work whether or not the menu has ever been opened.
    window->addAction(item);
    QObject::connect(item, &QAction::triggered, window, command);
    return item;
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

template <class Handler>
QAction* TForm1::AddItem(QMenu* menu, const QString& caption, Handler handler,
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
    QMenuBar*& MainMenu1 = Menu.MainMenu1;
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
    TMainMenu& m = Menu;
    QMenu* menu = m.MainMenu1->addMenu("&File");
    AddItem(menu, "Save Filter Result", [&m] { m.SaveFilterResult1Click(); });
    m.Print1 = AddItem(menu, "Print", [&m] { m.Print1Click(); });
    menu->addSeparator();
    m.Exit2 = AddItem(menu, "Exit", [&m] { m.Exit2Click(); });
}

void TForm1::setupDataMenu() {
    TMainMenu& m = Menu;
    QMenu* menu = m.MainMenu1->addMenu("&Data");
    AddItem(menu, "Update Database", [&m] { m.UpdateData1Click(); });
    // Checked by the handler itself, so that a click always toggles the panel once.
    m.ViewDetailData1 = AddItem(menu, "View Detail Data", [&m] {
        m.ViewDetailData1->setChecked(!m.ViewDetailData1->isChecked());
        m.ViewDetailData1Click();
    });
    m.ViewDetailData1->setCheckable(true);
    m.ViewDetailData1->setChecked(true);
    AddItem(menu, "Manage Stock Split/Dividend", [&m] { m.ManageStockSplitDivident1Click(); });
    AddItem(menu, "Undo Stock Split/Dividend", [&m] { m.UndoStockSplitDividend1Click(); });
    AddItem(menu, "Delete Stock...", [&m] { m.DeleteStock1Click(); });
    menu->addSeparator();
    m.ViewDailyData1 = AddItem(menu, "View Daily Data", [&m] { m.DailyData1Click(); });
    m.ViewWeeklyData1 = AddItem(menu, "View Weekly Data", [&m] { m.WeeklyData1Click(); });
    m.ViewMonthlyData1 = AddItem(menu, "View Monthly Data", [&m] { m.MonthlyData1Click(); });
    Exclusive(this, {m.ViewDailyData1, m.ViewWeeklyData1, m.ViewMonthlyData1});
    m.ViewDailyData1->setChecked(true);
}

void TForm1::setupFilterMenu() {
    TMainMenu& m = Menu;
    QMenu* menu = m.MainMenu1->addMenu("&Filter");
    m.ScanNow1 = AddItem(
        menu, "Filter Database", [&m] { m.ScanNow1Click(); }, Qt::Key_F12);
    AddItem(menu, "Indicator Setting", [&m] { m.SetIndicatorValue1Click(); });
    AddItem(menu, "Indicator Periods...", [&m] { m.IndicatorPeriods1Click(); });
    AddItem(menu, "Overlay Indicator", [&m] { m.OverlayIndicator1Click(); });
}

void TForm1::setupGraphMenu() {
    TGraphMenu& g = Graph;
    QMenu* menu = Menu.MainMenu1->addMenu("&Graph");
    for (const TimeWindowInfo& row : kTimeWindows)
        g.WindowItems << ViewItem(this, menu, row, [&g, w = row.window] { g.SetWindow(w); });
    QMenu* history = menu->addMenu("View History");
    for (const HistoryWindowInfo& row : kHistoryWindows)
        g.HistoryItems << AddItem(history, ui::FromLatin1(row.name), [&g, w = row.window] {
            g.SetHistoryWindow(HistoryChoice{.window = w});
        });
    g.HistoryItems << AddItem(history, "Date Range...", [&g] { g.DateRange1Click(); });
    menu->addSeparator();
    for (const IndicatorViewInfo& row : kIndicatorViews)
        g.IndicatorItems << ViewItem(this, menu, row, [&g, v = row.view] { g.SetIndicator(v); });
    menu->addSeparator();
    for (const PriceStyleInfo& row : kPriceStyles)
        g.StyleItems << ViewItem(this, menu, row, [&g, s = row.style] { g.SetStyle(s); });
    menu->addSeparator();
    g.LogScale1 = AddItem(menu, "Log Price Scale", [&g] { g.LogScale1Click(); });
    g.Adjusted1 = AddItem(menu, "Split-Adjusted Prices", [&g] { g.Adjusted1Click(); });
    for (QAction* toggle : {g.LogScale1, g.Adjusted1}) toggle->setCheckable(true);
    g.ResetZoom1 = AddItem(
        menu, "Reset Zoom and Scroll", [&g] { g.ResetZoom1Click(); }, Qt::CTRL | Qt::Key_0);
    setupDrawMenu(menu);
    Analysis.Panels.setupMenu(menu);
    Analysis.Memory.setupMenu(menu);
    // One check mark for the specified windows and those of the history.
    Exclusive(this, g.WindowItems + g.HistoryItems);
    Exclusive(this, g.IndicatorItems);
    Exclusive(this, g.StyleItems);
    const ChartView initial;
    g.WindowItems[FindTimeWindow(initial.window)->window]->setChecked(true);
    g.IndicatorItems[initial.indicator]->setChecked(true);
    g.StyleItems[initial.priceStyle]->setChecked(true);
}

void TForm1::setupDrawMenu(QMenu* graph) {
    QMenu* draw = graph->addMenu("Draw");
    AddItem(draw, "Trend Line", [this] { Analysis.Drawings->SetMode(DrawingMode::Trend); });
    AddItem(draw, "Horizontal Line", [this] { Analysis.Drawings->SetMode(DrawingMode::Level); });
    draw->addSeparator();
    AddItem(draw, "Remove All Drawings", [this] { Analysis.Drawings->RemoveAll(); });
}

void TForm1::setupHelpMenu() {
    TMainMenu& m = Menu;
    QMenu* menu = m.MainMenu1->addMenu("&Help");
    m.About1 = AddItem(menu, "About", [&m] { m.About1Click(); });
    m.FirstTimeInstallation1 =
        AddItem(menu, "First Time Installation", [&m] { m.FirstTimeInstallation1Click(); });
    m.HelpFile1 = AddItem(menu, "Help File", [&m] { m.HelpFile1Click(); });
}

void TForm1::setupPeriodPopup() {
    TMainMenu& m = Menu;
    m.PopupMenu1 = new QMenu(this);
    m.DailyData1 = m.PopupMenu1->addAction("Daily Data");
    m.WeeklyData1 = m.PopupMenu1->addAction("Weekly Data");
    m.MonthlyData1 = m.PopupMenu1->addAction("Monthly Data");
    connect(m.DailyData1, &QAction::triggered, this, [&m] { m.DailyData1Click(); });
    connect(m.WeeklyData1, &QAction::triggered, this, [&m] { m.WeeklyData1Click(); });
    connect(m.MonthlyData1, &QAction::triggered, this, [&m] { m.MonthlyData1Click(); });
    Exclusive(this, {m.DailyData1, m.WeeklyData1, m.MonthlyData1});
    m.DailyData1->setChecked(true);
}

void TForm1::setupToolBar() {
    TMainToolBar& t = Tools;
    t.ToolBar1 = addToolBar("ToolBar1");
    QToolBar* bar = t.ToolBar1;
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    bar->setIconSize(QSize(20, 20));
    bar->addWidget(Menu.MainMenu1);
    bar->addSeparator();

    t.SpeedButton1 = ToolButton(bar, "Print", PrintIcon());
    t.SpeedButton5 = ToolButton(bar, "Cross Cursor", CrossCursorIcon());
    t.SpeedButton5->setCheckable(true);
    t.SpeedButton2 = ToolButton(bar, "Update Database", UpdateDatabaseIcon());
    t.SpeedButton3 = ToolButton(bar, "Filter Database", FilterDatabaseIcon());
    t.SpeedButton6 = ToolButton(bar, QString(), QIcon());
    t.SpeedButton6->setText("D");
    t.SpeedButton6->setFixedSize(23, 22);
    t.SpeedButton6->setContextMenuPolicy(Qt::CustomContextMenu);
    t.SpeedButton4 = ToolButton(bar, "Help", HelpIcon());
    for (QToolButton* b : {t.SpeedButton1, t.SpeedButton5, t.SpeedButton2, t.SpeedButton3,
                           t.SpeedButton6, t.SpeedButton4})
        bar->addWidget(b);
    bar->addSeparator();

    TGraphMenu& g = Graph;
    const ChartView initial;
    g.ComboBox3 = ViewCombo(bar, "Graph Time Scale", Names(kTimeWindows),
                            FindTimeWindow(initial.window)->window);
    g.ComboBox1 =
        ViewCombo(bar, "Technical Analysis Charting", Names(kIndicatorViews), initial.indicator);
    g.ComboBox2 = ViewCombo(bar, "Chart Option", Names(kPriceStyles), initial.priceStyle);
    t.SpeedButton7 = new QToolButton(bar);
    t.SpeedButton7->setText("Overlay");
    t.SpeedButton7->setAutoRaise(true);
    for (QWidget* w : {static_cast<QWidget*>(g.ComboBox3), static_cast<QWidget*>(g.ComboBox1),
                       static_cast<QWidget*>(g.ComboBox2), static_cast<QWidget*>(t.SpeedButton7)})
        bar->addWidget(w);

    TMainMenu& m = Menu;
    connect(t.SpeedButton1, &QToolButton::clicked, this, [&m] { m.Print1Click(); });
    connect(t.SpeedButton5, &QToolButton::clicked, this, &TForm1::SpeedButton5Click);
    connect(t.SpeedButton2, &QToolButton::clicked, this, [&m] { m.UpdateData1Click(); });
    connect(t.SpeedButton3, &QToolButton::clicked, this, [&m] { m.ScanNow1Click(); });
    connect(t.SpeedButton6, &QToolButton::clicked, this, [&m] { m.SpeedButton6Click(); });
    connect(t.SpeedButton6, &QToolButton::customContextMenuRequested, this,
            [&m, &t](const QPoint& at) { m.PopupMenu1->popup(t.SpeedButton6->mapToGlobal(at)); });
    connect(t.SpeedButton4, &QToolButton::clicked, this, [&m] { m.SpeedButton4Click(); });
    connect(t.SpeedButton7, &QToolButton::clicked, this, [&m] { m.SpeedButton7Click(); });
    // Only the user's choices: the commands set the index without a change event.
    // A window chosen in its combo box leaves a history window, zoom and scroll.
    connect(g.ComboBox3, &QComboBox::activated, this, [&g] { g.SpecifiedWindowChosen(); });
    for (QComboBox* combo : {g.ComboBox1, g.ComboBox2, g.ComboBox3})
        connect(combo, &QComboBox::activated, this, [this] { Lists.ListBox1DblClick(); });
}

} // namespace brevant
