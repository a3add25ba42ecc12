// Brevant Dira — keeping the axis labels of a small chart apart.
#include "chart/render/label_spacing.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include <QFontMetrics>
#include <qcustomplot.h>

#include "chart/render/label_ticker.h"

namespace brevant {
namespace {

// Pixels of paper between the ink of two labels side by side, and stacked.
constexpr int kSideGap = 4;
constexpr int kStackGap = 2;
// A step is tried at most this many times larger, as on a plot a few pixels wide.
constexpr int kMaxTries = 24;

bool SideBySideFit(QCPAxis& axis, LabelTicker& ticker, double step, double pixelsPerUnit) {
    const QFontMetrics metrics(axis.tickLabelFont());
    const QCPRange range = axis.range();
    const double spacing = step * pixelsPerUnit;
    double previousHalf = -1; // half the width of the label one step back; -1: none
    for (double k = std::ceil(range.lower / step); k * step <= range.upper; ++k) {
        const QString text = ticker.Label(k * step).trimmed();
        if (text.isEmpty()) {
            previousHalf = -1;
            continue;
        }
        const double half = metrics.horizontalAdvance(text) / 2.0;
        if (previousHalf >= 0 && previousHalf + half + kSideGap > spacing) return false;
        previousHalf = half;
    }
    return true;
}

// Stacked labels are numbers, abbreviated volumes or "None": the ink of
// those characters, not the line height, decides whether two of them meet.
bool StackedFit(QCPAxis& axis, double step, double pixelsPerUnit) {
    const QFontMetrics metrics(axis.tickLabelFont());
    const int ink = metrics.tightBoundingRect(QStringLiteral("0123456789.-KMBNone")).height();
    return step * pixelsPerUnit >= ink + kStackGap;
}

} // namespace

int PanelExtent(const QCPAxisRect& rect, bool horizontal) {
    const QRect r = rect.rect();
    const long long extent = horizontal ? 1LL + r.right() - r.left() : 1LL + r.bottom() - r.top();
    return extent > 0 ? static_cast<int>(std::min<long long>(extent, INT_MAX)) : 0;
}

double StepKeepingLabelsApart(QCPAxis& axis, LabelTicker& ticker) {
    const QCPRange range = axis.range();
    const bool horizontal = axis.orientation() == Qt::Horizontal;
    const int pixels = PanelExtent(*axis.axisRect(), horizontal);
    if (pixels < 2 || !(range.size() > 0) || !axis.visible() || !axis.tickLabels()) return 0;
    const double pixelsPerUnit = pixels / range.size();
    auto fits = [&](double step) {
        return horizontal ? SideBySideFit(axis, ticker, step, pixelsPerUnit)
                          : StackedFit(axis, step, pixelsPerUnit);
    };
    double step = ticker.NaturalStep(range);
    if (!(step > 0) || fits(step)) return 0;
    for (int i = 0; i < kMaxTries; ++i) {
        step = ticker.ReadableStepAtLeast(step * (1 + 1e-6));
        if (fits(step)) break;
    }
    return step;
}

} // namespace brevant
