// Brevant Dira — the valid range of each stored indicator period, and the
// checks that changing them goes through (the periods dialog and the command
// line alike).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ta/indicator_params.h"

namespace brevant {

struct IndicatorRange {
    int minimum = 3;
    int maximum = 100;
};

// MACD2 from 4 (the slow average is longer than the shortest fast one),
// every other period from 3, all to 100: the ranges the setting dialog's
// spin edits have.
IndicatorRange RangeOfIndicatorParam(std::string_view key);

// The key of that exact name (case-sensitive, as the table keys them);
// nullptr for a name that is none of the fifteen.
const IndicatorParamKey* FindIndicatorParamKey(std::string_view key);

// Why `params` cannot be stored: the first period outside its range, said
// as "RSI must be from 3 to 100, not 2"; empty when every one is in range.
std::string IndicatorParamsError(const TIndicatorParams& params);

// Applies words "NAME=VALUE" to `params`, all or none: on the first word
// that is not of that form, names no period, or gives a value that is not a
// whole number in its range, returns what is wrong and leaves `params` as
// it was. Empty when every word was applied.
std::string ApplyIndicatorSettings(const std::vector<std::string>& words, TIndicatorParams& params);

} // namespace brevant
