// Brevant Dira — the filter dialog's pages of disabled filters.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "screen/ui/filter_catalogue.h"
#include "screen/ui/filter_window.h"

namespace brevant {
namespace {

// The controls after a disabled filter's check box, as its row's tail lists them.
void AddTail(QHBoxLayout* row, const QString& tail, QWidget* parent) {
    for (const QString& part : tail.split('|', Qt::SkipEmptyParts)) {
        QWidget* w = nullptr;
        if (part == "#") {
            auto* spin = new QSpinBox(parent);
            spin->setRange(0, 1000000);
            spin->setValue(1);
            spin->setFixedWidth(44);
            w = spin;
        } else if (part.startsWith('@')) {
            auto* combo = new QComboBox(parent);
            combo->addItems(part.mid(1).split('/'));
            w = combo;
        } else {
            w = new QLabel(part, parent);
        }
        w->setEnabled(false);
        row->addWidget(w);
    }
}

} // namespace

void TForm2::setupCatalogue(QTabWidget* pages, const std::vector<CataloguePage>& catalogue) {
    for (const CataloguePage& page : catalogue) pages->addTab(NewCataloguePage(page), page.title);
}

QWidget* TForm2::NewCataloguePage(const CataloguePage& page) {
    auto* sheet = new QWidget;
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(6, 6, 6, 6);
    auto* group = new QGroupBox(page.group, sheet);
    groups_.insert(page.title, group);
    auto* rows = new QVBoxLayout(group);
    rows->setContentsMargins(10, 10, 8, 10);
    rows->setSpacing(14);
    for (const CatalogueRow& r : page.rows) {
        auto* row = new QHBoxLayout;
        row->setSpacing(4);
        auto* check = new QCheckBox(r.caption, group);
        check->setEnabled(false);
        row->addWidget(check);
        AddTail(row, r.tail, group);
        row->addStretch(1);
        // Help stays available: it describes what the filter will do.
        row->addWidget(NewHelpButton(r.button, r.topic, group));
        rows->addLayout(row);
    }
    rows->addStretch(1);
    layout->addWidget(group);
    return sheet;
}

} // namespace brevant
