// Brevant Dira — the database's tables, indexes and default settings rows.
//
// The quote table is written here once: every statement that declares its
// columns' types or names its indexes (the bootstrap, the index switch, the
// import and its batched server insert, the cache fill) builds them from
// this header.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "quotes/quote_line.h"

namespace brevant::schema {

// --- The quote table DATATABLE ---

// A column of the quote table: its name and its declared type.
struct Column {
    const char* name;
    std::string type;
};

// The columns in the table's order: SYMBOL VARCHAR(kSymbolWidth),
// STOCK VARCHAR(kStockNameWidth), DATA DATE, then OPN, HIGH, LOW, CLS, VOL
// FLOAT. The text widths are the ones the quote readers cut to.
inline constexpr std::size_t kQuoteColumnCount = 8;
const std::array<Column, kQuoteColumnCount>& QuoteColumns();

// "Create Table DATATABLE (SYMBOL VARCHAR(10), STOCK VARCHAR(55), ...)".
std::string CreateDataTable();
inline constexpr const char* kInsertQuote = "INSERT INTO DATATABLE VALUES(?,?,?,?,?,?,?,?)";

// A stored row's date and five values, as the loader and the cache fill
// select them (in this order) and ReadQuoteRow reads them back.
inline constexpr const char* kRowValues = "DATA, OPN, HIGH, LOW, CLS, VOL";
inline constexpr int kRowValueCount = 6;

// The four indexes, in the order the bootstrap creates them. IDX0 covers
// (symbol, date, values), IDX1 the symbol: the cache fill reads its row and
// stock estimates from their statistics.
inline constexpr std::size_t kQuoteIndexCount = 4;
inline constexpr std::array<const char*, kQuoteIndexCount> kQuoteIndexes = {"IDX0", "IDX1", "IDX2",
                                                                            "IDX3"};
inline constexpr const char* kRowsIndex = kQuoteIndexes[0];
inline constexpr const char* kSymbolIndex = kQuoteIndexes[1];
// "Create INDEX IDX0 on DATATABLE (SYMBOL,DATA,OPN,HIGH,LOW,CLS,VOL)" and
// the others, by their position in kQuoteIndexes.
std::string CreateQuoteIndex(std::size_t index);
// "('IDX0', 'IDX1', 'IDX2', 'IDX3')": the names as a list for the catalogue
// queries.
std::string QuoteIndexList();

// --- The action and settings tables ---

std::string CreateSplit();
inline constexpr const char* kCreateIndicator =
    "Create Table INDICATOR (INDI VARCHAR(10), INDIVALUE VARCHAR(5))";
inline constexpr const char* kInsertIndicator = "INSERT INTO INDICATOR VALUES(?,?)";
inline constexpr const char* kSelectIndicator = "SELECT INDI, INDIVALUE FROM INDICATOR";
inline constexpr const char* kInsertSplit = "INSERT INTO SPLIT VALUES(?,?,?,?,?)";

inline constexpr int kPageSize = 4096;
inline constexpr int kDialect = 3;

} // namespace brevant::schema
