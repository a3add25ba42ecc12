// Brevant Dira — the quote rows of an import sent to the database.
#include "store/quote_rows.h"

#include "store/schema.h"

namespace brevant {

namespace {

// The parameter of each column of the quote table is named by this letter
// and the row's number.
constexpr std::array<char, schema::kQuoteColumnCount> kParameterLetters = {'S', 'N', 'D', 'O',
                                                                           'H', 'L', 'C', 'V'};

} // namespace

std::string QuoteRowsStatement(std::size_t rows) {
    const auto& columns = schema::QuoteColumns();
    std::string head = "EXECUTE BLOCK (";
    std::string body = " AS BEGIN";
    for (std::size_t r = 0; r < rows; ++r) {
        const std::string n = std::to_string(r);
        if (r > 0) head += ", ";
        body += " INSERT INTO DATATABLE VALUES (";
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const std::string name = kParameterLetters[c] + n;
            // The parameters carry the columns' own types, so a value the
            // table refuses is refused here the same way.
            head += (c > 0 ? ", " : "") + name + " " + columns[c].type + " = ?";
            body += (c > 0 ? ", :" : ":") + name;
        }
        body += ");";
    }
    return head + ")" + body + " END";
}

void TQuoteRowWriter::Begin(std::size_t rowsPerStatement) {
    perStatement_ = rowsPerStatement < 1 ? 1 : rowsPerStatement;
    rows_.clear();
    rows_.reserve(perStatement_);
}

void TQuoteRowWriter::Add(const std::string& symbol, const std::string& name, double date,
                          const std::array<float, 5>& numbers) {
    rows_.push_back({symbol, name, date, numbers});
    if (rows_.size() >= perStatement_) Send(rows_.size());
}

void TQuoteRowWriter::Flush() {
    if (!rows_.empty()) Send(rows_.size());
}

void TQuoteRowWriter::Send(std::size_t count) {
    // Setting the text the statement holds keeps it prepared: a file's full
    // statements are prepared once.
    sql_.SetSQL(count == 1 && perStatement_ == 1 ? std::string(schema::kInsertQuote)
                                                 : QuoteRowsStatement(count));
    sql_.Prepare();
    int p = 0;
    for (std::size_t r = 0; r < count; ++r) {
        const Row& row = rows_[r];
        sql_.ParamAsString(p++, row.symbol);
        sql_.ParamAsString(p++, row.name);
        sql_.ParamAsDateTime(p++, row.date);
        for (float value : row.numbers) sql_.ParamAsFloat(p++, value);
    }
    rows_.clear();
    sql_.ExecSQL();
}

} // namespace brevant
