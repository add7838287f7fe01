// Speed of the exports a host calls while a user types, and of separating and
// parsing very long texts (which must stay linear). Run: build/native/bin/wqj_bench
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "wqjdll.h"

namespace {

void free_string(WQJSTRING s) { SysFreeString(s); }

void BM_ParseTypicalEntry(benchmark::State& state) {
    INITIALIZEDLL();
    int32_t start = 0, end = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CONVERTTEXTSTRINGVALUETOINCHES("6 ' 4 1/2 \"", 0, &start, &end));
    }
}
BENCHMARK(BM_ParseTypicalEntry);

void BM_FormatTypicalLength(benchmark::State& state) {
    INITIALIZEDLL();
    const int32_t style = static_cast<int32_t>(state.range(0));
    for (auto _ : state) free_string(GETFORMATEDTEXTFROMINCHES(0, style, 0, 76.5f, 16));
}
BENCHMARK(BM_FormatTypicalLength)->Arg(0)->Arg(3)->Arg(6)->Arg(9);

void BM_ReduceFraction(benchmark::State& state) {
    for (auto _ : state) free_string(REDUCEFRACTION("2 8/16", 16));
}
BENCHMARK(BM_ReduceFraction);

// A long entry: "6'4-1/2\"" repeated up to the size asked.
std::string long_entry(std::size_t bytes) {
    std::string s;
    s.reserve(bytes + 16);
    while (s.size() < bytes) s += "6'4-1/2\"";
    return s;
}

void BM_SeparateLongText(benchmark::State& state) {
    INITIALIZEDLL();
    const std::string text = long_entry(static_cast<std::size_t>(state.range(0)));
    // Room for the separated text: at most one blank added per character.
    std::vector<char> buffer(text.size() * 2 + 1);
    for (auto _ : state) {
        std::memcpy(buffer.data(), text.c_str(), text.size() + 1);
        free_string(SEPARATEMEASUREMENTSINTEXTSTRING(buffer.data()));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_SeparateLongText)->Arg(1 << 20)->Arg(16 << 20)->Unit(benchmark::kMillisecond);

void BM_ParseLongText(benchmark::State& state) {
    INITIALIZEDLL();
    std::string text = long_entry(static_cast<std::size_t>(state.range(0)));
    int32_t start = 0, end = 0;
    for (auto _ : state) benchmark::DoNotOptimize(CONVERTTEXTSTRINGVALUETOINCHES(text.c_str(), 0, &start, &end));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_ParseLongText)->Arg(1 << 20)->Arg(16 << 20)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
