// Brevant Dira — the one error a formula can have: where, and what was expected.
#pragma once

#include <stdexcept>
#include <string>

namespace brevant {

// `position` counts characters from 1; the text reads
// "position P: expected WHAT, found WHAT".
class FormulaError : public std::runtime_error {
public:
    FormulaError(int position, const std::string& expected, const std::string& found);
    int Position() const { return position_; }

private:
    int position_;
};

} // namespace brevant
