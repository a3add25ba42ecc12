// Brevant Dira — the chart's typeface.
#pragma once

#include <QFont>

namespace brevant {

// Verdana where it is installed, otherwise the closest sans-serif we know of
// (DejaVu Sans shares its wide, open letters).
QString ChartFontFamily();
QFont ChartFont(int pointSize = 8, bool bold = false);

} // namespace brevant
