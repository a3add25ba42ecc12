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

    // The label text of a tick, as the axis will draw it.
    QString Label(double tick);

    // The step the ticker takes for `range` by itself, before any minimum.
    double NaturalStep(const QCPRange& range);
    // The smallest step the ticker may take; 0 lets it choose freely. A small
    // chart raises it so that the labels keep apart.
    void setMinimumStep(double step) { minimumStep_ = step; }
    double minimumStep() const { return minimumStep_; }
    // The first step of the readable series (1, 2, 2.5, 5 times a power of
    // ten; whole numbers on a bar axis) that is at least `step`.
    double ReadableStepAtLeast(double step) const;

    // On a logarithmic axis the ticks are round prices (LogScaleTicks), at
    // most tickCount() of them; steps and the minimum step do not apply.
    void setLogScale(bool on) { logScale_ = on; }
    bool logScale() const { return logScale_; }

protected:
    QString getTickLabel(double tick, const QLocale& locale, QChar formatChar,
                         int precision) override;
    double getTickStep(const QCPRange& range) override;
    QVector<double> createTickVector(double tickStep, const QCPRange& range) override;

private:
    char decimalSeparator_;
    bool wholeSteps_; // bar positions: never a step below one bar
    double minimumStep_ = 0;
    bool logScale_ = false;
    Relabel relabel_;
};

} // namespace brevant
