// Brevant Dira — what reading a quote line costs next to storing it.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "quotes/quote_line.h"
#include "quotes/to_float.h"

namespace {

const std::vector<std::string> kLines = {
    "ABATH,Evergreen Realty Corp,04082025,49.95,54.86,49.13,53.28,862898",
    "CJKV,Consolidated Software Incorporated,04082025,100.82,108.13,97.89,106.31,8417,"
    "*Dividend,0.64,,:,",
    "ACGF,Meridian Retail N.V.,04082025,7.31,7.33,6.97,7.04,69600,,,*Split,2:1,",
    "<ticker>,<name>,<date>,<open>,<high>,<low>,<close>,<vol>",
};

void BM_ParseQuoteLine(benchmark::State& state) {
    brevant::TQuoteLine q;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(brevant::ParseQuoteLine(kLines[i++ % kLines.size()], '.', q));
        benchmark::DoNotOptimize(q);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ParseQuoteLine);

void BM_ToFloat(benchmark::State& state) {
    const char* texts[] = {"53.28", " 862898 ", "-3,25", "1,234.5"};
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(brevant::ToFloat(texts[i++ % 4], '.'));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ToFloat);

} // namespace

BENCHMARK_MAIN();
