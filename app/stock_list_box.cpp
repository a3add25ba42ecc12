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
    connect(this, &QListWidget::itemClicked, this, &TStockListBox::ReportClick);
    connect(this, &QListWidget::itemDoubleClicked, this, &TStockListBox::ReportClick);
}

int TStockListBox::SelectedRow() const {
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? currentRow() : -1;
}

void TStockListBox::ReportClick() {
    clickReported_ = true;
    emit userSelected();
}

void TStockListBox::keyPressEvent(QKeyEvent* event) {
    const int before = SelectedRow();
    QListWidget::keyPressEvent(event);
    if (SelectedRow() != before && SelectedRow() >= 0) emit userSelected();
}

void TStockListBox::mousePressEvent(QMouseEvent* event) {
    rowAtPress_ = SelectedRow();
    clickReported_ = false;
    QListWidget::mousePressEvent(event);
}

// A press on one item and a release on another (a drag across the list)
// moves the selection without a click: it reports at the release, once.
void TStockListBox::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    if (!clickReported_ && SelectedRow() != rowAtPress_ && SelectedRow() >= 0) emit userSelected();
    clickReported_ = false;
    rowAtPress_ = SelectedRow();
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
