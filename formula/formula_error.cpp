// Brevant Dira — the one error a formula can have.
#include "formula/formula_error.h"

namespace brevant {

FormulaError::FormulaError(int position, const std::string& expected, const std::string& found)
    : std::runtime_error("position " + std::to_string(position) + ": expected " + expected +
                         ", found " + found),
      position_(position) {}

} // namespace brevant
