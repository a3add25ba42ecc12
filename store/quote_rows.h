// Brevant Dira — the quote rows of an import sent to the database: on a local
// file one INSERT a row; through a server many rows a statement (an EXECUTE
// BLOCK with each row's values as parameters), as every statement is a round
// trip over the network and 175,000 of them would cost more than the rows.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "fbl/fbl.h"

namespace brevant {

// Rows a statement through a server: about 11 KB of parameters.
inline constexpr std::size_t kQuoteRowsPerStatement = 100;

class TQuoteRowWriter {
public:
    // Writes through `sql`, in its transaction.
    explicit TQuoteRowWriter(TFBLDsql& sql) : sql_(sql) {}

    // Starts a file's rows: `rowsPerStatement` 1 sends each row as it comes.
    // Drops whatever an earlier file left unsent.
    void Begin(std::size_t rowsPerStatement);
    // Symbol, stock name, day number, then open, high, low, close, volume.
    void Add(const std::string& symbol, const std::string& name, double date,
             const std::array<float, 5>& numbers);
    // Sends the rows still held; call before the transaction commits.
    void Flush();

private:
    struct Row {
        std::string symbol, name;
        double date;
        std::array<float, 5> numbers;
    };
    void Send(std::size_t count);

    TFBLDsql& sql_;
    std::size_t perStatement_ = 1;
    std::vector<Row> rows_;
};

// The EXECUTE BLOCK that inserts `rows` quote rows from its parameters (eight
// a row, in the table's column order).
std::string QuoteRowsStatement(std::size_t rows);

} // namespace brevant
