// Brevant Dira — axis tickers with the chart's label rules.
#include "chart/render/label_ticker.h"

#include <cmath>

#include "chart/number_texts.h"
#include "ui/latin1.h"

namespace brevant {

LabelTicker::LabelTicker(char decimalSeparator, bool wholeSteps)
    : decimalSeparator_(decimalSeparator), wholeSteps_(wholeSteps) {}

QString LabelTicker::getTickLabel(double tick, const QLocale&, QChar, int) {
    const QString text = ui::FromLatin1(AxisNumberText(tick, decimalSeparator_));
    return relabel_ ? relabel_(text) : text;
}

double LabelTicker::getTickStep(const QCPRange& range) {
    const double step = QCPAxisTicker::getTickStep(range);
    return wholeSteps_ ? std::max(1.0, std::round(step)) : step;
}

} // namespace brevant
