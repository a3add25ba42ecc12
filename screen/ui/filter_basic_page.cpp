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
    TBasicFilterPage& b = Basic;

    b.MovingAverageGroup = NewFilterGroup(" Moving Average Filter ", b.CheckBox1, b.ComboBox11, 1,
                                          "Moving_Average_Filter");
    b.CheckBox1->setText("Moving Average Cross Filter");
    auto* ma = static_cast<QVBoxLayout*>(b.MovingAverageGroup->layout());
    b.SpinEdit1 = Spin(kMaPeriod1Range, 58, b.MovingAverageGroup);
    b.SpinEdit2 = Spin(kMaPeriod2Range, 58, b.MovingAverageGroup);
    b.SpinEdit3 = Spin(kMaDaysRange, 58, b.MovingAverageGroup);
    auto* ma1 = new QLabel("Moving Average 1 ", b.MovingAverageGroup);
    auto* ma2 = new QLabel("Moving Average 2", b.MovingAverageGroup);
    Row(ma, {ma1, b.SpinEdit1, nullptr, ma2, b.SpinEdit2});
    Row(ma, {new QLabel("Moving Average 1 cross above Moving Average 2 in the last ",
                        b.MovingAverageGroup),
             b.SpinEdit3, new QLabel("days", b.MovingAverageGroup)});
    layout->addWidget(b.MovingAverageGroup);

    b.MacdGroup = NewFilterGroup(" MACD Buy Signal Filter ", b.CheckBox2, b.ComboBox12, 2,
                                 "MACD_Buy_Signal_Filer");
    b.CheckBox2->setText("MACD Buy Signal Filter");
    b.SpinEdit4 = Spin(kMacdDaysRange, 58, b.MacdGroup);
    Row(static_cast<QVBoxLayout*>(b.MacdGroup->layout()),
        {new QLabel("Find stock that have generated MACD Buy Signal in the last", b.MacdGroup),
         b.SpinEdit4, new QLabel("days", b.MacdGroup)});
    layout->addWidget(b.MacdGroup);

    b.RsiGroup = NewFilterGroup(" RSI Filter ", b.CheckBox3, b.ComboBox13, 3, "RSI_Filter");
    b.CheckBox3->setText("RSI Filter");
    b.ComboBox10 = new QComboBox(b.RsiGroup);
    b.ComboBox10->addItems({"Above", "Below"});
    b.ComboBox10->setCurrentIndex(0);
    b.SpinEdit5 = Spin(kRsiLevelRange, 52, b.RsiGroup);
    b.SpinEdit6 = Spin(kRsiDaysRange, 52, b.RsiGroup);
    Row(static_cast<QVBoxLayout*>(b.RsiGroup->layout()),
        {new QLabel("Find stock than has RSI value crossed", b.RsiGroup), b.ComboBox10, b.SpinEdit5,
         new QLabel("in the last ", b.RsiGroup), b.SpinEdit6, new QLabel("days", b.RsiGroup)});
    layout->addWidget(b.RsiGroup);

    b.VolumeGroup =
        NewFilterGroup(" Volume Filter ", b.CheckBox4, b.ComboBox15, 4, "Volume_Filter");
    b.CheckBox4->setText("Volume Filter");
    b.SpinEdit7 = Spin(kVolumeRange, 110, b.VolumeGroup);
    b.SpinEdit7->setSingleStep(1000);
    Row(static_cast<QVBoxLayout*>(b.VolumeGroup->layout()),
        {new QLabel("Find stock with average volume higher than", b.VolumeGroup), b.SpinEdit7});
    layout->addWidget(b.VolumeGroup);
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
