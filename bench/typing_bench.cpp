// The exports a host calls while a user types: parse an entry, format a
// length in every style, reduce a fraction, read a field. Each should take
// well under a microsecond.
#include <cstring>

#include "bench_support.h"

namespace {

using namespace wqjbench;

void BM_ParseTypicalEntry(benchmark::State& state) {
    INITIALIZEDLL();
    int32_t start = 0, end = 0;
    for (auto _ : state) benchmark::DoNotOptimize(CONVERTTEXTSTRINGVALUETOINCHES("6 ' 4 1/2 \"", 0, &start, &end));
}
BENCHMARK(BM_ParseTypicalEntry);

void BM_SeparateTypicalEntry(benchmark::State& state) {
    INITIALIZEDLL();
    char entry[32];
    for (auto _ : state) {
        std::memcpy(entry, "6'4-1/2\"", 9);
        free_string(SEPARATEMEASUREMENTSINTEXTSTRING(entry));
    }
}
BENCHMARK(BM_SeparateTypicalEntry);

// 6' 4 1/2" in a style: imperial (system 0) with fractions to 1/16 or two
// decimals, metric (system 1, 1943.1 mm) with two decimals.
void BM_FormatTypicalLength(benchmark::State& state) {
    INITIALIZEDLL();
    const auto system = static_cast<int32_t>(state.range(0));
    const auto style = static_cast<int32_t>(state.range(1));
    const auto number_style = static_cast<int32_t>(state.range(2));
    const int32_t places = number_style == 0 && system == 0 ? 16 : 2;
    for (auto _ : state) free_string(GETFORMATEDTEXTFROMINCHES(system, style, number_style, 76.5f, places));
}
BENCHMARK(BM_FormatTypicalLength)
    ->ArgNames({"system", "style", "decimal"})
    ->ArgsProduct({{0}, benchmark::CreateDenseRange(0, 13, 1), {0, 1}})
    ->ArgsProduct({{1}, benchmark::CreateDenseRange(0, 6, 1), {1}});

void BM_ReduceFraction(benchmark::State& state) {
    for (auto _ : state) free_string(REDUCEFRACTION("2 8/16", 16));
}
BENCHMARK(BM_ReduceFraction);

void BM_DecimalToFraction(benchmark::State& state) {
    for (auto _ : state) free_string(DECIMALTOFRACTIONSTRING(4.4375f, 16));
}
BENCHMARK(BM_DecimalToFraction);

void BM_ReadField(benchmark::State& state) {
    for (auto _ : state) free_string(GETSTRINGPARTFROMSTRINGBYPOSITION("Wall,2x4,96,8 Feet", 3, ","));
}
BENCHMARK(BM_ReadField);

}  // namespace
