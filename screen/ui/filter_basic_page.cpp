// Brevant Dira — the filter dialog's "Basic" page: the four filters that work.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include "screen/ui/filter_window.h"
#include "ui/clamping_spin_edit.h"

namespace brevant {
namespace {

// One line of a group: the widgets in reading order, then the rest of the width.
QHBoxLayout* Row(QVBoxLayout* group, std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    for (QWidget* w : widgets) {
        if (w)
            row->addWidget(w);
        else
            row->addSpacing(24); // between two fields of one line
    }
    row->addStretch(1);
    group->addLayout(row);
    return row;
}

TSpinEdit* Spin(const FilterValueRange& range, int width, QWidget* parent) {
    auto* spin = new TSpinEdit(range.min, range.max, range.defaultValue, parent);
    spin->setAccelerated(true);
    spin->setFixedWidth(width);
    return spin;
}

} // namespace

QWidget* TForm2::setupBasicPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 2, 6, 0);
    layout->setSpacing(1);
    layout->addWidget(new QLabel("Select your scanner option and press SCAN NOW.", page));

    MovingAverageGroup = NewFilterGroup(" Moving Average Filter ", CheckBox1, ComboBox11, 1,
                                        "Moving_Average_Filter");
    CheckBox1->setText("Moving Average Cross Filter");
    auto* ma = static_cast<QVBoxLayout*>(MovingAverageGroup->layout());
    SpinEdit1 = Spin(kMaPeriod1Range, 58, MovingAverageGroup);
    SpinEdit2 = Spin(kMaPeriod2Range, 58, MovingAverageGroup);
    SpinEdit3 = Spin(kMaDaysRange, 58, MovingAverageGroup);
    auto* ma1 = new QLabel("Moving Average 1 ", MovingAverageGroup);
    auto* ma2 = new QLabel("Moving Average 2", MovingAverageGroup);
    Row(ma, {ma1, SpinEdit1, nullptr, ma2, SpinEdit2});
    Row(ma, {new QLabel("Moving Average 1 cross above Moving Average 2 in the last ",
                        MovingAverageGroup),
             SpinEdit3, new QLabel("days", MovingAverageGroup)});
    layout->addWidget(MovingAverageGroup);

    MacdGroup = NewFilterGroup(" MACD Buy Signal Filter ", CheckBox2, ComboBox12, 2,
                               "MACD_Buy_Signal_Filer");
    CheckBox2->setText("MACD Buy Signal Filter");
    SpinEdit4 = Spin(kMacdDaysRange, 58, MacdGroup);
    Row(static_cast<QVBoxLayout*>(MacdGroup->layout()),
        {new QLabel("Find stock that have generated MACD Buy Signal in the last", MacdGroup),
         SpinEdit4, new QLabel("days", MacdGroup)});
    layout->addWidget(MacdGroup);

    RsiGroup = NewFilterGroup(" RSI Filter ", CheckBox3, ComboBox13, 3, "RSI_Filter");
    CheckBox3->setText("RSI Filter");
    ComboBox10 = new QComboBox(RsiGroup);
    ComboBox10->addItems({"Above", "Below"});
    ComboBox10->setCurrentIndex(0);
    SpinEdit5 = Spin(kRsiLevelRange, 52, RsiGroup);
    SpinEdit6 = Spin(kRsiDaysRange, 52, RsiGroup);
    Row(static_cast<QVBoxLayout*>(RsiGroup->layout()),
        {new QLabel("Find stock than has RSI value crossed", RsiGroup), ComboBox10, SpinEdit5,
         new QLabel("in the last ", RsiGroup), SpinEdit6, new QLabel("days", RsiGroup)});
    layout->addWidget(RsiGroup);

    VolumeGroup = NewFilterGroup(" Volume Filter ", CheckBox4, ComboBox15, 4, "Volume_Filter");
    CheckBox4->setText("Volume Filter");
    SpinEdit7 = Spin(kVolumeRange, 110, VolumeGroup);
    SpinEdit7->setSingleStep(1000);
    Row(static_cast<QVBoxLayout*>(VolumeGroup->layout()),
        {new QLabel("Find stock with average volume higher than", VolumeGroup), SpinEdit7});
    layout->addWidget(VolumeGroup);
    layout->addStretch(1);
    return page;
}

// A group whose first line holds the filter's check box, its disabled period
// selector and its help button; the caller adds the filter's sentence below.
QGroupBox* TForm2::NewFilterGroup(const QString& caption, QCheckBox*& check, QComboBox*& period,
                                  int helpButton, const char* topic) {
    auto* group = new QGroupBox(caption);
    auto* column = new QVBoxLayout(group);
    column->setContentsMargins(8, 0, 6, 2);
    column->setSpacing(1);
    check = new QCheckBox(group);
    QFont bold = check->font();
    bold.setBold(true);
    check->setFont(bold);
    period = new QComboBox(group);
    period->addItems({"Daily", "Weekly", "Monthly"});
    period->setCurrentIndex(0);
    // This edition screens daily bars only.
    period->setEnabled(false);
    QHBoxLayout* row = Row(column, {check});
    row->addWidget(new QLabel("Data:", group));
    row->addWidget(period);
    row->addWidget(NewHelpButton(helpButton, topic, group));
    return group;
}

} // namespace brevant
