// Brevant Dira — a stock's daily rows as the quote columns hold them.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "ta/stock_bar.h"

namespace brevant {

// One day of one stock: its day number and the five FLOAT columns, 24 bytes
// against the 328 of a TStockBar. The floats are the columns' own values, so
// a bar expanded from them equals one loaded from the database.
struct CompactBar {
    std::int32_t day;
    float open, high, low, close, volume;
};

// Oldest first, one per day.
using CompactBars = std::vector<CompactBar>;

// Replaces `bars` by one bar per row, in the same order: Date, Open, High,
// Low, Close and Volume set, every other field 0.
void ExpandBars(std::span<const CompactBar> rows, TBars& bars);

// The same but for the other fields, which keep whatever `bars` held: for a
// caller that computes them again anyway, and would pay for clearing them.
void CopyPrices(std::span<const CompactBar> rows, TBars& bars);

// True when the two rows hold the same day and bit for bit the same values.
bool SameRow(const CompactBar& a, const CompactBar& b);

} // namespace brevant
