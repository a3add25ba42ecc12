// Brevant Dira — the chart pane's controls: the header above the plot, the
// plot with its indicator title, and the detail panel's readout labels.
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <qcustomplot.h>

#include "chart/render/chart_crosshair.h"
#include "chart/render/chart_renderer.h"
#include "chart/ui/chart_navigation.h"
#include "chart/ui/chart_pane.h"

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

QLabel* TChartPane::NewLabel(int number, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString("Label%1").arg(number));
    labels_[number] = label;
    return label;
}

void TChartPane::setupDetailPanel() {
    Panel3 = new QFrame;
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
    const int w = kPanelWidth;

    auto caption = [&](int n, const char* text, int x, int y, int width) {
        QLabel* l = NewLabel(n, text, Panel3);
        l->setFont(captionFont);
        l->setGeometry(x, y, width, kRowHeight);
        return l;
    };
    auto value = [&](int n, const char* text, int x, int y, int width, bool right) {
        QLabel* l = NewLabel(n, text, Panel3);
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
    for (QLabel* label : Panel3->findChildren<QLabel*>())
        detailDesign_.push_back({label, label->text(), label->palette()});
}

void TChartPane::setupHeader(QWidget* header) {
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
}

void TChartPane::setupPlot() {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* header = new QWidget(this);
    setupHeader(header);
    column->addWidget(header);

    Chart1 = new QCustomPlot(this);
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

    crosshair_ = std::make_unique<ChartCrosshair>(*Renderer1);
    navigation_ = new TChartNavigation(*this, *Chart1); // the plot owns it
    // The cursor follows the mouse on its own, whether the readout runs or not.
    connect(Chart1, &QCustomPlot::mouseMove, this,
            [this](QMouseEvent* event) { crosshair_->moveTo(event->position().toPoint()); });
    // The title sits on a white ground that hides the chart lines beneath it.
    title->setAutoFillBackground(true);
    QPalette white = title->palette();
    white.setColor(QPalette::Window, Qt::white);
    title->setPalette(white);
    title->setContentsMargins(3, 1, 3, 1);
    connect(Chart1, &QCustomPlot::afterLayout, this, &TChartPane::PlaceIndicatorTitle);
}

} // namespace brevant
