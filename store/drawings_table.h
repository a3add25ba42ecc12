// Brevant Dira — the drawings on each stock's chart: a table of our own
// beside the quote tables, so that they survive a restart and every desktop
// sharing a server database sees the same lines.
#pragma once

#include <string>

#include "store/data_store.h"
#include "ta/drawing.h"

namespace brevant {

// Created by the bootstrap when missing. A level leaves DAY1 and DAY2 empty
// and PRICE2 0.
inline constexpr const char* kCreateDrawings =
    "CREATE TABLE DRAWING (ID INTEGER NOT NULL PRIMARY KEY, SYMBOL VARCHAR(10) NOT NULL, "
    "KIND VARCHAR(5) NOT NULL, DAY1 DATE, PRICE1 DOUBLE PRECISION NOT NULL, DAY2 DATE, "
    "PRICE2 DOUBLE PRECISION NOT NULL)";
inline constexpr const char* kDrawingsTable = "DRAWING";

// Each runs in a transaction of its own on DB1 and commits; a database error
// rolls it back and propagates. `symbol` is the stock's symbol as the quote
// table keeps it.

// The stock's drawings, by id (the order they were drawn in). A row of a
// kind the program does not know is left out.
Drawings ReadDrawings(TDataStore& store, const std::string& symbol);
// Stores a new drawing of the stock and returns its id (one more than the
// highest so far). Throws std::invalid_argument for a drawing that cannot be
// shown (a price not above 0, a trend line without two days), storing
// nothing.
int AddDrawing(TDataStore& store, const std::string& symbol, const Drawing& drawing);
// Deletes the stock's drawing `id`; false when it has none of that id.
bool DeleteDrawing(TDataStore& store, const std::string& symbol, int id);
// Whether the quote table has a row of the stock.
bool StockHasQuotes(TDataStore& store, const std::string& symbol);
// Deletes every drawing of the stock; returns how many there were.
int DeleteDrawings(TDataStore& store, const std::string& symbol);

} // namespace brevant
