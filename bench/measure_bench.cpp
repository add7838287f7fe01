// The measurement exports over long texts, at 1 MiB and 16 MiB: each must
// stay linear and within a small factor of the baselines.
#include <cstring>
#include <vector>

#include "bench_support.h"

namespace {

using namespace wqjbench;

// A long entry: "6'4-1/2\"" repeated up to the size asked.
std::string long_entry(const benchmark::State& state) { return repeated("6'4-1/2\"", size_of(state)); }

// A long text with one fraction at its end: "wall " repeated, then "12 3/16".
std::string text_ending_in_fraction(const benchmark::State& state) {
    return repeated("wall ", size_of(state), "12 3/16");
}

void BM_SeparateLongText(benchmark::State& state) {
    INITIALIZEDLL();
    const std::string text = long_entry(state);
    // Room for the separated text: at most one blank added per character.
    std::vector<char> buffer(text.size() * 2 + 1);
    for (auto _ : state) {
        std::memcpy(buffer.data(), text.c_str(), text.size() + 1);
        free_string(SEPARATEMEASUREMENTSINTEXTSTRING(buffer.data()));
    }
    count_bytes(state, text.size());
}
BENCHMARK(BM_SeparateLongText)->Apply(long_sizes)->Unit(benchmark::kMillisecond);

// Units glued to their numbers ("6ft4in " repeated): the separated text is
// 10/7 of the entry, written back and returned.
void BM_SeparateUnitsText(benchmark::State& state) {
    INITIALIZEDLL();
    const std::string text = units_text(size_of(state));
    std::vector<char> buffer(text.size() * 2 + 1);
    for (auto _ : state) {
        std::memcpy(buffer.data(), text.c_str(), text.size() + 1);
        free_string(SEPARATEMEASUREMENTSINTEXTSTRING(buffer.data()));
    }
    count_bytes(state, text.size());
}
BENCHMARK(BM_SeparateUnitsText)->Apply(long_sizes)->Unit(benchmark::kMillisecond);

void BM_ParseLongText(benchmark::State& state) {
    INITIALIZEDLL();
    const std::string text = long_entry(state);
    int32_t start = 0, end = 0;
    for (auto _ : state) benchmark::DoNotOptimize(CONVERTTEXTSTRINGVALUETOINCHES(text.c_str(), 0, &start, &end));
    count_bytes(state, text.size());
}
BENCHMARK(BM_ParseLongText)->Apply(long_sizes)->Unit(benchmark::kMillisecond);

// Validated entry of a long text that is in range (blanks, then 6' 4"): no
// message, the selection untouched.
void BM_ValidatedLongEntry(benchmark::State& state) {
    INITIALIZEDLL();
    const std::string text = repeated(" ", size_of(state), "6' 4\"");
    for (auto _ : state)
        benchmark::DoNotOptimize(
            CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(nullptr, text.c_str(), 0, 1000, 1000, 0, 0, 0, 16));
    count_bytes(state, text.size());
}
BENCHMARK(BM_ValidatedLongEntry)->Apply(long_sizes)->Unit(benchmark::kMillisecond);

void BM_ValidCharacterOfLongText(benchmark::State& state) {
    const std::string text = long_entry(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ISVALIDMEASUREMENTNUMERICALCHARACTER(text.c_str()));
        benchmark::DoNotOptimize(ISVALIDMEASUREMENTSCALENUMERICALCHARACTER(0, text.c_str()));
    }
    count_bytes(state, 2 * text.size());
}
BENCHMARK(BM_ValidCharacterOfLongText)->Apply(long_sizes);

void BM_BreakFractionApart(benchmark::State& state) {
    const std::string text = text_ending_in_fraction(state);
    int32_t whole = 0, numerator = 0, denominator = 0;
    char separator[2] = "";
    for (auto _ : state) {
        BREAKFRACTIONAPART(text.c_str(), &whole, &numerator, &denominator, separator);
        benchmark::DoNotOptimize(denominator);
    }
    count_bytes(state, text.size());
}
BENCHMARK(BM_BreakFractionApart)->Apply(long_sizes);

void BM_ConvertFractionDenominator(benchmark::State& state) {
    const std::string text = text_ending_in_fraction(state);
    for (auto _ : state) free_string(CONVERTFRACTIONDENOMINATOR(text.c_str(), 32));
    count_bytes(state, text.size());
}
BENCHMARK(BM_ConvertFractionDenominator)->Apply(long_sizes);

void BM_ReduceFractionOfLongText(benchmark::State& state) {
    const std::string text = text_ending_in_fraction(state);
    for (auto _ : state) free_string(REDUCEFRACTION(text.c_str(), 8));
    count_bytes(state, text.size());
}
BENCHMARK(BM_ReduceFractionOfLongText)->Apply(long_sizes);

void BM_FractionToDecimal(benchmark::State& state) {
    const std::string text = text_ending_in_fraction(state);
    for (auto _ : state) benchmark::DoNotOptimize(FRACTIONSTRINGTODECIMAL(text.c_str()));
    count_bytes(state, text.size());
}
BENCHMARK(BM_FractionToDecimal)->Apply(long_sizes);

// The fraction found and the rest of the text written back as remainder.
void BM_ExtractFraction(benchmark::State& state) {
    const std::string text = text_ending_in_fraction(state);
    std::vector<char> remainder(text.size() + 1);
    int32_t length = 0;
    float value = 0;
    for (auto _ : state) free_string(EXTRACTFRACTIONINTEXTSTRING(text.c_str(), 0, remainder.data(), &length, &value));
    count_bytes(state, text.size());
}
BENCHMARK(BM_ExtractFraction)->Apply(long_sizes);

void BM_ReverseString(benchmark::State& state) {
    const std::string text = long_entry(state);
    for (auto _ : state) free_string(REVERSESTRING(text.c_str()));
    count_bytes(state, text.size());
}
BENCHMARK(BM_ReverseString)->Apply(long_sizes);

void BM_ReverseHostString(benchmark::State& state) {
    const std::string text = long_entry(state);
    const WQJSTRING host = SysAllocStringByteLen(text.data(), static_cast<uint32_t>(text.size()));
    for (auto _ : state) free_string(REVERSESTRINGDLL(host));
    SysFreeString(host);
    count_bytes(state, text.size());
}
BENCHMARK(BM_ReverseHostString)->Apply(long_sizes);

void BM_IsNumeric(benchmark::State& state) {
    const std::string digits = repeated("1234567890", size_of(state));
    for (auto _ : state) benchmark::DoNotOptimize(ISNUMERICDLL(digits.c_str()));
    count_bytes(state, digits.size());
}
BENCHMARK(BM_IsNumeric)->Apply(long_sizes);

}  // namespace
