// Brevant Dira — the main window's controls: the side column (detail panel,
// stock lists, search box), the chart pane and the status bar.
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/main_window.h"
#include "app/side_pane.h"
#include "app/stock_list_box.h"
#include "app/tool_icons.h"

namespace brevant {
namespace {

// A column dragged wide still leaves the chart this wide.
constexpr int kLeastChartWidth = 300;

// The gap between the column and the chart as it always looked: the handle
// draws no grip, only the mouse cursor over it tells that it can be dragged.
class PlainHandle : public QSplitterHandle {
public:
    using QSplitterHandle::QSplitterHandle;

protected:
    void paintEvent(QPaintEvent*) override {}
};

class PlainSplitter : public QSplitter {
public:
    using QSplitter::QSplitter;

protected:
    QSplitterHandle* createHandle() override { return new PlainHandle(orientation(), this); }
};

} // namespace

void TForm1::setupCentralArea() {
    // The handle stands in the 2 pixels between the column and the chart;
    // until it is dragged, the column is as wide as its detail panel and the
    // chart takes the rest, also when the window is resized.
    auto* split = new PlainSplitter(Qt::Horizontal, this);
    split->setHandleWidth(2);
    split->setChildrenCollapsible(false);

    // Made first: its detail panel heads the side column.
    ChartPane = new TChartPane(*this);
    ChartPane->setMinimumWidth(kLeastChartWidth);
    Lists.PageControl1 = new QTabWidget;
    setupStockLists(Lists.PageControl1);
    auto* searchRow = new QWidget;
    setupSearch(searchRow);
    split->addWidget(new TSidePane(ChartPane->Panel3, Lists.PageControl1, searchRow));
    split->addWidget(ChartPane);
    split->setStretchFactor(0, 0);
    split->setStretchFactor(1, 1);
    setCentralWidget(split);

    StatusBar1 = new QStatusBar(this);
    // A widget, not a message: the passing messages of menu items (hovering
    // one shows its empty status tip) hide it only while they last.
    StatusText1 = new QLabel(StatusBar1);
    StatusBar1->addWidget(StatusText1, 1);
    setStatusBar(StatusBar1);
}

void TForm1::setupStockLists(QTabWidget* pages) {
    auto page = [&](const QString& title, const QString& label, TStockListBox*& list) {
        auto* sheet = new QWidget(pages);
        auto* box = new QVBoxLayout(sheet);
        box->setContentsMargins(2, 2, 2, 2);
        box->setSpacing(1);
        box->addWidget(new QLabel(label, sheet));
        list = new TStockListBox(sheet);
        box->addWidget(list, 1);
        pages->addTab(sheet, title);
        connect(list, &TStockListBox::userSelected, this, [this] { Lists.ListBox1DblClick(); });
        return sheet;
    };
    // Both page titles fit the narrow column without scroll arrows.
    QFont tabs = pages->font();
    tabs.setPointSize(8);
    pages->tabBar()->setFont(tabs);
    pages->tabBar()->setUsesScrollButtons(false);
    pages->tabBar()->setElideMode(Qt::ElideNone);
    Lists.TabSheet1 = page("All Stock", "All Stock List", Lists.ListBox1);
    Lists.TabSheet2 = page("Filter Result  ", "Filtered Stocks List", Lists.ListBox2);
    pages->setCurrentWidget(Lists.TabSheet1);
}

void TForm1::setupSearch(QWidget* parent) {
    auto* row = new QHBoxLayout(parent);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    Lists.Edit3 = new QLineEdit(parent);
    Lists.Edit3->setToolTip("Enter Stock Name");
    Lists.Button2 = new QToolButton(parent);
    Lists.Button2->setToolTip("Search For Stock");
    Lists.Button2->setIcon(SearchIcon());
    Lists.Button2->setAutoRaise(true);
    row->addWidget(Lists.Edit3, 1);
    row->addWidget(Lists.Button2);
    connect(Lists.Button2, &QToolButton::clicked, this, [this] { Lists.Button2Click(); });
}

} // namespace brevant
