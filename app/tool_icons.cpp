// Brevant Dira — the program's own small pictures: tool button icons, the window icon.
#include "app/tool_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace brevant {
namespace {

const QColor kNavy(0, 58, 117);
const QColor kTeal(0, 128, 128);

QIcon Draw(const std::function<void(QPainter&)>& paint) {
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    return QIcon(pixmap);
}

} // namespace

QIcon PrintIcon() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(kNavy, 1.2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 2.5, 9, 6));
        p.setBrush(QColor(190, 200, 215));
        p.drawRoundedRect(QRectF(2.5, 8.5, 15, 7), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 12.5, 9, 5));
        p.drawLine(QPointF(7, 15), QPointF(13, 15));
    });
}

QIcon CrossCursorIcon() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(kTeal, 2));
        p.drawLine(QPointF(10, 2), QPointF(10, 18));
        p.drawLine(QPointF(2, 10), QPointF(18, 10));
        p.setPen(QPen(kNavy, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(10, 10), 4, 4);
    });
}

QIcon UpdateDatabaseIcon() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(kNavy, 1.2));
        p.setBrush(QColor(255, 214, 102));
        p.drawRect(QRectF(3.5, 5, 11, 11));
        p.drawEllipse(QRectF(3.5, 13, 11, 5));
        p.drawEllipse(QRectF(3.5, 2.5, 11, 5));
        p.setPen(QPen(QColor(40, 140, 40), 2.2));
        p.drawLine(QPointF(16, 8), QPointF(16, 17));
        p.drawLine(QPointF(13, 14), QPointF(16, 17.5));
        p.drawLine(QPointF(19, 14), QPointF(16, 17.5));
    });
}

QIcon FilterDatabaseIcon() {
    return Draw([](QPainter& p) {
        QPainterPath funnel;
        funnel.moveTo(2.5, 3);
        funnel.lineTo(17.5, 3);
        funnel.lineTo(11.5, 10.5);
        funnel.lineTo(11.5, 17);
        funnel.lineTo(8.5, 15.5);
        funnel.lineTo(8.5, 10.5);
        funnel.closeSubpath();
        p.setPen(QPen(kNavy, 1.2));
        p.setBrush(QColor(120, 170, 220));
        p.drawPath(funnel);
    });
}

QIcon HelpIcon() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(kNavy, 1.2));
        p.setBrush(QColor(70, 130, 200));
        p.drawEllipse(QRectF(2, 2, 16, 16));
        QFont f("Sans");
        f.setBold(true);
        f.setPixelSize(13);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(2, 2, 16, 16), Qt::AlignCenter, "?");
    });
}

QIcon SearchIcon() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(kNavy, 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(3, 3, 9, 9));
        p.drawLine(QPointF(11, 11), QPointF(17, 17));
    });
}

QPixmap ApplicationPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 56, 113));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    // Four candles rising left to right; the last one green.
    const struct {
        double x, low, high, open, close;
    } candles[] = {
        {13, 44, 56, 52, 46}, {25, 34, 50, 46, 38}, {37, 26, 44, 40, 30}, {49, 10, 34, 30, 14}};
    for (const auto& c : candles) {
        p.setPen(QPen(Qt::white, 2));
        p.drawLine(QPointF(c.x, c.low), QPointF(c.x, c.high));
        p.setPen(Qt::NoPen);
        p.setBrush(c.x > 45 ? QColor(159, 204, 78) : QColor(235, 240, 248));
        p.drawRect(QRectF(c.x - 4, c.close, 8, c.open - c.close));
    }
    return pixmap;
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) icon.addPixmap(ApplicationPixmap(size));
    return icon;
}

} // namespace brevant
