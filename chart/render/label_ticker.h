// Brevant Dira — axis tickers whose label texts come from the chart's label
// rules rather than QCustomPlot's number format.
#pragma once

#include <functional>

#include <QString>
#include <qcustomplot.h>

namespace brevant {

// Formats each tick as "###0.###" and hands the text to `relabel`.
class LabelTicker : public QCPAxisTicker {
public:
    using Relabel = std::function<QString(const QString& text)>;
    LabelTicker(char decimalSeparator, bool wholeSteps);
    void setRelabel(Relabel relabel) { relabel_ = std::move(relabel); }
    void setDecimalSeparator(char separator) { decimalSeparator_ = separator; }

protected:
    QString getTickLabel(double tick, const QLocale& locale, QChar formatChar,
                         int precision) override;
    double getTickStep(const QCPRange& range) override;

private:
    char decimalSeparator_;
    bool wholeSteps_; // bar positions: never a step below one bar
    Relabel relabel_;
};

} // namespace brevant
