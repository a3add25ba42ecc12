// Brevant Dira — the indicator setting dialog: the fifteen stored periods, shown, not edited.
#include "chart/ui/indicator_setting_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <vector>

namespace brevant {
namespace {

using Member = int TIndicatorParams::*;

struct Field {
    const char* caption;
    Member parameter;
    int minimum;
};

struct Group {
    const char* title;
    std::vector<Field> fields;
    const char* help;
};

struct Page {
    const char* title;
    std::vector<Group> groups;
};

// Spin edits are numbered in the order they appear here.
const Page kPages[] = {
    {"Technical Indicator 1",
     {{" Moving Average Convergence Divergence (MACD) ",
       {{"EMA 1:", &TIndicatorParams::MACD1, 3},
        {"EMA 2:", &TIndicatorParams::MACD2, 4},
        {"MACD:", &TIndicatorParams::MACD3, 3}},
       "Default value for EMA 1 is 12, EMA 2 is 26 and MACD is 9."},
      {" Relative Strength Index (RSI) ",
       {{"Relative Strength Index:", &TIndicatorParams::RSI, 3}},
       "Default value for Relative Strength Index is 14."},
      {" Commodity Channel Index (CCI) ",
       {{"Commodity Channel Index:", &TIndicatorParams::CCI, 3}},
       "Default value for Commodity Channel index is 20."},
      {"Money Flow Index (MFI)",
       {{"Money Flow Index:", &TIndicatorParams::MFI, 3}},
       "Default value for Money Flow Index is 14."}}},
    {"Technical Indicator 2",
     {{" Williams %R ",
       {{"Williams %R:", &TIndicatorParams::WR, 3}},
       "Default value for Williams %R is 14."},
      {" Wilder's ADX ",
       {{"Wilder's ADX:", &TIndicatorParams::ADX, 3}},
       "Default value for Wilder's ADX is 14."},
      {" Fast Stochastic (Fast Stoc) ",
       {{"Fast Stoc:", &TIndicatorParams::FSTOC1, 3}, {"Smooth:", &TIndicatorParams::FSTOC2, 3}},
       "Default value for Fast Stoc is 14 and Smooth is 3."},
      {"Slow Stochastic (Slow Stoc) ",
       {{"Slow Stoc:", &TIndicatorParams::SSTOC1, 3}, {"Smooth:", &TIndicatorParams::SSTOC2, 3}},
       "Default value for Slow Stoc is 14 and Smooth is 3."}}},
    {"Technical Indicator 3",
     {{" Chaikin Money Flow (CMF) ",
       {{"Chaikin Money Flow:", &TIndicatorParams::CMF, 3}},
       "Default value for Chaikin Money Flow is 20."},
      {" Rate Of Change (ROC) ",
       {{"Rate Of Change:", &TIndicatorParams::ROC, 3}},
       "Default value for Rate Of Change is 12."},
      {" Average True Range (ATR) ",
       {{"Average True Range:", &TIndicatorParams::ATR, 3}},
       "Default value for Average True Range is 14."}}},
};

QPushButton* Button(const QString& caption, bool enabled, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setEnabled(enabled);
    return button;
}

} // namespace

TForm12::TForm12(const TIndicatorParams& params, QWidget* parent)
    : QDialog(parent), params_(params) {
    setWindowTitle("Indicator Setting");
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    PageControl1 = new QTabWidget(this);
    // All three tab titles in view, without scroll arrows.
    PageControl1->tabBar()->setUsesScrollButtons(false);
    const TIndicatorParams defaults = DefaultIndicatorParams();
    std::size_t next = 0;
    for (const Page& page : kPages) {
        auto* sheet = new QWidget(PageControl1);
        auto* column = new QVBoxLayout(sheet);
        for (const Group& g : page.groups) {
            auto* group = new QGroupBox(g.title, sheet);
            auto* grid = new QGridLayout(group);
            int col = 0;
            for (const Field& f : g.fields) {
                auto* spin = new QSpinBox(group);
                spin->setRange(f.minimum, 100);
                spin->setValue(defaults.*(f.parameter));
                spin->setEnabled(false);
                spin->setMinimumWidth(64);
                grid->addWidget(new QLabel(f.caption, group), 0, col++, Qt::AlignRight);
                grid->addWidget(spin, 0, col++);
                spinEdits_[next++] = spin;
            }
            grid->setColumnStretch(col, 1);
            auto* help = new QLabel(g.help, group);
            grid->addWidget(help, 1, 0, 1, col + 1);
            column->addWidget(group);
        }
        column->addStretch(1);
        PageControl1->addTab(sheet, page.title);
    }
    layout->addWidget(PageControl1);

    auto* buttons = new QHBoxLayout;
    Button1 = Button("Save", false, this);
    Button3 = Button("Cancel", false, this);
    Button2 = Button("Default", false, this);
    Button4 = Button("Close", true, this);
    for (QPushButton* b : {Button1, Button3, Button2}) buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(Button4);
    layout->addLayout(buttons);
    Button4->setDefault(true);
    connect(Button3, &QPushButton::clicked, this, &TForm12::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm12::Button3Click);
}

void TForm12::FormShow() {
    std::size_t next = 0;
    for (const Page& page : kPages)
        for (const Group& g : page.groups)
            for (const Field& f : g.fields) spinEdits_[next++]->setValue(params_.*(f.parameter));
}

void TForm12::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TForm12::Button3Click() {
    reject();
}

} // namespace brevant
