// Speed of the field and list exports on long texts (1 MiB and 16 MiB),
// beside a memchr pass over the same bytes: each export should stay within
// a small factor of that one pass. Run: build/native/bin/wqj_text_bench
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "wqjdll.h"

namespace {

void free_string(WQJSTRING s) { SysFreeString(s); }

// Items of 15 bytes with their delimiter, up to the size asked, then "last".
std::string long_list(std::size_t bytes) {
    std::string s;
    s.reserve(bytes + 8);
    while (s.size() + 16 + 4 <= bytes) s += "item-012345678,";
    s += "last";
    return s;
}

void set_bytes(benchmark::State& state, std::size_t bytes) {
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}

void BM_MemchrBaseline(benchmark::State& state) {
    const std::string text = long_list(std::size_t(state.range(0)));
    for (auto _ : state) {
        std::size_t count = 0;
        for (const char* p = text.data(); (p = static_cast<const char*>(std::memchr(p, ',', text.data() + text.size() - p)));
             ++p)
            ++count;
        benchmark::DoNotOptimize(count);
    }
    set_bytes(state, text.size());
}

void BM_ParseCount(benchmark::State& state) {
    const std::string text = long_list(std::size_t(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(PARSECOUNTDLL(text.c_str(), ","));
    set_bytes(state, text.size());
}

void BM_ParseCountCommaSeparated(benchmark::State& state) {
    const std::string text = long_list(std::size_t(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(PARSECOUNTDLL(text.c_str(), ""));
    set_bytes(state, text.size());
}

void BM_GetLastField(benchmark::State& state) {
    const std::string text = long_list(std::size_t(state.range(0)));
    for (auto _ : state) free_string(GETSTRINGPARTFROMSTRINGBYPOSITION(text.c_str(), -1, ","));
    set_bytes(state, text.size());
}

void BM_GetValueOfLastField(benchmark::State& state) {
    const std::string text = long_list(std::size_t(state.range(0))) + ",12.5";
    for (auto _ : state) benchmark::DoNotOptimize(GETVALUEFROMSTRINGBYPOSITION(text.c_str(), -1, ","));
    set_bytes(state, text.size());
}

void BM_SetLastField(benchmark::State& state) {
    const std::string text = long_list(std::size_t(state.range(0)));
    const int32_t n = PARSECOUNTDLL(text.c_str(), ",");
    std::vector<char> buffer(text.size() + 16);
    for (auto _ : state) {
        std::memcpy(buffer.data(), text.c_str(), text.size() + 1);
        benchmark::DoNotOptimize(SETSTRINGPARTINSTRINGBYPOSITION(buffer.data(), n, "end", ","));
    }
    set_bytes(state, text.size());
}

void BM_SetFieldCommaSeparated(benchmark::State& state) {
    const std::string text = long_list(std::size_t(state.range(0)));
    std::vector<char> buffer(text.size() + 16);
    for (auto _ : state) {
        std::memcpy(buffer.data(), text.c_str(), text.size() + 1);
        benchmark::DoNotOptimize(SETSTRINGPARTINSTRINGBYPOSITION2(buffer.data(), 2, "x", ""));
    }
    set_bytes(state, text.size());
}

void BM_CreateFromLongItems(benchmark::State& state) {
    const std::string item(std::size_t(state.range(0)) / 10, 'x');
    char delimiter[2] = ",";
    const char* p = item.c_str();
    for (auto _ : state) free_string(CREATEDELIMITEDSTRING(delimiter, p, p, p, p, p, p, p, p, p, p));
    set_bytes(state, item.size() * 10);
}

void BM_AddToLongList(benchmark::State& state) {
    const std::string text = long_list(std::size_t(state.range(0)));
    std::vector<char> buffer(text.size() + 8);
    char delimiter[2] = ",";
    for (auto _ : state) {
        std::memcpy(buffer.data(), text.c_str(), text.size() + 1);
        free_string(ADDTODELIMITEDSTRING(buffer.data(), "new", delimiter));
    }
    set_bytes(state, text.size());
}

void BM_FindLastItem(benchmark::State& state) {
    const std::string text = long_list(std::size_t(state.range(0)));
    char delimiter[2] = ",";
    const int32_t case_sensitive = int32_t(state.range(1));
    for (auto _ : state)
        benchmark::DoNotOptimize(ISSTRINGINDELIMITEDSTRING(text.c_str(), "last", delimiter, 0, case_sensitive));
    set_bytes(state, text.size());
}

void BM_RemoveLastItem(benchmark::State& state) {
    const std::string text = long_list(std::size_t(state.range(0)));
    const int32_t n = PARSECOUNTDLL(text.c_str(), ",");
    std::vector<char> buffer(text.size() + 1);
    for (auto _ : state) {
        std::memcpy(buffer.data(), text.c_str(), text.size() + 1);
        benchmark::DoNotOptimize(REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(buffer.data(), n, ","));
    }
    set_bytes(state, text.size());
}

void BM_StripNull(benchmark::State& state) {
    const std::string text = "  " + long_list(std::size_t(state.range(0))) + "  ";
    for (auto _ : state) free_string(STRIPNULL(text.c_str()));
    set_bytes(state, text.size());
}

void BM_ListFromLongArray(benchmark::State& state) {
    // About the same text length: eight-digit numbers and their delimiter.
    std::vector<int32_t> values(std::size_t(state.range(0)) / 9, 12345678);
    WQJARRAYDESCRIPTOR array{};
    array.storage = values.data();
    array.flags = 4;
    array.kind = 2;
    array.element_type = 10;
    array.dimensions = 1;
    array.element_size = 4;
    array.lower_bound = 0;
    array.upper_bound = int32_t(values.size()) - 1;
    char delimiter[2] = ",";
    for (auto _ : state) free_string(CREATEDELIMITEDSTRINGFROMLONGARRAY(delimiter, &array));
    set_bytes(state, values.size() * 9);
}

constexpr int64_t kMiB = 1 << 20;

BENCHMARK(BM_MemchrBaseline)->Arg(kMiB)->Arg(16 * kMiB);
BENCHMARK(BM_ParseCount)->Arg(kMiB)->Arg(16 * kMiB);
BENCHMARK(BM_ParseCountCommaSeparated)->Arg(kMiB)->Arg(16 * kMiB);
BENCHMARK(BM_GetLastField)->Arg(kMiB)->Arg(16 * kMiB);
BENCHMARK(BM_GetValueOfLastField)->Arg(kMiB)->Arg(16 * kMiB);
BENCHMARK(BM_SetLastField)->Arg(kMiB)->Arg(16 * kMiB);
BENCHMARK(BM_SetFieldCommaSeparated)->Arg(kMiB)->Arg(16 * kMiB);
BENCHMARK(BM_CreateFromLongItems)->Arg(kMiB)->Arg(16 * kMiB);
BENCHMARK(BM_AddToLongList)->Arg(kMiB)->Arg(16 * kMiB);
BENCHMARK(BM_FindLastItem)->Args({kMiB, 1})->Args({16 * kMiB, 1})->Args({kMiB, 0})->Args({16 * kMiB, 0});
BENCHMARK(BM_RemoveLastItem)->Arg(kMiB)->Arg(16 * kMiB);
BENCHMARK(BM_StripNull)->Arg(kMiB)->Arg(16 * kMiB);
BENCHMARK(BM_ListFromLongArray)->Arg(kMiB)->Arg(16 * kMiB);

}  // namespace

BENCHMARK_MAIN();
