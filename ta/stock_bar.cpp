// Brevant Dira — the field table of the bar record.
#include "stock_bar.h"

#include <cstddef>

namespace brevant {

#define BREVANT_FIELD(f)                                                                           \
    StockBarField {                                                                                \
#f, &TStockBar::f                                                                          \
    }
const std::array<StockBarField, kStockBarFieldCount> kStockBarFields = {{
    BREVANT_FIELD(Close),      BREVANT_FIELD(Volume),     BREVANT_FIELD(Open),
    BREVANT_FIELD(High),       BREVANT_FIELD(Low),        BREVANT_FIELD(MA1),
    BREVANT_FIELD(MA2),        BREVANT_FIELD(MA3),        BREVANT_FIELD(MacdEma1),
    BREVANT_FIELD(MacdEma2),   BREVANT_FIELD(MacdSignal), BREVANT_FIELD(MacdLine),
    BREVANT_FIELD(RSI),        BREVANT_FIELD(MacdHist),   BREVANT_FIELD(RsiAvgGain),
    BREVANT_FIELD(RsiAvgLoss), BREVANT_FIELD(CCI),        BREVANT_FIELD(MFI),
    BREVANT_FIELD(WR),         BREVANT_FIELD(Date),       BREVANT_FIELD(PlusDM),
    BREVANT_FIELD(MinusDM),    BREVANT_FIELD(TrueRange),  BREVANT_FIELD(PlusDI),
    BREVANT_FIELD(MinusDI),    BREVANT_FIELD(DX),         BREVANT_FIELD(ADX),
    BREVANT_FIELD(SlowK),      BREVANT_FIELD(SlowD),      BREVANT_FIELD(FastK),
    BREVANT_FIELD(FastD),      BREVANT_FIELD(AccDist),    BREVANT_FIELD(AccDistMA),
    BREVANT_FIELD(CMF),        BREVANT_FIELD(ROC),        BREVANT_FIELD(OBV),
    BREVANT_FIELD(ObvMA),      BREVANT_FIELD(ATR),        BREVANT_FIELD(BBUpper),
    BREVANT_FIELD(BBMiddle),   BREVANT_FIELD(BBLower),
}};
#undef BREVANT_FIELD

// The record layout is fixed: check a few anchors of the order at compile time.
#define BREVANT_AT(f, i) static_assert(offsetof(TStockBar, f) == (i) * sizeof(double), #f)
BREVANT_AT(Close, 0);
BREVANT_AT(Volume, 1);
BREVANT_AT(Low, 4);
BREVANT_AT(MA1, 5);
BREVANT_AT(MacdEma1, 8);
BREVANT_AT(MacdLine, 11);
BREVANT_AT(RSI, 12);
BREVANT_AT(MacdHist, 13);
BREVANT_AT(CCI, 16);
BREVANT_AT(WR, 18);
BREVANT_AT(Date, 19);
BREVANT_AT(PlusDM, 20);
BREVANT_AT(ADX, 26);
BREVANT_AT(SlowK, 27);
BREVANT_AT(FastD, 30);
BREVANT_AT(AccDist, 31);
BREVANT_AT(CMF, 33);
BREVANT_AT(ROC, 34);
BREVANT_AT(OBV, 35);
BREVANT_AT(ATR, 37);
BREVANT_AT(BBUpper, 38);
BREVANT_AT(BBLower, 40);
#undef BREVANT_AT

} // namespace brevant
