// Brevant Dira — the overlay dialog: moving averages and Bollinger bands over the prices.
#include "chart/ui/overlay_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/clamping_spin_edit.h"

namespace brevant {
namespace {

constexpr int kSpinWidth = 64;

// One row of a group: the check box, then "Value:" and the period.
TPeriodSpinEdit* AddRow(QGridLayout* grid, int row, QCheckBox* box, int value, QWidget* parent) {
    auto* spin = new TPeriodSpinEdit(2, 200, value, parent);
    spin->setFixedWidth(kSpinWidth);
    grid->addWidget(box, row, 0);
    grid->addWidget(new QLabel("Value:", parent), row, 1, Qt::AlignRight);
    grid->addWidget(spin, row, 2);
    return spin;
}

QGridLayout* GroupGrid(QGroupBox* group) {
    auto* grid = new QGridLayout(group);
    grid->setColumnStretch(0, 1);
    grid->setColumnMinimumWidth(0, 170);
    grid->setHorizontalSpacing(8);
    return grid;
}

} // namespace

TForm13::TForm13(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Overlay Indicator");
    // A fixed dialog frame without the caption bar's buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(new QLabel("Please choose one or more Overlay Indicator (s).", this));

    auto* averages = new QGroupBox(" Moving Averages ", this);
    QGridLayout* grid = GroupGrid(averages);
    CheckBox1 = new QCheckBox("Plot Moving Average 1", averages);
    CheckBox2 = new QCheckBox("Plot Moving Average 2", averages);
    CheckBox3 = new QCheckBox("Plot Moving Average 3", averages);
    const TOverlayParams defaults;
    JvSpinEdit1 = AddRow(grid, 0, CheckBox1, defaults.MA1, averages);
    JvSpinEdit2 = AddRow(grid, 1, CheckBox2, defaults.MA2, averages);
    JvSpinEdit3 = AddRow(grid, 2, CheckBox3, defaults.MA3, averages);
    // An empty place where the bands have their width lines the periods up.
    auto* gap = new QWidget(averages);
    gap->setFixedWidth(kSpinWidth);
    grid->addWidget(gap, 0, 3);
    layout->addWidget(averages);

    auto* bands = new QGroupBox(" Bollinger Bands ", this);
    grid = GroupGrid(bands);
    CheckBox4 = new QCheckBox("Plot Bollinger Bands", bands);
    JvSpinEdit4 = AddRow(grid, 0, CheckBox4, defaults.BBPeriod, bands);
    JvSpinEdit5 = new TPeriodSpinEdit(0, 200, defaults.BBWidth, bands);
    JvSpinEdit5->setFixedWidth(kSpinWidth);
    JvSpinEdit5->setToolTip("Width in standard deviations");
    grid->addWidget(JvSpinEdit5, 0, 3);
    layout->addWidget(bands);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    Button1 = new QPushButton("OK", this);
    Button2 = new QPushButton("Close", this);
    Button1->setDefault(true);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    layout->addLayout(buttons);
    connect(Button1, &QPushButton::clicked, this, &TForm13::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm13::Button2Click);
}

void TForm13::SetOkActions(std::function<void()> checkIndicator,
                           std::function<void()> setIndicatorValue) {
    checkIndicator_ = std::move(checkIndicator);
    setIndicatorValue_ = std::move(setIndicatorValue);
}

OverlaySettings TForm13::Settings() const {
    OverlaySettings s;
    s.params = {JvSpinEdit1->value(), JvSpinEdit2->value(), JvSpinEdit3->value(),
                JvSpinEdit4->value(), JvSpinEdit5->value()};
    s.PlotMA1 = CheckBox1->isChecked();
    s.PlotMA2 = CheckBox2->isChecked();
    s.PlotMA3 = CheckBox3->isChecked();
    s.PlotBB = CheckBox4->isChecked();
    return s;
}

void TForm13::Button1Click() {
    if (checkIndicator_) checkIndicator_();
    if (setIndicatorValue_) setIndicatorValue_();
    accept();
}

void TForm13::Button2Click() {
    reject();
}

} // namespace brevant
