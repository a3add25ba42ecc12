// Brevant Dira — one bar of a price series with a slot for every indicator value.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace brevant {

// One trading period (a day, or a week or month after aggregation).
// 41 consecutive doubles in a fixed order: the field order is the record's
// identity (the command line prints it, the readout addresses fields by name).
// 0.0 in an indicator field means no value was computed for that bar.
struct TStockBar {
    double Close = 0, Volume = 0, Open = 0, High = 0, Low = 0;
    double MA1 = 0, MA2 = 0, MA3 = 0;
    double MacdEma1 = 0, MacdEma2 = 0, MacdSignal = 0, MacdLine = 0;
    double RSI = 0;
    double MacdHist = 0;
    double RsiAvgGain = 0, RsiAvgLoss = 0;
    double CCI = 0, MFI = 0, WR = 0;
    double Date = 0; // day number, see day_date.h
    double PlusDM = 0, MinusDM = 0, TrueRange = 0, PlusDI = 0, MinusDI = 0, DX = 0, ADX = 0;
    double SlowK = 0, SlowD = 0, FastK = 0, FastD = 0;
    double AccDist = 0, AccDistMA = 0, CMF = 0;
    double ROC = 0;
    double OBV = 0, ObvMA = 0;
    double ATR = 0;
    double BBUpper = 0, BBMiddle = 0, BBLower = 0;
};

constexpr std::size_t kStockBarFieldCount = 41;
static_assert(sizeof(TStockBar) == kStockBarFieldCount * sizeof(double),
              "TStockBar must be 41 packed doubles");

// Index 0 is the oldest bar; dates strictly increase with the index.
using TBars = std::vector<TStockBar>;

// The fields in record order, with their names; used by the command line and
// by code that addresses fields generically.
struct StockBarField {
    std::string_view name;
    double TStockBar::*member;
};
extern const std::array<StockBarField, kStockBarFieldCount> kStockBarFields;

} // namespace brevant
