// Brevant Dira — axis tickers with the chart's label rules.
#include "chart/render/label_ticker.h"

#include <cmath>

#include "chart/number_texts.h"
#include "chart/price_scale.h"
#include "ui/latin1.h"

namespace brevant {

LabelTicker::LabelTicker(char decimalSeparator, bool wholeSteps)
    : decimalSeparator_(decimalSeparator), wholeSteps_(wholeSteps) {}

QString LabelTicker::Label(double tick) {
    const QString text = ui::FromLatin1(AxisNumberText(tick, decimalSeparator_));
    return relabel_ ? relabel_(text) : text;
}

QString LabelTicker::getTickLabel(double tick, const QLocale&, QChar, int) {
    return Label(tick);
}

double LabelTicker::NaturalStep(const QCPRange& range) {
    const double step = QCPAxisTicker::getTickStep(range);
    return wholeSteps_ ? std::max(1.0, std::round(step)) : step;
}

double LabelTicker::ReadableStepAtLeast(double step) const {
    if (!(step > 0) || !std::isfinite(step)) return wholeSteps_ ? 1.0 : step;
    const double magnitude = std::pow(10.0, std::floor(std::log10(step)));
    double readable = 10 * magnitude;
    for (double mantissa : {1.0, 2.0, 2.5, 5.0})
        if (mantissa * magnitude >= step * (1 - 1e-9)) {
            readable = mantissa * magnitude;
            break;
        }
    return wholeSteps_ ? std::max(1.0, std::ceil(readable)) : readable;
}

double LabelTicker::getTickStep(const QCPRange& range) {
    const double step = NaturalStep(range);
    return step < minimumStep_ ? ReadableStepAtLeast(minimumStep_) : step;
}

QVector<double> LabelTicker::createTickVector(double tickStep, const QCPRange& range) {
    if (!logScale_) return QCPAxisTicker::createTickVector(tickStep, range);
    const std::vector<double> ticks = LogScaleTicks(range.lower, range.upper, tickCount());
    return QVector<double>(ticks.begin(), ticks.end());
}

} // namespace brevant
