// Brevant Dira — the pictures of the splash and the about box, drawn by the program.
#include "app/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <vector>

#include "app/tool_icons.h"
#include "app/version.h"

namespace brevant {
namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 250;

void PaintField(QPainter& p) {
    QLinearGradient sky(0, 0, kWidth, kHeight);
    sky.setColorAt(0, QColor(0, 40, 84));
    sky.setColorAt(1, QColor(0, 96, 112));
    p.fillRect(0, 0, kWidth, kHeight, sky);
    p.setPen(QPen(QColor(255, 255, 255, 28), 1));
    for (int y = 30; y < kHeight; y += 30) p.drawLine(0, y, kWidth, y);
    for (int x = 40; x < kWidth; x += 40) p.drawLine(x, 0, x, kHeight);
}

// A made-up price path: a gentle rise with some swing, drawn as candles
// filling `area`.
void PaintCandles(QPainter& p, QRectF area, int count, int alpha) {
    struct Candle {
        double open, high, low, close;
    };
    std::vector<Candle> candles;
    double close = 1.0;
    double lowest = 1e9, highest = -1e9;
    for (int i = 0; i < count; ++i) {
        const double open = close;
        close = open + 0.02 + 0.05 * std::sin(i * 1.7) * std::cos(i * 0.6);
        const double high = std::max(open, close) + 0.03 + 0.02 * std::fabs(std::sin(i * 2.3));
        const double low = std::min(open, close) - 0.03 - 0.02 * std::fabs(std::cos(i * 1.1));
        candles.push_back({open, high, low, close});
        lowest = std::min(lowest, low);
        highest = std::max(highest, high);
    }
    const double step = area.width() / count;
    auto y = [&](double v) {
        return area.bottom() - (v - lowest) / (highest - lowest) * area.height();
    };
    for (int i = 0; i < count; ++i) {
        const Candle& c = candles[std::size_t(i)];
        const double x = area.left() + (i + 0.5) * step;
        p.setPen(QPen(QColor(255, 255, 255, alpha), 1));
        p.drawLine(QPointF(x, y(c.low)), QPointF(x, y(c.high)));
        p.setPen(Qt::NoPen);
        p.setBrush(c.close >= c.open ? QColor(159, 204, 78, alpha) : QColor(230, 90, 80, alpha));
        const double top = y(std::max(c.open, c.close));
        p.drawRect(QRectF(x - step * 0.3, top, step * 0.6,
                          std::max(1.5, y(std::min(c.open, c.close)) - top)));
    }
}

} // namespace

QPixmap SplashPicture() {
    QPixmap pixmap(kWidth, kHeight);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    PaintField(p);
    PaintCandles(p, QRectF(250, 14, 140, 84), 14, 200);
    p.drawPixmap(22, 38, ApplicationPixmap(56));
    QFont title("DejaVu Sans");
    title.setBold(true);
    title.setPixelSize(30);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(20, 100, 260, 40), Qt::AlignLeft | Qt::AlignVCenter, "Brevant Dira");
    QFont line("DejaVu Sans");
    line.setPixelSize(12);
    p.setFont(line);
    p.setPen(QColor(220, 232, 244));
    p.drawText(QRectF(22, 140, 260, 20), Qt::AlignLeft, "End-of-day technical analysis");
    p.drawText(QRectF(22, 158, 260, 20), Qt::AlignLeft, QString("Version ") + kVersion);
    return pixmap;
}

QPixmap AboutPicture() {
    QPixmap pixmap(kWidth, kHeight);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    PaintField(p);
    PaintCandles(p, QRectF(14, 60, 130, 140), 12, 220);
    p.drawPixmap(40, 14, ApplicationPixmap(40));
    return pixmap;
}

} // namespace brevant
