// Brevant Dira — the main window's controls: detail panel, stock lists, search box, chart.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <qcustomplot.h>

#include "app/main_window.h"
#include "app/side_pane.h"
#include "app/stock_list_box.h"
#include "app/tool_icons.h"
#include "chart/render/chart_renderer.h"

namespace brevant {
namespace {

// One row of the detail panel: where its caption and value labels stand.
struct TDetailRow {
    int Caption; // 0: no caption label
    const char* CaptionText;
    int Value;
    const char* ValueText;
    QColor Colour;
    bool RightAligned;
    const char* Hint;
};

const QColor kBlack(0, 0, 0);
const QColor kMaroon(128, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kPurple(128, 0, 128);
const QColor kRed(255, 0, 0);

// Rows 5 to 12, one pair a row; rows 1 to 4 are placed by hand.
const TDetailRow kDetailRows[] = {
    {40, "BB Upp:", 43, "BB Upp", kMaroon, true, nullptr},
    {39, "BB Lwr:", 42, "BB Lwr", kMaroon, true, nullptr},
    {38, "MA 1:", 8, "MA 1", kGreen, true, "Moving Average 1"},
    {37, "MA 2:", 9, "MA 2", kPurple, true, "Moving Average 2"},
    {36, "MA 3:", 41, "MA 3", kRed, true, nullptr},
    {19, "TA Indicator:", 11, "Tech 1", kBlack, true, nullptr},
    {20, "TA Indicator:", 12, "Tech 2", kBlack, true, nullptr},
    {21, "TA Indicator:", 13, "Tech 3", kBlack, true, nullptr},
};

constexpr int kRowHeight = 14;
constexpr int kTop = 1;

void Colour(QLabel* label, const QColor& colour) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

} // namespace

QLabel* TForm1::NewLabel(int number, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString("Label%1").arg(number));
    labels_[number] = label;
    return label;
}

QLabel* TForm1::Label(int number) const {
    const auto it = labels_.find(number);
    return it == labels_.end() ? nullptr : it->second;
}

void TForm1::setupCentralArea() {
    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);

    Panel3 = new QFrame;
    setupDetailPanel(Panel3);
    PageControl1 = new QTabWidget;
    setupStockLists(PageControl1);
    auto* searchRow = new QWidget;
    setupSearch(searchRow);
    row->addWidget(new TSidePane(Panel3, PageControl1, searchRow, central));

    auto* chartArea = new QWidget(central);
    setupChart(chartArea);
    row->addWidget(chartArea, 1);
    setCentralWidget(central);

    StatusBar1 = new QStatusBar(this);
    // A widget, not a message: the passing messages of menu items (hovering
    // one shows its empty status tip) hide it only while they last.
    StatusText1 = new QLabel(StatusBar1);
    StatusBar1->addWidget(StatusText1, 1);
    setStatusBar(StatusBar1);
}

void TForm1::setupDetailPanel(QWidget* parent) {
    Panel3->setFrameShape(QFrame::Box);
    Panel3->setLineWidth(1);
    Panel3->setAutoFillBackground(true);
    QPalette white = Panel3->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    Panel3->setPalette(white);

    QFont captionFont("Times New Roman");
    captionFont.setStyleHint(QFont::Serif);
    captionFont.setBold(true);
    captionFont.setPixelSize(11);
    QFont valueFont = font();
    valueFont.setPixelSize(12);
    const int w = TSidePane::kWidth;

    auto caption = [&](int n, const char* text, int x, int y, int width) {
        QLabel* l = NewLabel(n, text, parent);
        l->setFont(captionFont);
        l->setGeometry(x, y, width, kRowHeight);
        return l;
    };
    auto value = [&](int n, const char* text, int x, int y, int width, bool right) {
        QLabel* l = NewLabel(n, text, parent);
        l->setFont(valueFont);
        l->setGeometry(x, y, width, kRowHeight);
        if (right) l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return l;
    };
    auto y = [](int row) { return kTop + (row - 1) * kRowHeight; };

    value(10, "Date", 4, y(1), w - 8, false)->setToolTip("Date");
    caption(14, "O:", 4, y(2), 16);
    value(3, "Open", 20, y(2), 54, false)->setToolTip("Open Price");
    caption(16, "H:", 78, y(2), 16);
    value(4, "High", 94, y(2), 54, false)->setToolTip("High Price");
    caption(15, "C:", 4, y(3), 16);
    value(6, "Close", 20, y(3), 54, false)->setToolTip("Close Price");
    caption(17, "L:", 78, y(3), 16);
    value(5, "Low", 94, y(3), 54, false)->setToolTip("Low Price");
    caption(18, "Vol:", 4, y(4), 26);
    value(7, "Volume", 30, y(4), w - 34, false)->setToolTip("Volume");
    int r = 5;
    for (const TDetailRow& row : kDetailRows) {
        // The readout lengthens captions ("BB Upp  (20,2)"); they may run under
        // the right-aligned value instead of being clipped.
        QLabel* c = caption(row.Caption, row.CaptionText, 4, y(r), w - 8);
        QLabel* v = value(row.Value, row.ValueText, 86, y(r), w - 90, row.RightAligned);
        Colour(c, row.Colour);
        Colour(v, row.Colour);
        if (row.Hint) v->setToolTip(row.Hint);
        ++r;
    }
    for (QLabel* label : parent->findChildren<QLabel*>())
        detailDesign_.push_back({label, label->text(), label->palette()});
}

void TForm1::setupStockLists(QWidget* parent) {
    auto page = [&](const QString& title, const QString& label, TStockListBox*& list) {
        auto* sheet = new QWidget(parent);
        auto* box = new QVBoxLayout(sheet);
        box->setContentsMargins(2, 2, 2, 2);
        box->setSpacing(1);
        box->addWidget(new QLabel(label, sheet));
        list = new TStockListBox(sheet);
        box->addWidget(list, 1);
        PageControl1->addTab(sheet, title);
        connect(list, &TStockListBox::userSelected, this, &TForm1::ListBox1DblClick);
        return sheet;
    };
    // Both page titles fit the narrow column without scroll arrows.
    QFont tabs = PageControl1->font();
    tabs.setPointSize(8);
    PageControl1->tabBar()->setFont(tabs);
    PageControl1->tabBar()->setUsesScrollButtons(false);
    PageControl1->tabBar()->setElideMode(Qt::ElideNone);
    TabSheet1 = page("All Stock", "All Stock List", ListBox1);
    TabSheet2 = page("Filter Result  ", "Filtered Stocks List", ListBox2);
    PageControl1->setCurrentWidget(TabSheet1);
}

void TForm1::setupSearch(QWidget* parent) {
    auto* row = new QHBoxLayout(parent);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    Edit3 = new QLineEdit(parent);
    Edit3->setToolTip("Enter Stock Name");
    Button2 = new QToolButton(parent);
    Button2->setToolTip("Search For Stock");
    Button2->setIcon(SearchIcon());
    Button2->setAutoRaise(true);
    row->addWidget(Edit3, 1);
    row->addWidget(Button2);
    connect(Button2, &QToolButton::clicked, this, &TForm1::Button2Click);
}

void TForm1::setupChart(QWidget* parent) {
    auto* column = new QVBoxLayout(parent);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* header = new QWidget(parent);
    auto* line = new QHBoxLayout(header);
    line->setContentsMargins(6, 2, 6, 2);
    line->setSpacing(4);
    QLabel* name = NewLabel(22, "Stock Name", header);
    QFont nameFont("Arial");
    nameFont.setBold(true);
    nameFont.setPixelSize(13);
    name->setFont(nameFont);
    name->setToolTip("Stock Name");
    line->addWidget(name);
    line->addStretch(1);
    // Captions never change; the value labels show the last bar.
    const int pairs[][2] = {{23, 24}, {25, 26}, {29, 30}, {31, 32}, {33, 34}, {27, 28}};
    const char* captions[] = {"O:", "H:", "L:", "C:", "D:", "Vol:"};
    const char* values[] = {"Open", "High", "Low", "Close", "Date", "Volume"};
    for (int i = 0; i < 6; ++i) {
        QLabel* c = NewLabel(pairs[i][0], captions[i], header);
        QFont bold = c->font();
        bold.setBold(true);
        c->setFont(bold);
        line->addWidget(c);
        line->addWidget(NewLabel(pairs[i][1], values[i], header));
        line->addSpacing(6);
    }
    column->addWidget(header);

    Chart1 = new QCustomPlot(parent);
    Chart1->setMouseTracking(true);
    Renderer1 = new ChartRenderer(*Chart1);
    QLabel* title = NewLabel(35, QString(), Chart1);
    QFont titleFont("Arial");
    titleFont.setBold(true);
    title->setFont(titleFont);
    // Over the top left of the indicator panel; PlotData fits it to its text.
    title->setGeometry(66, 26, 480, 18);
    title->setAttribute(Qt::WA_TransparentForMouseEvents);
    column->addWidget(Chart1, 1);
    connect(Chart1, &QCustomPlot::mouseMove, this,
            [this](QMouseEvent* event) { Chart1MouseMove(event->position().toPoint().x()); });
}

} // namespace brevant
