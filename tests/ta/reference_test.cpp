// The windowed calculations against plain textbook references on random
// series: same values to the last bit, same first bars, for many periods.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>
#include <vector>

#include "calc_test_support.h"

using namespace brevant;
using namespace brevant::testing;
using S = TStockBar;
using Series = std::vector<double>;

namespace {

// Mean of x[t - n + 1 .. t] for t >= n - 1, 0 before.
Series Sma(const Series& x, int n) {
    Series out(x.size(), 0.0);
    for (std::size_t t = n - 1; t < x.size(); ++t)
        out[t] = std::accumulate(x.begin() + (t + 1 - n), x.begin() + (t + 1), 0.0) / n;
    return out;
}

double Ema(double previous, double value, int n) {
    return (value - previous) * 2 / (n + 1.0) + previous;
}

void ExpectColumn(const TBars& bars, BarField field, const Series& expected) {
    ASSERT_EQ(bars.size(), expected.size());
    for (std::size_t t = 0; t < bars.size(); ++t)
        ASSERT_EQ(bars[t].*field, expected[t]) << FieldName(field) << "[" << t << "]";
}

const int kPeriods[] = {1, 2, 3, 7, 14, 20};
constexpr std::size_t kLength = 90;
constexpr unsigned kSeeds = 12;

template <class Check> void ForSeriesAndPeriods(Check check) {
    for (unsigned seed = 1; seed <= kSeeds; ++seed)
        for (int n : kPeriods) {
            SCOPED_TRACE("seed " + std::to_string(seed) + ", period " + std::to_string(n));
            check(RandomBars(kLength, 100 + seed), n);
        }
}

} // namespace

TEST(Reference, SimpleMovingAverage) {
    ForSeriesAndPeriods([](TBars bars, int n) {
        Calcma(bars, n, n + 1, 200);
        const Series close = Column(bars, &S::Close);
        ExpectColumn(bars, &S::MA1, Sma(close, n));
        ExpectColumn(bars, &S::MA2, Sma(close, n + 1));
        ExpectColumn(bars, &S::MA3, Series(bars.size(), 0.0));
    });
}

TEST(Reference, BollingerBands) {
    ForSeriesAndPeriods([](TBars bars, int n) {
        CalBB(bars, n, 3);
        const Series close = Column(bars, &S::Close);
        const Series mid = Sma(close, n);
        Series upper(bars.size(), 0.0), lower(bars.size(), 0.0);
        for (std::size_t t = n - 1; t < bars.size(); ++t) {
            double squares = 0;
            for (std::size_t k = t + 1 - n; k <= t; ++k)
                squares += (close[k] - mid[t]) * (close[k] - mid[t]);
            const double dev = std::sqrt(squares / n) * 3;
            upper[t] = mid[t] + dev;
            lower[t] = mid[t] - dev;
        }
        ExpectColumn(bars, &S::BBMiddle, mid);
        ExpectColumn(bars, &S::BBUpper, upper);
        ExpectColumn(bars, &S::BBLower, lower);
    });
}

TEST(Reference, CommodityChannelIndex) {
    ForSeriesAndPeriods([](TBars bars, int n) {
        CalCCI(bars, {.CCI = n});
        Series tp, cci(bars.size(), 0.0);
        for (const S& b : bars) tp.push_back((b.Close + b.High + b.Low) / 3);
        const Series sma = Sma(tp, n);
        for (std::size_t t = n - 1; t < bars.size(); ++t) {
            double deviation = 0;
            for (std::size_t k = t + 1 - n; k <= t; ++k) deviation += std::fabs(tp[k] - sma[t]);
            const double md = deviation / n;
            cci[t] = md == 0 ? 0 : (tp[t] - sma[t]) / (0.015 * md);
        }
        ExpectColumn(bars, &S::CCI, cci);
    });
}

TEST(Reference, MoneyFlowIndex) {
    ForSeriesAndPeriods([](TBars bars, int n) {
        CalMFI(bars, {.MFI = n});
        Series tp, mfi(bars.size(), 0.0);
        for (const S& b : bars) tp.push_back((b.Close + b.High + b.Low) / 3);
        for (std::size_t t = n; t < bars.size(); ++t) {
            double up = 0, down = 0;
            for (std::size_t k = t + 1 - n; k <= t; ++k) {
                if (tp[k] >= tp[k - 1]) up += tp[k] * bars[k].Volume;
                if (tp[k] <= tp[k - 1]) down += tp[k] * bars[k].Volume;
            }
            mfi[t] = down == 0 ? 100 : 100 - 100 / (1 + up / down);
        }
        ExpectColumn(bars, &S::MFI, mfi);
    });
}

namespace {
double Highest(const Series& high, std::size_t t, int n) {
    return *std::max_element(high.begin() + (t + 1 - n), high.begin() + (t + 1));
}
double Lowest(const Series& low, std::size_t t, int n) {
    return *std::min_element(low.begin() + (t + 1 - n), low.begin() + (t + 1));
}
Series RawK(const TBars& bars, int n) {
    const Series high = Column(bars, &S::High), low = Column(bars, &S::Low);
    Series k(bars.size(), 0.0);
    for (std::size_t t = n - 1; t < bars.size(); ++t) {
        const double hh = Highest(high, t, n), ll = Lowest(low, t, n);
        k[t] = hh == ll ? 0 : (bars[t].Close - ll) / (hh - ll) * 100;
    }
    return k;
}
// Mean of x[t], x[t - 1], ..., x[t - m + 1] (newest first) for t >= first.
Series NewestFirstMean(const Series& x, int m, std::size_t first) {
    Series out(x.size(), 0.0);
    for (std::size_t t = first; t < x.size(); ++t)
        out[t] = std::accumulate(x.rbegin() + (x.size() - 1 - t),
                                 x.rbegin() + (x.size() - 1 - t + m), 0.0) /
                 m;
    return out;
}
} // namespace

TEST(Reference, WilliamsPercentR) {
    ForSeriesAndPeriods([](TBars bars, int n) {
        CalWR(bars, {.WR = n});
        const Series high = Column(bars, &S::High), low = Column(bars, &S::Low);
        Series wr(bars.size(), 0.0);
        for (std::size_t t = n - 1; t < bars.size(); ++t) {
            const double hh = Highest(high, t, n), ll = Lowest(low, t, n);
            wr[t] = hh == ll ? -100 : (hh - bars[t].Close) / (hh - ll) * -100;
        }
        ExpectColumn(bars, &S::WR, wr);
    });
}

TEST(Reference, FastStochastic) {
    ForSeriesAndPeriods([](TBars bars, int n) {
        for (int m : {1, 3, 5}) {
            CalStoc(bars, {.FSTOC1 = n, .FSTOC2 = m});
            const Series k = RawK(bars, n);
            ExpectColumn(bars, &S::FastK, k);
            ExpectColumn(bars, &S::FastD, NewestFirstMean(k, m, n + m - 2));
        }
    });
}

TEST(Reference, SlowStochastic) {
    ForSeriesAndPeriods([](TBars bars, int n) {
        for (int m : {1, 3, 5}) {
            CalSStoc(bars, {.SSTOC1 = n, .SSTOC2 = m});
            const Series k = RawK(bars, n);
            const Series slowK = NewestFirstMean(k, 3, n + 1);
            ExpectColumn(bars, &S::FastK, k);
            ExpectColumn(bars, &S::SlowK, slowK);
            ExpectColumn(bars, &S::FastD, slowK);
            ExpectColumn(bars, &S::SlowD, NewestFirstMean(slowK, m, n + m));
        }
    });
}

TEST(Reference, ChaikinMoneyFlow) {
    ForSeriesAndPeriods([](TBars bars, int n) {
        // Some bars without a range: no flow, volume still counts.
        for (std::size_t i = 5; i < bars.size(); i += 7) bars[i].High = bars[i].Low = bars[i].Close;
        CalCMF(bars, {.CMF = n});
        Series flow, accDist, cmf(bars.size(), 0.0);
        for (const S& b : bars) {
            const double range = b.High - b.Low;
            flow.push_back(
                range == 0 ? 0 : ((b.Close - b.Low) - (b.High - b.Close)) * b.Volume / range);
            accDist.push_back(accDist.empty() ? flow.back()
                              : range == 0    ? accDist.back()
                                              : accDist.back() + flow.back());
        }
        const Series volume = Column(bars, &S::Volume);
        for (std::size_t t = n - 1; t < bars.size(); ++t) {
            const double flows =
                std::accumulate(flow.begin() + (t + 1 - n), flow.begin() + (t + 1), 0.0);
            const double volumes =
                std::accumulate(volume.begin() + (t + 1 - n), volume.begin() + (t + 1), 0.0);
            cmf[t] = volumes == 0 ? 0 : flows / volumes;
        }
        ExpectColumn(bars, &S::CMF, cmf);
        ExpectColumn(bars, &S::AccDist, accDist);
        ExpectColumn(bars, &S::AccDistMA, Sma(accDist, n));
    });
}

TEST(Reference, OnBalanceVolumeAverage) {
    for (unsigned seed = 1; seed <= kSeeds; ++seed) {
        SCOPED_TRACE(seed);
        TBars bars = RandomBars(kLength, 200 + seed);
        CalOBV(bars);
        Series obv{bars[0].Volume};
        for (std::size_t k = 1; k < bars.size(); ++k) {
            const double d = bars[k].Close - bars[k - 1].Close;
            obv.push_back(obv.back() + (d > 0.002    ? bars[k].Volume
                                        : d < -0.002 ? -bars[k].Volume
                                                     : 0));
        }
        ExpectColumn(bars, &S::OBV, obv);
        ExpectColumn(bars, &S::ObvMA, Sma(obv, 20));
    }
}

// The usual MACD: each average seeded with the simple mean of its first
// period, the signal seeded with the mean of the first f + g lines.
TEST(Reference, Macd) {
    const int pairs[][3] = {{12, 26, 9}, {3, 10, 4}, {1, 2, 1}, {5, 6, 1}, {8, 17, 9}};
    for (unsigned seed = 1; seed <= kSeeds; ++seed)
        for (const auto& fsg : pairs) {
            const int f = fsg[0], s = fsg[1], g = fsg[2];
            SCOPED_TRACE("seed " + std::to_string(seed) + ", " + std::to_string(f) + "/" +
                         std::to_string(s) + "/" + std::to_string(g));
            TBars bars = RandomBars(kLength, 300 + seed);
            CalMACD(bars, {.MACD1 = f, .MACD2 = s, .MACD3 = g});
            const Series close = Column(bars, &S::Close);
            const std::size_t e = f + s + g;
            Series fast(close.size(), 0.0), slow(close.size(), 0.0), line(close.size(), 0.0),
                signal(close.size(), 0.0), hist(close.size(), 0.0);
            double fe = Sma(close, f)[f - 1], se = Sma(close, s)[s - 1], sig = 0;
            for (std::size_t t = f; t < close.size(); ++t) fast[t] = fe = Ema(fe, close[t], f);
            for (std::size_t t = s; t < close.size(); ++t) {
                slow[t] = se = Ema(se, close[t], s);
                line[t] = fast[t] - slow[t];
            }
            sig = std::accumulate(line.begin() + s, line.begin() + e, 0.0) / (f + g);
            for (std::size_t t = e; t < close.size(); ++t) {
                signal[t] = sig = Ema(sig, line[t], g);
                hist[t] = line[t] - signal[t];
            }
            ExpectColumn(bars, &S::MacdEma1, fast);
            ExpectColumn(bars, &S::MacdEma2, slow);
            ExpectColumn(bars, &S::MacdLine, line);
            ExpectColumn(bars, &S::MacdSignal, signal);
            ExpectColumn(bars, &S::MacdHist, hist);
        }
}

TEST(Reference, RateOfChange) {
    ForSeriesAndPeriods([](TBars bars, int n) {
        CalROC(bars, {.ROC = n});
        Series roc(bars.size(), 0.0);
        for (std::size_t t = n - 1; t < bars.size(); ++t) {
            const double ref = bars[t + 1 - n].Close;
            roc[t] = (bars[t].Close - ref) / ref * 100;
        }
        ExpectColumn(bars, &S::ROC, roc);
    });
}

// Wilder's averages: seeded with the plain mean, then
// ((n - 1) * previous + current) / n.
TEST(Reference, RelativeStrengthIndex) {
    ForSeriesAndPeriods([](TBars bars, int n) {
        CalRSI(bars, {.RSI = n});
        Series gain(bars.size(), 0.0), loss(bars.size(), 0.0), rsi(bars.size(), 0.0);
        for (std::size_t c = 1; c < bars.size(); ++c) {
            const double d = bars[c].Close - bars[c - 1].Close;
            gain[c] = std::max(d, 0.0);
            loss[c] = std::max(-d, 0.0);
        }
        double avgGain = std::accumulate(gain.begin() + 1, gain.begin() + n + 1, 0.0) / n;
        double avgLoss = std::accumulate(loss.begin() + 1, loss.begin() + n + 1, 0.0) / n;
        EXPECT_EQ(bars[n].RsiAvgGain, avgGain);
        EXPECT_EQ(bars[n].RsiAvgLoss, avgLoss);
        for (std::size_t c = n + 1; c < bars.size(); ++c) {
            avgGain = ((n - 1) * avgGain + gain[c]) / n;
            avgLoss = ((n - 1) * avgLoss + loss[c]) / n;
            const double rs = avgGain / avgLoss;
            rsi[c] = avgLoss <= 0.001 || rs > 1000 ? 100 : 100 - 100 / (1 + rs);
        }
        ExpectColumn(bars, &S::RSI, rsi);
    });
}

TEST(Reference, AverageTrueRange) {
    ForSeriesAndPeriods([](TBars bars, int n) {
        CalATR(bars, {.ATR = n});
        Series tr{bars[0].High - bars[0].Low}, atr(bars.size(), 0.0);
        for (std::size_t i = 1; i < bars.size(); ++i)
            tr.push_back(
                std::max({bars[i].High - bars[i].Low, std::fabs(bars[i].High - bars[i - 1].Close),
                          std::fabs(bars[i].Low - bars[i - 1].Close)}));
        atr[n - 1] = std::accumulate(tr.begin(), tr.begin() + n, 0.0) / n;
        for (std::size_t i = n; i < bars.size(); ++i) atr[i] = ((n - 1) * atr[i - 1] + tr[i]) / n;
        ExpectColumn(bars, &S::ATR, atr);
    });
}

// Smoothed sums: previous * (n - 1) / n + current; ADX grows from 0 at bar 2.
TEST(Reference, DirectionalMovement) {
    ForSeriesAndPeriods([](TBars bars, int n) {
        CalADX(bars, {.ADX = n});
        double plusDM = 0, minusDM = 0, range = 0, adx = 0;
        for (std::size_t i = 1; i < bars.size(); ++i) {
            SCOPED_TRACE("bar " + std::to_string(i));
            const S &b = bars[i], &prev = bars[i - 1];
            const double up = std::max(b.High - prev.High, 0.0);
            const double down = std::max(prev.Low - b.Low, 0.0);
            const double plus = up > down ? up : 0, minus = up > down ? 0 : down;
            const double tr = std::max(
                {b.High - b.Low, std::fabs(b.High - prev.Close), std::fabs(b.Low - prev.Close)});
            plusDM = i == 1 ? plus : plusDM * (n - 1) / n + plus;
            minusDM = i == 1 ? minus : minusDM * (n - 1) / n + minus;
            range = i == 1 ? tr : range * (n - 1) / n + tr;
            ASSERT_EQ(b.PlusDM, plusDM);
            ASSERT_EQ(b.MinusDM, minusDM);
            ASSERT_EQ(b.TrueRange, range);
            if (i == 1) continue;
            const double plusDI = plusDM / range * 100, minusDI = minusDM / range * 100;
            ASSERT_EQ(b.PlusDI, plusDI);
            ASSERT_EQ(b.MinusDI, minusDI);
            if (i == 2) continue;
            const double sum = plusDI + minusDI;
            const double dx = sum == 0 ? 0 : std::fabs(plusDI - minusDI) / sum * 100;
            adx = ((n - 1) * adx + dx) / n;
            ASSERT_EQ(b.DX, dx);
            ASSERT_EQ(b.ADX, adx);
        }
    });
}
