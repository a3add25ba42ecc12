// Brevant Dira — quote files with chosen closes, for the screening window tests.
#pragma once

#include <QDate>
#include <string>
#include <vector>

namespace brevant::testing {

// `from` to `to` in n even steps.
inline std::vector<double> Line(double from, double to, int n) {
    std::vector<double> v;
    for (int i = 0; i < n; ++i) v.push_back(from + (to - from) * i / (n - 1));
    return v;
}

// 60 closes rising faster and faster: the MACD line stays clearly above its
// signal line, so there is no buy signal.
inline std::vector<double> Rising(double from) {
    std::vector<double> v;
    for (int i = 0; i < 60; ++i) v.push_back(from + i * i / 60.0);
    return v;
}

// A fall growing steeper, then a jump on the last bar: the MACD line, clearly
// below its signal line the bar before, crosses above it.
inline std::vector<double> BuySignal() {
    std::vector<double> v;
    for (int i = 0; i < 59; ++i) v.push_back(100 - i * i / 60.0);
    v.push_back(80);
    return v;
}

// One quote line per close, on consecutive weekdays from 1 March 2024, with
// the same volume every day.
inline std::string QuoteLines(const std::string& symbol, const std::string& name,
                              const std::vector<double>& closes, int volume = 5000) {
    std::string text;
    QDate day(2024, 3, 1);
    for (double c : closes) {
        while (day.dayOfWeek() > 5) day = day.addDays(1);
        const std::string close = std::to_string(c);
        text += symbol + "," + name + "," + day.toString("ddMMyyyy").toStdString() + "," + close +
                "," + std::to_string(c + 1) + "," + std::to_string(c - 1) + "," + close + "," +
                std::to_string(volume) + "\n";
        day = day.addDays(1);
    }
    return text;
}

} // namespace brevant::testing
