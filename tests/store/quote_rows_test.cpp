// Brevant Dira — the quote rows an import sends many to a statement (as it
// does through a server) stored exactly as one row a statement stores them,
// here on the embedded engine.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cstdint>
#include <string>
#include <vector>

#include "quotes/quote_line.h"
#include "quotes/to_float.h"
#include "store/quote_rows.h"
#include "store/schema.h"
#include "support/db_fixture.h"
#include "ta/day_date.h"

namespace brevant {
namespace {

using testing::DatabaseTest;

// A stored row with its numbers as their bits.
struct StoredRow {
    std::string symbol, name;
    double date;
    std::vector<std::uint32_t> values;
    friend bool operator==(const StoredRow&, const StoredRow&) = default;
};

std::ostream& operator<<(std::ostream& out, const StoredRow& r) {
    out << r.symbol << "," << r.name << "," << r.date;
    for (std::uint32_t v : r.values) out << "," << std::hex << v << std::dec;
    return out;
}

// Values the columns must keep bit for bit: the import's stand-in for an
// unreadable number, the range's ends, subnormals, a negative zero, fractions
// no decimal text gives exactly, and a volume a float rounds.
const float kValues[] = {NarrowToFloat(kNotANumber),
                         FLT_MAX,
                         -FLT_MAX,
                         FLT_MIN,
                         FLT_TRUE_MIN,
                         -FLT_TRUE_MIN,
                         -0.0f,
                         0.0f,
                         1.0f / 3,
                         0.1f,
                         123456789.0f,
                         12.345f};
constexpr std::size_t kValueCount = std::size(kValues);

// Row `i` of a file: symbols and names of every length up to their widths,
// with 8-bit letters and the import's grave accents, and a date of its own
// (so that the rows can be ordered by it), some before 1900.
struct Row {
    std::string symbol, name;
    double date;
    std::array<float, 5> numbers;
};

Row MakeRow(std::size_t i) {
    Row row;
    row.symbol = std::string(1 + i % kSymbolWidth, static_cast<char>('A' + i % 26));
    row.name = "Caf\xe9 `" + std::to_string(i) + "` " + std::string(i % kStockNameWidth, 'n');
    row.name.resize(std::min(row.name.size(), kStockNameWidth));
    row.date = EncodeDate(1890, 1, 1) + static_cast<double>(i * 97);
    for (std::size_t v = 0; v < row.numbers.size(); ++v)
        row.numbers[v] = kValues[(i + v * 5) % kValueCount];
    return row;
}

class QuoteRowsTest : public DatabaseTest {
protected:
    // The rows of DATATABLE after `rows` rows went through the writer,
    // `perStatement` a statement, read in the same transaction, which is then
    // rolled back so that the table is empty again.
    std::vector<StoredRow> StoreAndRead(std::size_t rows, std::size_t perStatement) {
        store.tr3.StartTransaction();
        TQuoteRowWriter writer(store.sql3);
        writer.Begin(perStatement);
        for (std::size_t i = 0; i < rows; ++i) {
            const Row row = MakeRow(i);
            writer.Add(row.symbol, row.name, row.date, row.numbers);
        }
        writer.Flush();
        std::vector<StoredRow> stored = Read();
        store.tr3.Rollback();
        return stored;
    }

    std::vector<StoredRow> Read() {
        TFBLDsql& q = store.sql3;
        q.SetSQL("SELECT SYMBOL, STOCK, " + std::string(schema::kRowValues) +
                 " FROM DATATABLE ORDER BY DATA");
        q.ExecSQL();
        std::vector<StoredRow> rows;
        for (q.First(); !q.Eof(); q.Next()) {
            StoredRow r{q.FieldAsString(0), q.FieldAsString(1), q.FieldAsDateTime(2), {}};
            for (int c = 3; c < 8; ++c)
                r.values.push_back(std::bit_cast<std::uint32_t>(q.FieldAsFloat(c)));
            rows.push_back(std::move(r));
        }
        return rows;
    }
};

TEST_F(QuoteRowsTest, ManyRowsAStatementStoreWhatOneRowAStatementStores) {
    const struct {
        std::size_t perStatement, rows;
    } cases[] = {
        {2, 0},
        {2, 1},
        {2, 2},
        {2, 5},
        {7, 6},
        {7, 7},
        {7, 8},
        {7, 29},
        {kQuoteRowsPerStatement, 1},
        {kQuoteRowsPerStatement, 99},
        {kQuoteRowsPerStatement, 100},
        {kQuoteRowsPerStatement, 101},
        {kQuoteRowsPerStatement, 250},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.rows) + " rows, " + std::to_string(c.perStatement) +
                     " a statement");
        const std::vector<StoredRow> one = StoreAndRead(c.rows, 1);
        ASSERT_EQ(one.size(), c.rows);
        EXPECT_EQ(StoreAndRead(c.rows, c.perStatement), one);
    }
    // The reference itself keeps what it was given.
    const std::vector<StoredRow> one = StoreAndRead(kValueCount, 1);
    for (std::size_t i = 0; i < one.size(); ++i) {
        const Row row = MakeRow(i);
        EXPECT_EQ(one[i].symbol, row.symbol);
        EXPECT_EQ(one[i].name, row.name);
        EXPECT_EQ(one[i].date, row.date);
        for (std::size_t v = 0; v < row.numbers.size(); ++v)
            EXPECT_EQ(one[i].values[v], std::bit_cast<std::uint32_t>(row.numbers[v])) << i;
    }
}

TEST_F(QuoteRowsTest, RowsLeftUnsentByAnEarlierFileAreDropped) {
    store.tr3.StartTransaction();
    TQuoteRowWriter writer(store.sql3);
    writer.Begin(kQuoteRowsPerStatement);
    const Row first = MakeRow(1), second = MakeRow(2);
    writer.Add(first.symbol, first.name, first.date, first.numbers);
    writer.Begin(kQuoteRowsPerStatement);
    writer.Add(second.symbol, second.name, second.date, second.numbers);
    writer.Flush();
    const std::vector<StoredRow> stored = Read();
    store.tr3.Rollback();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].symbol, second.symbol);
}

TEST(QuoteRowsStatementTest, OneStatementInsertsEveryRowFromItsParameters) {
    const std::string sql = QuoteRowsStatement(3);
    EXPECT_EQ(std::count(sql.begin(), sql.end(), '?'), 24);
    std::size_t inserts = 0;
    for (std::size_t at = sql.find("INSERT INTO DATATABLE"); at != std::string::npos;
         at = sql.find("INSERT INTO DATATABLE", at + 1))
        ++inserts;
    EXPECT_EQ(inserts, 3u);
    // Each row's parameters carry the columns' declared types.
    EXPECT_NE(sql.find("S2 VARCHAR(10) = ?, N2 VARCHAR(55) = ?, D2 DATE = ?, O2 FLOAT = ?"),
              std::string::npos);
    EXPECT_NE(sql.find(":S2, :N2, :D2, :O2, :H2, :L2, :C2, :V2"), std::string::npos);
}

} // namespace
} // namespace brevant
