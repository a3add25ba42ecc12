// Brevant Dira — the manual split and dividend entry, shown but not active.
#include "store/ui/split_entry_window.h"

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace brevant {
namespace {

QComboBox* StockChoice(QWidget* parent, int visibleLines) {
    auto* combo = new QComboBox(parent);
    combo->addItem("Select your stock");
    combo->setCurrentIndex(0);
    combo->setMaxVisibleItems(visibleLines);
    combo->setEnabled(false);
    return combo;
}

QDateEdit* DatePicker(QWidget* parent) {
    auto* picker = new QDateEdit(QDate::currentDate(), parent);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat("dd.MM.yyyy");
    picker->setEnabled(false);
    return picker;
}

QLabel* Text(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
}

} // namespace

TForm9::TForm9(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Manage Stock Split/Dividend");
    // No close box: "Cancel" ends the window.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* layout = new QVBoxLayout(this);
    setupSplitGroup();
    setupDividendGroup();
    auto* note =
        new QLabel("Only one action can be done at one time, either Perform Split or Adjust for "
                   "Dividend",
                   this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* buttons = new QHBoxLayout;
    Button1 = new QPushButton("Perform Stock Split", this);
    Button2 = new QPushButton("Adjust for Dividend", this);
    Button3 = new QPushButton("Cancel", this);
    Button1->setEnabled(false);
    Button2->setEnabled(false);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addStretch(1);
    buttons->addWidget(Button3);
    layout->addLayout(buttons);
    connect(Button3, &QPushButton::clicked, this, &TForm9::Button3Click);
    // The designed size, or as much more as the font in use needs: a size
    // fixed without regard to the font clipped the steps' texts.
    setFixedSize(sizeHint().expandedTo(QSize(405, 474)));
}

void TForm9::setupSplitGroup() {
    auto* group = new QGroupBox(" Do Manual Stock Split ", this);
    auto* box = new QVBoxLayout(group);
    box->setSpacing(3);
    box->addWidget(Text("Step 1: Select the stock that you want to perform Stock Split", group));
    ComboBox1 = StockChoice(group, 12);
    box->addWidget(ComboBox1);
    box->addWidget(Text("Step 2: Choose the Effective Date (also known as the 'Ex Date')", group));
    JvDateTimePicker1 = DatePicker(group);
    box->addWidget(JvDateTimePicker1, 0, Qt::AlignLeft);
    box->addWidget(Text("The Ex Date refers to the date when the stock will start trading at a "
                        "new, \nadjusted price. This date does not refer to the Announce Date.",
                        group));
    box->addWidget(Text("Step 3: Set the split ratio", group));
    auto* ratio = new QHBoxLayout;
    JvSpinEdit1 = new QSpinBox(group);
    JvSpinEdit1->setRange(1, 1000);
    JvSpinEdit2 = new QSpinBox(group);
    JvSpinEdit2->setRange(1, 9);
    for (QSpinBox* spin : {JvSpinEdit1, JvSpinEdit2}) {
        spin->setValue(1);
        spin->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
        spin->setEnabled(false);
    }
    ratio->addWidget(JvSpinEdit1);
    ratio->addWidget(Text(":", group));
    ratio->addWidget(JvSpinEdit2);
    ratio->addStretch(1);
    box->addLayout(ratio);
    box->addWidget(Text("Split ratio of 2:1 means that for every 1 old stock you have, \nyou will "
                        "get 2 new stock, at half of the price of the old stock.",
                        group));
    layout()->addWidget(group);
}

void TForm9::setupDividendGroup() {
    auto* group = new QGroupBox(" Do Manual Dividend Payout Adjustment ", this);
    auto* box = new QVBoxLayout(group);
    box->setSpacing(3);
    box->addWidget(
        Text("Step 1: Select the stock that you want to perform Dividend Adjustment", group));
    ComboBox2 = StockChoice(group, 9);
    box->addWidget(ComboBox2);
    box->addWidget(Text("Step 2: Choose the Effective Date (also known as the 'Ex Date')", group));
    JvDateTimePicker3 = DatePicker(group);
    box->addWidget(JvDateTimePicker3, 0, Qt::AlignLeft);
    box->addWidget(Text("The Ex Date refers to the date when the Dividend payout will be "
                        "effective\nThis date does not refer to the Announce Date or Payable Date.",
                        group));
    box->addWidget(Text("Step 3: Enter the Dividend value", group));
    JvSpinEdit4 = new QDoubleSpinBox(group);
    JvSpinEdit4->setDecimals(3);
    JvSpinEdit4->setRange(0.001, 1000);
    JvSpinEdit4->setValue(0.001);
    JvSpinEdit4->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    JvSpinEdit4->setEnabled(false);
    box->addWidget(JvSpinEdit4, 0, Qt::AlignLeft);
    layout()->addWidget(group);
}

void TForm9::Button3Click() {
    reject();
}

} // namespace brevant
