// Brevant Dira — the list of recorded split and dividend actions.
#include "store/ui/split_list_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "store/split_list.h"
#include "store/ui/store_host.h"
#include "ui/latin1.h"

namespace brevant {

TForm10::TForm10(TStoreHost& host, QWidget* parent) : QDialog(parent), host_(host) {
    setWindowTitle("Undo Stock Split/Dividend Adjustment");
    // No close box: the "Close" button ends the window.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(489, 438);
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(" Undo Stock Split ", this);
    auto* inner = new QVBoxLayout(group);
    auto* text = new QLabel(
        "Select an action (either Stock Split or Divident Adjustment) that you want to UNDO. ",
        group);
    text->setWordWrap(true);
    inner->addWidget(text);

    JvStringGrid1 = new QTableWidget(group);
    JvStringGrid1->setColumnCount(4);
    QFont small = JvStringGrid1->font();
    small.setPointSize(8);
    JvStringGrid1->setFont(small);
    JvStringGrid1->horizontalHeader()->setFont(small);
    JvStringGrid1->setWordWrap(false);
    JvStringGrid1->verticalHeader()->setVisible(false);
    JvStringGrid1->verticalHeader()->setDefaultSectionSize(17);
    JvStringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    JvStringGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    JvStringGrid1->horizontalHeader()->setHighlightSections(false);
    JvStringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    JvStringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    JvStringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    JvStringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    JvStringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    inner->addWidget(JvStringGrid1, 1);

    auto* buttons = new QHBoxLayout;
    Button1 = new QPushButton("Undo Split/Dividend Adjustment", group);
    Button1->setEnabled(false);
    Button2 = new QPushButton("Close", group);
    buttons->addWidget(Button1);
    buttons->addStretch(1);
    buttons->addWidget(Button2);
    inner->addLayout(buttons);
    layout->addWidget(group);
    connect(Button2, &QPushButton::clicked, this, &TForm10::Button2Click);
}

void TForm10::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TForm10::FormShow() {
    JvStringGrid1->clearContents();
    JvStringGrid1->setRowCount(0);
    const TSplitGridRow header = SplitGridHeader();
    QStringList labels;
    for (const std::string& h : header) labels << ui::FromLatin1(h);
    JvStringGrid1->setHorizontalHeaderLabels(labels);

    const std::vector<TSplitGridRow> rows = LoadSplitGrid(host_.Store(), host_.ProgramLocale());
    // The first row is the header, which the grid shows as its own header row.
    JvStringGrid1->setRowCount(int(rows.size()) - 1);
    for (std::size_t r = 1; r < rows.size(); ++r) {
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(ui::FromLatin1(rows[r][std::size_t(c)]));
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            JvStringGrid1->setItem(int(r) - 1, c, item);
        }
    }
    FitColumns();
}

void TForm10::FitColumns() {
    // Each column's starting width, widened where a date, symbol or action
    // would be cut; the full name takes what is left.
    const int widths[] = {71, 73, 216, 97};
    JvStringGrid1->resizeColumnsToContents();
    int fixed = 0;
    for (int c : {0, 1, 3}) {
        const int width = std::max(widths[c], JvStringGrid1->columnWidth(c) + 6);
        JvStringGrid1->setColumnWidth(c, width);
        fixed += width;
    }
    const int available = JvStringGrid1->viewport()->width() > 100
                              ? JvStringGrid1->viewport()->width()
                              : widths[0] + widths[1] + widths[2] + widths[3];
    JvStringGrid1->setColumnWidth(2, std::max(100, available - fixed));
}

void TForm10::Button2Click() {
    accept();
}

} // namespace brevant
