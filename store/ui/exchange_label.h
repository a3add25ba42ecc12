// Brevant Dira — an exchange caption that reports hovering and clicks.
#pragma once

#include <QLabel>

namespace brevant {

class TExchangeLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void mouseEntered();
    void mouseLeft();
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace brevant
