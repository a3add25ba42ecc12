// Brevant Dira — the header a chart picture carries above its panels.
#include "chart/render/chart_header.h"

#include <algorithm>
#include <cmath>

#include <QFontMetrics>
#include <qcustomplot.h>

#include "chart/render/chart_font.h"

namespace brevant {
namespace {

// Between the name and the values, and below the last row of values.
constexpr int kGap = 12;
constexpr int kBelowValues = 3;
constexpr int kRowGap = 1;
const QString kSeparator = QStringLiteral("   ");

QCPItemText* NewText(QCustomPlot& plot, const QFont& font, bool visible) {
    auto* item = new QCPItemText(&plot);
    item->setClipToAxisRect(false);
    item->setFont(font);
    item->position->setType(QCPItemPosition::ptAbsolute);
    item->setVisible(visible);
    return item;
}

int TextWidth(const QFontMetrics& metrics, const QString& text) {
    return metrics.boundingRect(0, 0, 0, 0, Qt::TextDontClip, text).width();
}

// Rows of pieces: the first row has `firstRoom` pixels, the others `room`;
// a piece wider than a whole row gets a row of its own. The first row may
// stay empty.
QList<QStringList> Flow(const QStringList& pieces, const QFontMetrics& metrics, int firstRoom,
                        int room) {
    QList<QStringList> rows(1);
    int left = firstRoom;
    for (const QString& piece : pieces) {
        QStringList& row = rows.back();
        const int width = TextWidth(metrics, row.isEmpty() ? piece : kSeparator + piece);
        if (width <= left || (row.isEmpty() && rows.size() > 1)) {
            row << piece;
            left -= width;
            continue;
        }
        rows.append(QStringList{piece});
        left = room - TextWidth(metrics, piece);
    }
    return rows;
}

} // namespace

ChartHeader::ChartHeader(QCustomPlot& plot, bool visible) {
    QFont nameFont(QStringLiteral("Arial"));
    nameFont.setPixelSize(13);
    nameFont.setBold(true);
    name_ = NewText(plot, nameFont, visible);
    name_->setPositionAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    values_ = NewText(plot, ChartFont(8), visible);
    values_->setPositionAlignment(Qt::AlignRight | Qt::AlignVCenter);
    below_ = NewText(plot, ChartFont(8), false);
    below_->setPositionAlignment(Qt::AlignRight | Qt::AlignTop);
    below_->setTextAlignment(Qt::AlignTop | Qt::AlignRight);
    visible_ = visible;
}

void ChartHeader::SetTexts(const QString& name, const QStringList& values) {
    nameText_ = name;
    valueTexts_ = values;
}

int ChartHeader::Place(int width, const QMargins& margins) {
    const double middle = margins.top() / 2.0;
    const int room = width - margins.left() - margins.right();
    const QFontMetrics nameMetrics(name_->font()), valueMetrics(values_->font());
    const QString oneRow = valueTexts_.join(kSeparator);
    name_->position->setCoords(margins.left(), middle);
    values_->position->setCoords(width - margins.right(), middle);
    below_->setVisible(false);

    const int nameWidth = TextWidth(nameMetrics, nameText_);
    if (nameWidth + kGap + TextWidth(valueMetrics, oneRow) <= room) {
        name_->setText(nameText_);
        values_->setText(oneRow);
        return margins.top();
    }

    const QString name = nameMetrics.elidedText(nameText_, Qt::ElideRight, std::max(room, 0));
    name_->setText(name);
    QList<QStringList> rows =
        Flow(valueTexts_, valueMetrics, room - TextWidth(nameMetrics, name) - kGap, room);
    values_->setText(rows.takeFirst().join(kSeparator));
    if (rows.isEmpty()) return margins.top();
    QStringList lines;
    for (const QStringList& row : rows) lines << row.join(kSeparator);
    const QString block = lines.join(QLatin1Char('\n'));
    // The further rows start under the name's row, whichever font is taller.
    const double top =
        middle + std::max(nameMetrics.height(), valueMetrics.height()) / 2.0 + kRowGap;
    below_->setText(block);
    below_->setVisible(visible_);
    below_->position->setCoords(width - margins.right(), top);
    const int height =
        valueMetrics.boundingRect(0, 0, 0, 0, Qt::TextDontClip | Qt::AlignRight, block).height();
    return std::max(margins.top(), int(std::ceil(top)) + height + kBelowValues);
}

} // namespace brevant
