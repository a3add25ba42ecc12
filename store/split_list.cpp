// Brevant Dira — the list of recorded split and dividend actions.
#include "store/split_list.h"

#include <charconv>
#include <system_error>

#include "store/transaction_guard.h"
#include "ta/text_format.h"

namespace brevant {
namespace {

constexpr std::size_t kDividendDecimals = 3;

} // namespace

TSplitGridRow SplitGridHeader() {
    return {"EX Date", "Symbol", "Stock Full Name", "Action"};
}

std::string DividendAmountText(float item, char decimalSeparator) {
    const std::string text = FloatToStr(item, decimalSeparator);
    const std::size_t point = text.find(decimalSeparator);
    if (point == std::string::npos) return text;
    const std::size_t exponentAt = text.find('E');
    const std::size_t digitsEnd = exponentAt == std::string::npos ? text.size() : exponentAt;
    if (digitsEnd - point - 1 <= kDividendDecimals) return text;

    // Rounded half away from zero on the decimal text users would read, so
    // 0.35 (0.349999994...) shows 0.350 and 0.0625 shows 0.063.
    const std::size_t signLength = text.front() == '-' ? 1 : 0;
    std::string digits =
        text.substr(signLength, point - signLength) + text.substr(point + 1, kDividendDecimals);
    if (text[point + 1 + kDividendDecimals] >= '5') {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
        if (i == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[i - 1];
    }
    std::string whole = digits.substr(0, digits.size() - kDividendDecimals);
    std::string fraction = digits.substr(digits.size() - kDividendDecimals);
    std::string exponent = exponentAt == std::string::npos ? "" : text.substr(exponentAt);
    if (!exponent.empty() && whole.size() > 1) {
        // 9.9996E-7 became 10.000E-7: one digit before the separator again.
        int power = 0;
        std::from_chars(exponent.data() + 1, exponent.data() + exponent.size(), power);
        fraction = (whole.substr(1) + fraction).substr(0, kDividendDecimals);
        whole.resize(1);
        exponent = "E" + std::to_string(power + 1);
    }
    return text.substr(0, signLength) + whole + decimalSeparator + fraction + exponent;
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
