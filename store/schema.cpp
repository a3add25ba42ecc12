// Brevant Dira — the database's tables and indexes.
#include "store/schema.h"

namespace brevant::schema {
namespace {

std::string Text(std::size_t width) {
    return "VARCHAR(" + std::to_string(width) + ")";
}

// The columns of each index of kQuoteIndexes, in the same order.
constexpr std::array<const char*, kQuoteIndexCount> kIndexColumns = {
    "SYMBOL,DATA,OPN,HIGH,LOW,CLS,VOL", "SYMBOL", "STOCK", "DATA"};

} // namespace

const std::array<Column, kQuoteColumnCount>& QuoteColumns() {
    static const std::array<Column, kQuoteColumnCount> columns = {{
        {"SYMBOL", Text(kSymbolWidth)},
        {"STOCK", Text(kStockNameWidth)},
        {"DATA", "DATE"},
        {"OPN", "FLOAT"},
        {"HIGH", "FLOAT"},
        {"LOW", "FLOAT"},
        {"CLS", "FLOAT"},
        {"VOL", "FLOAT"},
    }};
    return columns;
}

std::string CreateDataTable() {
    std::string columns;
    for (const Column& c : QuoteColumns())
        columns += (columns.empty() ? "" : ", ") + std::string(c.name) + " " + c.type;
    return "Create Table DATATABLE (" + columns + ")";
}

std::string CreateQuoteIndex(std::size_t index) {
    return std::string("Create INDEX ") + kQuoteIndexes.at(index) + " on DATATABLE (" +
           kIndexColumns.at(index) + ")";
}

std::string QuoteIndexList() {
    std::string list;
    for (const char* index : kQuoteIndexes)
        list += (list.empty() ? "('" : ", '") + std::string(index) + "'";
    return list + ")";
}

std::string CreateSplit() {
    return "Create Table SPLIT (SYMBOLA " + Text(kSymbolWidth) + ", STOCKA " +
           Text(kStockNameWidth) + ", DATAA DATE, ITEM FLOAT, ACTIONA VARCHAR(10))";
}

} // namespace brevant::schema
