// Brevant Dira — a parsed screen formula: a list of distinct sub-expressions,
// each evaluated once per stock as a whole column over the stock's bars.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ta/stock_bar.h"

namespace brevant {

enum class FormulaOp : std::uint8_t {
    Number,    // value
    Price,     // field: Open, High, Low, Close or Volume
    Indicator, // indicator: an entry of FormulaIndicators(), with its periods
    Negate,
    Not,
    Abs,
    Add,
    Subtract,
    Multiply,
    Divide,
    Min,
    Max,
    Less,
    LessEqual,
    Greater,
    GreaterEqual,
    Equal,
    NotEqual,
    And,
    Or,
    CrossAbove,
    CrossBelow,
    LookBack, // a n bars ago
    Ma,       // the windowed functions, over a with window n
    Ema,
    Highest,
    Lowest,
    Sum,
};

struct FormulaNode {
    FormulaOp op = FormulaOp::Number;
    bool condition = false; // a true/false column rather than a number column
    int a = -1, b = -1;     // operands: indexes of earlier nodes
    int n = 0;              // look-back or window
    double value = 0;
    double TStockBar::*field = nullptr;
    int indicator = -1;
    // Periods given in brackets, in the calculation's parameter order; the
    // rest come from the settings at evaluation.
    std::array<int, 3> periods{};
    int periodCount = 0;
};

// Every operand comes before the node that uses it; equal sub-expressions
// appear once. `root` is the formula's condition.
struct Formula {
    std::string text;
    std::vector<FormulaNode> nodes;
    int root = -1;
};

// Parses `text`; throws FormulaError naming the first fault. Nothing of a
// faulty formula is kept. A screen's formula is a condition; with
// `condition` false it must be a number instead (a value to show or test).
std::shared_ptr<const Formula> ParseFormula(const std::string& text, bool condition = true);

} // namespace brevant
