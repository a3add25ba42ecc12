// Brevant Dira — reading every stock's history the way a screening run does:
// the stock list, then LoadDataForName for each stock inside one TR1
// transaction. Prints figures comparable with the engine's own read limit.
//
// usage: history_scan DB
#include <chrono>
#include <cstdio>

#include "store/bootstrap.h"
#include "store/price_history.h"
#include "store/stock_list.h"

namespace {
double Now() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}
} // namespace

int main(int argc, char** argv) {
    using namespace brevant;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DB\n", argv[0]);
        return 2;
    }
    TDataStore store;
    if (const OpenResult opened = CheckFirebird(store, argv[1], {}); !opened) {
        std::fprintf(stderr, "%s: %s\n", argv[1], opened.Message.c_str());
        return 1;
    }
    const double t0 = Now();
    TStockList list;
    TIndicatorParams params;
    LoadStockList(store, list, params, {});
    const double t1 = Now();

    long bars = 0;
    double checksum = 0;
    TBars series;
    store.TR1.StartTransaction();
    for (const TStockfull& stock : list.Stocks) {
        LoadDataForName(store, ListText(stock), false, series);
        bars += static_cast<long>(series.size());
        for (const TStockBar& b : series) checksum += b.Close;
    }
    store.TR1.Commit();
    const double t = Now() - t1;
    const double n = static_cast<double>(list.Stocks.size());
    std::printf("symbols=%zu list_seconds=%.3f bars=%ld seconds=%.3f ms_per_symbol=%.3f "
                "rows_per_s=%.0f checksum=%.0f\n",
                list.Stocks.size(), t1 - t0, bars, t, 1000 * t / n, bars / t, checksum);
    return 0;
}
