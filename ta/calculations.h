// Brevant Dira — the fourteen indicator calculations.
#pragma once

#include "ta/indicator_params.h"
#include "ta/stock_bar.h"

namespace brevant {

// Every calculation follows one pattern:
// - it needs a minimum number of bars; on a shorter series it changes nothing
//   (Calcma alone still clears its three averages);
// - otherwise it sets its own output fields to 0.0 on every bar, then writes
//   values from its first computable bar on; earlier bars keep 0.0;
// - it touches no other field, so calculations may run in any order.
// Periods are at least 1 (the parameter reading falls back to the defaults);
// a calculation handed a smaller period changes nothing.
// Index 0 is the oldest bar; "last" below is bars.size() - 1.

// Simple moving averages of Close into MA1, MA2, MA3 (periods p1, p2, p3).
// Each average needs p + 1 bars and starts at bar p - 1; all three are reset
// first, also those that cannot be computed.
void Calcma(TBars& bars, int p1, int p2, int p3);

// MACD (fast f = MACD1, slow s = MACD2, signal g = MACD3); needs f + s + g + 3
// bars. MacdEma1 from bar f, MacdEma2 and MacdLine from bar max(f, s),
// MacdSignal and MacdHist from bar f + s + g. With f >= s the slow average is
// seeded at bar s - 1 but only advances once the fast one does.
void CalMACD(TBars& bars, const TIndicatorParams& p);

// Bollinger bands of period n and width k standard deviations (population);
// needs n + 1 bars, values from bar n - 1.
void CalBB(TBars& bars, int n, int k);

// Wilder RSI (period RSI); needs n + 3 bars. RsiAvgGain and RsiAvgLoss from bar
// n, RSI from bar n + 1. Only RSI is reset; the averages are overwritten from
// bar n on.
void CalRSI(TBars& bars, const TIndicatorParams& p);

// Commodity channel index (period CCI); needs n + 3 bars, values from bar n - 1.
void CalCCI(TBars& bars, const TIndicatorParams& p);

// Money flow index (period MFI); needs n + 3 bars, values from bar n.
void CalMFI(TBars& bars, const TIndicatorParams& p);

// Williams %R (period WR), -100 .. 0; needs n + 3 bars, values from bar n - 1.
void CalWR(TBars& bars, const TIndicatorParams& p);

// Rate of change in percent (period ROC) against the close n - 1 bars back;
// needs n + 2 bars, values from bar n - 1.
void CalROC(TBars& bars, const TIndicatorParams& p);

// Fast stochastic (look-back FSTOC1 = n, %D period FSTOC2 = m); needs
// n + m + 3 bars. FastK from bar n - 1, FastD from bar n + m - 2; SlowK and
// SlowD are cleared.
void CalStoc(TBars& bars, const TIndicatorParams& p);

// Slow stochastic (look-back SSTOC1 = n, %D period SSTOC2 = m, slowing fixed at
// 3 bars); needs n + m + 3 bars. FastK from bar n - 1, SlowK from bar n + 1,
// SlowD from bar n + m. FastD receives a copy of SlowK, replacing any fast %D.
void CalSStoc(TBars& bars, const TIndicatorParams& p);

// Wilder's directional movement system (period ADX); needs n + 6 bars.
// PlusDM, MinusDM, TrueRange from bar 1, PlusDI and MinusDI from bar 2, DX and
// ADX from bar 3; ADX starts from 0 at bar 2 (no averaged seed).
void CalADX(TBars& bars, const TIndicatorParams& p);

// Chaikin money flow (period CMF) with the accumulation/distribution line and
// its simple average of the same period; needs n + 3 bars. AccDist from bar 0,
// CMF and AccDistMA from bar n - 1.
void CalCMF(TBars& bars, const TIndicatorParams& p);

// On-balance volume and its 20-bar simple average; needs 23 bars. OBV from bar
// 0, ObvMA from bar 19. Only OBV is reset. A close that moves by 0.002 or less
// counts as unchanged.
void CalOBV(TBars& bars);

// Average true range (period ATR); needs n + 3 bars, values from bar n - 1.
void CalATR(TBars& bars, const TIndicatorParams& p);

} // namespace brevant
