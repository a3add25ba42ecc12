// Brevant Dira — what a stock's drawings add to a stock change: the window
// loads the stock's 350 newest days and, with them, its drawings (one bound
// query) and places them over the bars. Two stocks of 2,520 days each, one
// with 100 drawings (trend lines and levels), the other with none, shown in
// turn as a user clicking through the list shows them.
//
// usage: drawings_bench FOLDER [ROUNDS]   (a new database is made in FOLDER)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "chart/drawing_placement.h"
#include "store/bootstrap.h"
#include "store/drawings_table.h"
#include "store/price_history.h"
#include "store/quote_import.h"
#include "ta/day_date.h"

namespace {

using namespace brevant;
using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void WriteQuotes(const std::string& file) {
    std::ofstream out(file);
    int i = 0;
    for (double d = EncodeDate(2015, 1, 5); i < 2520; ++d) {
        if (DayOfTheWeek(d) > 5) continue;
        const CivilDate c = DecodeDate(d);
        char line[160];
        for (const char* stock : {"AAA,Alpha", "BBB,Beta"}) {
            const double close = 50 + (i % 97) * 0.25;
            std::snprintf(line, sizeof line, "%s,%02d%02d%04d,%.2f,%.2f,%.2f,%.2f,%d\n", stock,
                          c.day, c.month, c.year, close, close + 1, close - 1, close, 10000 + i);
            out << line;
        }
        ++i;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: drawings_bench FOLDER [ROUNDS]\n");
        return 2;
    }
    const std::string folder = argv[1];
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 200;
    const std::string db = folder + "/drawings_bench.bvd", quotes = folder + "/quotes.txt";
    std::remove(db.c_str());
    WriteQuotes(quotes);
    TDataStore store;
    if (!CheckFirebird(store, db, {})) return 1;
    TQuoteImport(store, '.').Run({quotes});
    for (int k = 0; k < 100; ++k) {
        const double day = EncodeDate(2020, 1, 6) + 7 * k;
        AddDrawing(store, "AAA",
                   k % 2 ? Drawing{0, DrawingKind::Trend, day, day + 200, 50.0 + k % 7, 60.0}
                         : Drawing{0, DrawingKind::Level, 0, 0, 55.0 + k % 9, 0});
    }
    std::vector<double> load, drawings, empty;
    std::size_t placed = 0;
    for (int r = 0; r < rounds; ++r) {
        for (const char* text : {"Alpha , AAA", "Beta , BBB"}) {
            TBars bars;
            const auto t0 = Clock::now();
            LoadDataForName(store, text, true, bars);
            const auto t1 = Clock::now();
            const Drawings stored = ReadDrawings(store, HistoryKey(text));
            placed += PlaceDrawings(stored, bars, BarPeriod::Daily).size();
            const auto t2 = Clock::now();
            if (text[0] == 'A') {
                load.push_back(Ms(t1 - t0));
                drawings.push_back(Ms(t2 - t1));
            } else {
                empty.push_back(Ms(t2 - t1));
            }
        }
    }
    store.DB1.Disconnect();
    std::remove(db.c_str());
    std::remove(quotes.c_str());
    std::printf("rounds %d, drawings placed %zu\n", rounds, placed);
    std::printf("stock change (350 days loaded): median %.3f ms\n", Median(load));
    std::printf("its 100 drawings read and placed: median %.3f ms, slowest %.3f ms\n",
                Median(drawings), *std::max_element(drawings.begin(), drawings.end()));
    std::printf("a stock without drawings: median %.3f ms\n", Median(empty));
    return 0;
}
