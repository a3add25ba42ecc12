// Brevant Dira — loading stocks' whole histories the way the chart asks for
// one: ReadWholeHistory (every stored day and the splits, a read-only
// transaction of its own) and the bars made of it, split-adjusted, for each
// of the first N stocks of the list. Prints the time per stock and what a
// history holds in memory, beside the 350-day loader's figure for the same
// stocks. With STRIDE, every STRIDE-th stock of the list: a day's rows of all
// stocks lie together in the quote table, so neighbours in the list share
// pages and warm each other's reads, which a user going from one stock to a
// far one does not get.
//
// usage: whole_history_bench DB [N [STRIDE]]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "store/bootstrap.h"
#include "store/price_history.h"
#include "store/stock_list.h"
#include "store/whole_history.h"

namespace {
double Now() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}
} // namespace

int main(int argc, char** argv) {
    using namespace brevant;
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: %s DB [N [STRIDE]]\n", argv[0]);
        return 2;
    }
    const std::size_t wanted = argc >= 3 ? std::strtoul(argv[2], nullptr, 10) : 100;
    const std::size_t stride = argc == 4 ? std::max(1UL, std::strtoul(argv[3], nullptr, 10)) : 1;
    TDataStore store;
    if (const OpenResult opened = CheckFirebird(store, argv[1], {}); !opened) {
        std::fprintf(stderr, "%s: %s\n", argv[1], opened.Message.c_str());
        return 1;
    }
    TStockList list;
    TIndicatorParams params;
    LoadStockList(store, list, params, {});
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < list.Stocks.size() && texts.size() < wanted; i += stride)
        texts.push_back(ListText(list.Stocks[i]));
    if (texts.empty()) return 1;

    double slowest = 0, rowBytes = 0, barBytes = 0;
    long days = 0;
    TBars bars;
    const double t0 = Now();
    for (const std::string& text : texts) {
        const double s = Now();
        const WholeHistory history = ReadWholeHistory(store, text);
        HistoryBars(history, true, bars);
        slowest = std::max(slowest, Now() - s);
        days += static_cast<long>(history.rows.size());
        rowBytes = std::max(rowBytes, double(history.rows.capacity() * sizeof(CompactBar)));
        barBytes = std::max(barBytes, double(bars.capacity() * sizeof(TStockBar)));
    }
    const double whole = Now() - t0;

    const double t1 = Now();
    for (const std::string& text : texts) LoadDataForName(store, text, true, bars);
    const double recent = Now() - t1;
    const double n = double(texts.size());
    std::printf("stocks=%zu days_per_stock=%.0f whole_ms_per_stock=%.3f slowest_ms=%.3f "
                "recent_ms_per_stock=%.3f row_bytes=%.0f bar_bytes=%.0f\n",
                texts.size(), days / n, 1000 * whole / n, 1000 * slowest, 1000 * recent / n,
                rowBytes, barBytes);
    return 0;
}
