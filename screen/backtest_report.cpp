// Brevant Dira — a back-test's figures as text.
#include "screen/backtest_report.h"

#include <cmath>
#include <cstdio>

#include "screen/replace_file.h"
#include "store/stock_list.h"
#include "ta/day_date.h"

namespace brevant {
namespace {

std::string Printed(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string IsoDate(double day) {
    const CivilDate c = DecodeDate(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", c.year, c.month, c.day);
    return text;
}

std::string NameOf(const std::string& listText) {
    const std::size_t separator = listText.rfind(" , ");
    return separator == std::string::npos ? listText : listText.substr(0, separator);
}

} // namespace

std::string ReturnText(double fraction) {
    return std::isnan(fraction) ? "-" : Printed("%+.2f%%", fraction * 100);
}

std::string ShareText(double fraction) {
    return std::isnan(fraction) ? "-" : Printed("%.1f%%", fraction * 100);
}

std::string BacktestTable(const BacktestFigures& figures) {
    std::string text =
        "hold    picks      mean    median    rose     market      mean    median    rose\n";
    for (const HoldFigures& h : figures.holds) {
        char line[160];
        std::snprintf(line, sizeof line, "%4d %8ld %9s %9s %7s %10ld %9s %9s %7s\n", h.hold,
                      h.picks.count, ReturnText(h.picks.mean).c_str(),
                      ReturnText(h.picks.median).c_str(), ShareText(h.picks.roseShare).c_str(),
                      h.market.count, ReturnText(h.market.mean).c_str(),
                      ReturnText(h.market.median).c_str(), ShareText(h.market.roseShare).c_str());
        text += line;
    }
    return text;
}

void WriteBacktestCsv(const std::string& path, const BacktestFigures& figures,
                      const std::vector<int>& holds, const std::vector<std::string>& stockList) {
    std::string text = "date,symbol,name,close";
    for (int h : holds) text += ",return_" + std::to_string(h);
    text += "\n";
    for (const BacktestPick& pick : figures.picks) {
        const std::string& listText = stockList[static_cast<std::size_t>(pick.stock)];
        text += IsoDate(figures.days[static_cast<std::size_t>(pick.day)]);
        text += "," + CsvField(SymbolFromListText(listText));
        text += "," + CsvField(NameOf(listText));
        text += "," + Printed("%.7g", pick.close);
        for (double r : pick.returns) text += "," + (std::isnan(r) ? "" : Printed("%.6f", r));
        text += "\n";
    }
    WriteFileReplacing(path, text);
}

} // namespace brevant
