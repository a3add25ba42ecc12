// Brevant Dira — the chart's typeface.
#include "chart/render/chart_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace brevant {

QString ChartFontFamily() {
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const char* name : {"Verdana", "DejaVu Sans", "Bitstream Vera Sans"})
            if (installed.contains(QString::fromLatin1(name))) return QString::fromLatin1(name);
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

QFont ChartFont(int pointSize, bool bold) {
    QFont font(ChartFontFamily(), pointSize);
    font.setBold(bold);
    return font;
}

} // namespace brevant
