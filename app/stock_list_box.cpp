// Brevant Dira — a stock list that reports user selections and shows long texts as hints.
#include "app/stock_list_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>

namespace brevant {

TStockListBox::TStockListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    // Long texts show whole as hints instead.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setMouseTracking(true);
    QFont f = font();
    f.setPointSize(10);
    setFont(f);
    hintTimer_.setSingleShot(true);
    hintTimer_.setInterval(kHintPauseMs);
    connect(&hintTimer_, &QTimer::timeout, this, &TStockListBox::ShowHint);
    connect(this, &QListWidget::itemClicked, this, &TStockListBox::userSelected);
    connect(this, &QListWidget::itemDoubleClicked, this, &TStockListBox::userSelected);
}

void TStockListBox::keyPressEvent(QKeyEvent* event) {
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentItem() && currentItem()->isSelected()) emit userSelected();
}

void TStockListBox::mouseMoveEvent(QMouseEvent* event) {
    QListWidget::mouseMoveEvent(event);
    hintPos_ = event->position().toPoint();
    hintTimer_.start();
}

void TStockListBox::leaveEvent(QEvent* event) {
    QListWidget::leaveEvent(event);
    hintTimer_.stop();
}

void TStockListBox::ShowHint() {
    const QListWidgetItem* item = itemAt(hintPos_);
    if (!item) {
        QToolTip::hideText();
        return;
    }
    const QRect rect = visualItemRect(item);
    if (fontMetrics().horizontalAdvance(item->text()) <= viewport()->width() - 4) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(viewport()->mapToGlobal(rect.topLeft()), item->text(), viewport(), rect,
                       kHintHideMs);
}

} // namespace brevant
