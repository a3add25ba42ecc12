// Brevant Dira — the quote rows of an import sent to the database.
#include "store/quote_rows.h"

#include "store/schema.h"

namespace brevant {

std::string QuoteRowsStatement(std::size_t rows) {
    std::string head = "EXECUTE BLOCK (";
    std::string body = " AS BEGIN";
    for (std::size_t r = 0; r < rows; ++r) {
        const std::string n = std::to_string(r);
        if (r > 0) head += ", ";
        // The parameters carry the columns' own types, so a value the table
        // refuses is refused here the same way.
        head += "S" + n + " VARCHAR(10) = ?, N" + n + " VARCHAR(55) = ?, D" + n + " DATE = ?, O" +
                n + " FLOAT = ?, H" + n + " FLOAT = ?, L" + n + " FLOAT = ?, C" + n +
                " FLOAT = ?, V" + n + " FLOAT = ?";
        body += " INSERT INTO DATATABLE VALUES (:S" + n + ", :N" + n + ", :D" + n + ", :O" + n +
                ", :H" + n + ", :L" + n + ", :C" + n + ", :V" + n + ");";
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
