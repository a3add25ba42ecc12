// Brevant Dira — screening runs in one process, as a session runs them: the
// stock list, a first run (through a bar cache filled in one pass, or with
// --uncached one query per stock), then repeated runs with all four filters
// and one run of ten screens, timed in the process. Prints the process's peak
// memory and the cache's size; run it once with and once without --uncached
// to see what the cache adds to the peak.
//
// usage: scan_bench [--uncached] [--repeat N] DB
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include "screen/scan_run.h"
#include "store/bar_cache.h"
#include "store/bootstrap.h"
#include "store/stock_list.h"

using namespace brevant;
using Clock = std::chrono::steady_clock;

namespace {

double Since(Clock::time_point t) {
    return std::chrono::duration<double>(Clock::now() - t).count();
}

// Peak and current resident memory of the process, in MB.
double StatusMB(const char* field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field, 0) == 0) return std::stod(line.substr(std::strlen(field))) / 1024;
    return 0;
}

double HeapMB() {
    const struct mallinfo2 m = mallinfo2();
    return static_cast<double>(m.uordblks + m.hblkhd) / 1e6;
}

ScanFilters AllFour() {
    ScanFilters f;
    f.macd = f.movingAverage = f.rsi = f.volume = true;
    f.rsiLevel = 30;
    return f;
}

// Ten screens a user might keep: each filter alone and in pairs, in the
// three periods.
std::vector<ScanFilters> TenScreens() {
    std::vector<ScanFilters> s(10);
    s[0] = AllFour();
    s[1].macd = true;
    s[2].movingAverage = true;
    s[2].maPeriod1 = 50;
    s[2].maPeriod2 = 200;
    s[2].maDays = 5;
    s[3].rsi = true;
    s[3].rsiLevel = 30;
    s[3].rsiDays = 3;
    s[4].volume = true;
    s[4].volumeThreshold = 50000;
    s[5].macd = true;
    s[5].macdPeriod = BarPeriod::Weekly;
    s[6].rsi = true;
    s[6].rsiDirection = 1;
    s[6].rsiLevel = 70;
    s[6].rsiPeriod = BarPeriod::Weekly;
    s[7].movingAverage = true;
    s[7].maPeriod = BarPeriod::Monthly;
    s[7].maPeriod1 = 2;
    s[7].maPeriod2 = 3;
    s[8].macd = s[8].volume = true;
    s[8].volumeThreshold = 20000;
    s[9].rsi = s[9].movingAverage = true;
    s[9].rsiLevel = 50;
    return s;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    bool uncached = false;
    int repeat = 5;
    int i = 1;
    for (; i < argc - 1; ++i) {
        if (std::strcmp(argv[i], "--uncached") == 0)
            uncached = true;
        else if (std::strcmp(argv[i], "--repeat") == 0 && i + 1 < argc - 1)
            repeat = std::atoi(argv[++i]);
        else
            break;
    }
    if (i != argc - 1) {
        std::fprintf(stderr, "usage: %s [--uncached] [--repeat N] DB\n", argv[0]);
        return 2;
    }
    TDataStore store;
    if (const OpenResult opened = CheckFirebird(store, argv[i], {}); !opened) {
        std::fprintf(stderr, "%s: %s\n", argv[i], opened.Message.c_str());
        return 1;
    }
    Clock::time_point t = Clock::now();
    TStockList list;
    TIndicatorParams params;
    LoadStockList(store, list, params, {});
    std::printf("stocks=%zu list_seconds=%.3f rss_mb=%.1f heap_mb=%.1f\n", list.Items.size(),
                Since(t), StatusMB("VmRSS:"), HeapMB());

    TBarCache cache;
    TBarCache* use = uncached ? nullptr : &cache;
    double heapPeak = HeapMB();
    ScanCallbacks cb;
    cb.reading = [&](long, long) { heapPeak = std::max(heapPeak, HeapMB()); };
    t = Clock::now();
    const std::clock_t cpu = std::clock();
    ScanResult first = RunScan(store, list.Items, params, AllFour(), cb, use);
    const double firstSeconds = Since(t);
    const double firstCpu = static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC;
    if (first.outcome != ScanOutcome::Completed) {
        std::fprintf(stderr, "first run: %s\n", first.error.c_str());
        return 1;
    }
    std::printf("first_scan_seconds=%.3f cpu=%.3f passed=%d %s cache_mb=%.1f heap_peak_mb=%.1f "
                "peak_rss_mb=%.1f\n",
                firstSeconds, firstCpu, first.counters.successful, uncached ? "uncached" : "cached",
                static_cast<double>(cache.MemoryBytes()) / 1e6, std::max(heapPeak, HeapMB()),
                StatusMB("VmHWM:"));

    std::vector<double> again;
    for (int r = 0; r < repeat; ++r) {
        t = Clock::now();
        const ScanResult result = RunScan(store, list.Items, params, AllFour(), {}, use);
        again.push_back(Since(t));
        if (result.passed != first.passed) {
            std::fprintf(stderr, "a repeated run listed other stocks\n");
            return 1;
        }
    }
    t = Clock::now();
    const ScreensResult ten = RunScreens(store, list.Items, params, TenScreens(), {}, use);
    const double tenSeconds = Since(t);
    if (ten.outcome != ScanOutcome::Completed || ten.screens[0].passed != first.passed) {
        std::fprintf(stderr, "the ten screens disagree with the single run\n");
        return 1;
    }
    std::printf("repeat_scan_seconds=%.3f (median of %d) ten_screens_seconds=%.3f "
                "peak_rss_mb=%.1f\n",
                Median(again), repeat, tenSeconds, StatusMB("VmHWM:"));
    store.DB1.Disconnect();
    return 0;
}
