// Brevant Dira — the "Date Range" dialog.
#include "chart/ui/date_range_window.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/help_router.h"
#include "ui/user_interface.h"

namespace brevant {
namespace {

// Day 0 of the program's day numbers.
const QDate kDayZero(1899, 12, 30);

QDateEdit* DateEdit(QWidget* parent) {
    auto* edit = new QDateEdit(parent);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat("dd.MM.yyyy");
    edit->setMinimumDate(QDate(1900, 1, 1));
    edit->setMaximumDate(QDate(9999, 12, 31));
    return edit;
}

} // namespace

TDateRangeWindow::TDateRangeWindow(const QString& helpFile, QWidget* parent)
    : QDialog(parent), helpFile_(helpFile) {
    setWindowTitle("Date Range");
    auto* column = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    DateEdit1 = DateEdit(this);
    DateEdit2 = DateEdit(this);
    form->addRow("From:", DateEdit1);
    form->addRow("To:", DateEdit2);
    column->addLayout(form);
    auto* buttons = new QHBoxLayout;
    Button1 = new QPushButton("OK", this);
    Button2 = new QPushButton("Cancel", this);
    Button3 = new QPushButton("Help", this);
    Button1->setDefault(true);
    buttons->addStretch(1);
    for (QPushButton* b : {Button1, Button2, Button3}) buttons->addWidget(b);
    column->addLayout(buttons);
    connect(Button1, &QPushButton::clicked, this, &TDateRangeWindow::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button3, &QPushButton::clicked, this, &TDateRangeWindow::Button3Click);
}

void TDateRangeWindow::SetRange(double from, double to) {
    DateEdit1->setDate(kDayZero.addDays(qint64(from)));
    DateEdit2->setDate(kDayZero.addDays(qint64(to)));
}

double TDateRangeWindow::From() const {
    return double(kDayZero.daysTo(DateEdit1->date()));
}

double TDateRangeWindow::To() const {
    return double(kDayZero.daysTo(DateEdit2->date()));
}

void TDateRangeWindow::Button1Click() {
    if (From() > To()) {
        ui::Ui().ShowMessage(this, "The first day of the range is after its last day.");
        return;
    }
    accept();
}

void TDateRangeWindow::Button3Click() {
    ui::HelpJump(helpFile_, kHelpTopic);
}

} // namespace brevant
