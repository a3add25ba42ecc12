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
    for (const TimeWindowInfo& row : kTimeWindows)
        WindowItems << ViewItem(this, menu, row, [this, w = row.window] { SetWindow(w); });
    menu->addSeparator();
    for (const IndicatorViewInfo& row : kIndicatorViews)
        IndicatorItems << ViewItem(this, menu, row, [this, v = row.view] { SetIndicator(v); });
    menu->addSeparator();
    for (const PriceStyleInfo& row : kPriceStyles)
        StyleItems << ViewItem(this, menu, row, [this, s = row.style] { SetStyle(s); });
    Exclusive(this, WindowItems);
    Exclusive(this, IndicatorItems);
    Exclusive(this, StyleItems);
    const ChartView initial;
    WindowItems[FindTimeWindow(initial.window)->window]->setChecked(true);
    IndicatorItems[initial.indicator]->setChecked(true);
    StyleItems[initial.priceStyle]->setChecked(true);
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

    const ChartView initial;
    ComboBox3 = ViewCombo(ToolBar1, "Graph Time Scale", Names(kTimeWindows),
                          FindTimeWindow(initial.window)->window);
    ComboBox1 = ViewCombo(ToolBar1, "Technical Analysis Charting", Names(kIndicatorViews),
                          initial.indicator);
    ComboBox2 = ViewCombo(ToolBar1, "Chart Option", Names(kPriceStyles), initial.priceStyle);
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
