// Brevant Dira — the column left of the chart: detail panel, stock lists, search box.
#include "app/side_pane.h"

#include <QResizeEvent>

namespace brevant {

TSidePane::TSidePane(QWidget* panel, QWidget* pages, QWidget* searchRow, QWidget* parent)
    : QWidget(parent), panel_(panel), pages_(pages), searchRow_(searchRow) {
    for (QWidget* w : {panel_, pages_, searchRow_}) w->setParent(this);
    setMinimumWidth(kWidth);
    panel_->setGeometry(0, 0, kWidth, kPanelHeight);
    pages_->setGeometry(0, kPanelHeight, kWidth, kListsHeight);
    panel_->installEventFilter(this);
}

bool TSidePane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == panel_ && event->type() == QEvent::Resize) {
        const int grown = panel_->height() - panelHeight_;
        panelHeight_ = panel_->height();
        // A hidden panel takes no room; showing it moves the pages by its height.
        if (grown != 0 && !panel_->isHidden()) {
            QRect pages = pages_->geometry();
            pages.setTop(pages.top() + grown);
            pages_->setGeometry(pages);
        }
    }
    return QWidget::eventFilter(watched, event);
}

QSize TSidePane::sizeHint() const {
    // A valid size: the splitter would otherwise take the column's current
    // width as the width it wants.
    return {kWidth, kPanelHeight + kListsHeight + kSearchHeight};
}

void TSidePane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int h = event->size().height();
    const int oldH = event->oldSize().height();
    // Anchored to the bottom: keep the gap the page control had before the resize.
    if (oldH > 0) pagesBottomGap_ = oldH - pages_->geometry().bottom() - 1;
    const int w = event->size().width();
    const QRect pages = pages_->geometry();
    pages_->setGeometry(pages.x(), pages.y(), w, std::max(0, h - pages.y() - pagesBottomGap_));
    searchRow_->setGeometry(0, h - kSearchHeight + 2, w, kSearchHeight - 2);
}

} // namespace brevant
