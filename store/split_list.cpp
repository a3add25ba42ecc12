// Brevant Dira — the list of recorded split and dividend actions.
#include "store/split_list.h"

#include <algorithm>
#include <charconv>
#include <system_error>

#include "store/transaction_guard.h"
#include "ta/text_format.h"

namespace brevant {

TSplitGridRow SplitGridHeader() {
    return {"EX Date", "Symbol", "Stock Full Name", "Action"};
}

std::string DividendAmountText(float item, char decimalSeparator) {
    std::string text = FloatToStr(item, decimalSeparator);
    const std::size_t point = text.find(decimalSeparator);
    if (point == std::string::npos) return text;
    // Keep an exponent: cutting it off would show another number.
    const std::size_t exponent = text.find('E');
    std::string suffix = exponent == std::string::npos ? "" : text.substr(exponent);
    const std::size_t digitsEnd = exponent == std::string::npos ? text.size() : exponent;
    return text.substr(0, std::min(digitsEnd, point + 4)) + suffix;
}

std::string SplitAmountText(float item) {
    // to_chars: the C library's numeric locale would write "2,1" under a
    // comma-decimal locale.
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, static_cast<double>(item),
                                         std::chars_format::fixed, 1);
    std::string text(buf, ec == std::errc() ? end : buf);
    const std::size_t point = text.find('.');
    if (point != std::string::npos) text[point] = ':';
    return text;
}

std::string ActionText(const std::string& action, float item, char decimalSeparator) {
    const std::string amount =
        action == "Split" ? SplitAmountText(item) : DividendAmountText(item, decimalSeparator);
    return action + " ( " + amount + " )";
}

std::vector<TSplitGridRow> LoadSplitGrid(TDataStore& store, const LocaleSettings& locale) {
    std::vector<TSplitGridRow> grid{SplitGridHeader()};
    store.TSplit.StartTransaction();
    TransactionGuard guard(store.TSplit);
    store.SQLSplit.SetSQL("SELECT COUNT(SYMBOLA) FROM SPLIT");
    store.SQLSplit.ExecSQL();
    store.SQLSplit.First();
    if (store.SQLSplit.FieldAsInteger(0) == 0) {
        grid.push_back({"", "", "No information available", ""});
        guard.Commit();
        return grid;
    }
    guard.Commit();

    store.TSplit.StartTransaction();
    store.SQLSplit.SetSQL(
        "SELECT SYMBOLA, STOCKA, DATAA, ITEM, ACTIONA FROM SPLIT ORDER BY DATAA DESC");
    store.SQLSplit.ExecSQL();
    store.SQLSplit.First();
    while (!store.SQLSplit.Eof()) {
        TFBLDsql& q = store.SQLSplit;
        grid.push_back(
            {FormatDateTime(locale.ShortDateFormat, q.FieldAsDateTime(2), locale),
             q.FieldAsString(0), q.FieldAsString(1),
             ActionText(q.FieldAsString(4), q.FieldAsFloat(3), locale.DecimalSeparator)});
        q.Next();
    }
    guard.Commit();
    return grid;
}

} // namespace brevant
