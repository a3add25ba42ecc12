// Brevant Dira — an exchange caption that reports hovering and clicks.
#include "store/ui/exchange_label.h"

#include <QMouseEvent>

namespace brevant {

void TExchangeLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    emit mouseEntered();
}

void TExchangeLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    emit mouseLeft();
}

void TExchangeLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace brevant
