// Brevant Dira — the filter dialog's "Custom Filter" page: filters made to order.
#include "screen/ui/custom_filter_page.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <cstdlib>

#include "ui/product.h"

namespace brevant {
namespace {

// A funnel sifting a candle chart down to a few rising stocks.
QPixmap FunnelPicture() {
    QPixmap picture(150, 190);
    picture.fill(QColor(24, 43, 77));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);

    const int closes[] = {52, 46, 50, 40, 44, 34, 38, 28, 31, 22};
    for (int i = 0; i < 10; ++i) {
        const int x = 18 + i * 12;
        const int open = i == 0 ? 56 : closes[i - 1];
        const bool up = closes[i] < open;
        p.setPen(QColor(220, 220, 220));
        p.drawLine(x + 3, std::min(open, closes[i]) - 5, x + 3, std::max(open, closes[i]) + 5);
        p.fillRect(x, std::min(open, closes[i]), 7, std::max(2, std::abs(open - closes[i])),
                   up ? QColor(122, 200, 90) : QColor(214, 82, 72));
    }

    QPainterPath funnel;
    funnel.moveTo(14, 78);
    funnel.lineTo(136, 78);
    funnel.lineTo(86, 128);
    funnel.lineTo(86, 150);
    funnel.lineTo(64, 160);
    funnel.lineTo(64, 128);
    funnel.closeSubpath();
    p.setPen(QPen(QColor(255, 255, 255), 2));
    p.setBrush(QColor(159, 204, 78, 200));
    p.drawPath(funnel);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(122, 200, 90));
    for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(62 + i * 13, 176), 4.5, 4.5);
    return picture;
}

} // namespace

QWidget* NewCustomFilterPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(16, 16, 16, 16);
    row->setSpacing(18);
    auto* picture = new QLabel(page);
    picture->setObjectName("Image1");
    picture->setPixmap(FunnelPicture());
    picture->setAlignment(Qt::AlignTop);
    row->addWidget(picture, 0, Qt::AlignTop);

    const QString address = ui::kSupportAddress;
    auto* notice = new QLabel(page);
    notice->setObjectName("CustomFilterNotice");
    notice->setWordWrap(true);
    notice->setTextFormat(Qt::RichText);
    notice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    notice->setText(
        "<h3>Custom Filters</h3>"
        "<p>Looking for a signal that is not on these pages? We build filters to order: "
        "your own mix of indicators, a price pattern you trade, or a rule from your "
        "trading plan.</p>"
        "<p>Describe what the filter should find, on which bars and over how many days, "
        "and send it by e-mail to <b>" +
        address +
        "</b>. We answer with a quote and, "
        "once agreed, deliver the filter as an update of your copy of Brevant Dira.</p>");
    row->addWidget(notice, 1, Qt::AlignTop);
    return page;
}

} // namespace brevant
