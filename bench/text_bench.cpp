// The field, list and name-check exports over long texts, at 1 MiB and
// 16 MiB: each should stay linear and, when it only reads, within a small
// factor of the memchr baseline over the same bytes.
#include <cstdint>
#include <cstring>
#include <vector>

#include "bench_support.h"
#include "tests/int32_array.h"

namespace {

using namespace wqjbench;

// Items of 15 bytes with their delimiter, up to the size asked, then "last".
std::string long_list(std::size_t bytes) { return repeated("item-012345678,", bytes, "last"); }

void set_bytes(benchmark::State& state, std::size_t bytes) { count_bytes(state, bytes); }

void BM_ParseCount(benchmark::State& state) {
    const std::string text = long_list(size_of(state));
    for (auto _ : state) benchmark::DoNotOptimize(PARSECOUNTDLL(text.c_str(), ","));
    set_bytes(state, text.size());
}

void BM_ParseCountCommaSeparated(benchmark::State& state) {
    const std::string text = long_list(size_of(state));
    for (auto _ : state) benchmark::DoNotOptimize(PARSECOUNTDLL(text.c_str(), ""));
    set_bytes(state, text.size());
}

void BM_GetLastField(benchmark::State& state) {
    const std::string text = long_list(size_of(state));
    for (auto _ : state) free_string(GETSTRINGPARTFROMSTRINGBYPOSITION(text.c_str(), -1, ","));
    set_bytes(state, text.size());
}

void BM_GetValueOfLastField(benchmark::State& state) {
    const std::string text = long_list(size_of(state) - 8) + ",12.5";
    for (auto _ : state) benchmark::DoNotOptimize(GETVALUEFROMSTRINGBYPOSITION(text.c_str(), -1, ","));
    set_bytes(state, text.size());
}

void BM_SetLastField(benchmark::State& state) {
    const std::string text = long_list(size_of(state));
    const int32_t n = PARSECOUNTDLL(text.c_str(), ",");
    std::vector<char> buffer(text.size() + 16);
    for (auto _ : state) {
        std::memcpy(buffer.data(), text.c_str(), text.size() + 1);
        benchmark::DoNotOptimize(SETSTRINGPARTINSTRINGBYPOSITION(buffer.data(), n, "end", ","));
    }
    set_bytes(state, text.size());
}

void BM_SetFieldCommaSeparated(benchmark::State& state) {
    const std::string text = long_list(size_of(state));
    std::vector<char> buffer(text.size() + 16);
    for (auto _ : state) {
        std::memcpy(buffer.data(), text.c_str(), text.size() + 1);
        benchmark::DoNotOptimize(SETSTRINGPARTINSTRINGBYPOSITION2(buffer.data(), 2, "x", ""));
    }
    set_bytes(state, text.size());
}

// A record of many short fields ("ab,ab,..."): counting them, and reading
// the last one, which should cost about the same.
std::string short_fields(std::size_t bytes) { return repeated("ab,", bytes, "ab"); }

void BM_ParseCountShortFields(benchmark::State& state) {
    const std::string text = short_fields(size_of(state));
    for (auto _ : state) benchmark::DoNotOptimize(PARSECOUNTDLL(text.c_str(), ","));
    set_bytes(state, text.size());
}

void BM_GetLastShortField(benchmark::State& state) {
    const std::string text = short_fields(size_of(state));
    for (auto _ : state) free_string(GETSTRINGPARTFROMSTRINGBYPOSITION(text.c_str(), -1, ","));
    set_bytes(state, text.size());
}

// A field in the middle of the record replaced and an item there removed,
// each on a fresh copy of the record: about one move of the bytes after it.
void BM_SetMiddleField(benchmark::State& state) {
    const std::string text = long_list(size_of(state));
    const int32_t n = PARSECOUNTDLL(text.c_str(), ",");
    std::vector<char> buffer(text.size() + 16);
    for (auto _ : state) {
        std::memcpy(buffer.data(), text.c_str(), text.size() + 1);
        benchmark::DoNotOptimize(SETSTRINGPARTINSTRINGBYPOSITION(buffer.data(), n / 2, "end", ","));
    }
    set_bytes(state, text.size());
}

void BM_RemoveMiddleItem(benchmark::State& state) {
    const std::string text = long_list(size_of(state));
    const int32_t n = PARSECOUNTDLL(text.c_str(), ",");
    std::vector<char> buffer(text.size() + 1);
    for (auto _ : state) {
        std::memcpy(buffer.data(), text.c_str(), text.size() + 1);
        benchmark::DoNotOptimize(REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(buffer.data(), n / 2, ","));
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
    const std::string text = long_list(size_of(state));
    std::vector<char> buffer(text.size() + 8);
    char delimiter[2] = ",";
    for (auto _ : state) {
        std::memcpy(buffer.data(), text.c_str(), text.size() + 1);
        free_string(ADDTODELIMITEDSTRING(buffer.data(), "new", delimiter));
    }
    set_bytes(state, text.size());
}

// The list searched for an item, case-sensitively or not (the second
// argument): the last item, and an item of the same shape that is absent.
void find_item(benchmark::State& state, const char* item) {
    const std::string text = long_list(size_of(state));
    char delimiter[2] = ",";
    const int32_t case_sensitive = int32_t(state.range(1));
    for (auto _ : state)
        benchmark::DoNotOptimize(ISSTRINGINDELIMITEDSTRING(text.c_str(), item, delimiter, 0, case_sensitive));
    set_bytes(state, text.size());
}

void BM_FindLastItem(benchmark::State& state) { find_item(state, "last"); }
void BM_FindAbsentItem(benchmark::State& state) { find_item(state, "item-876543210"); }

void BM_RemoveLastItem(benchmark::State& state) {
    const std::string text = long_list(size_of(state));
    const int32_t n = PARSECOUNTDLL(text.c_str(), ",");
    std::vector<char> buffer(text.size() + 1);
    for (auto _ : state) {
        std::memcpy(buffer.data(), text.c_str(), text.size() + 1);
        benchmark::DoNotOptimize(REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(buffer.data(), n, ","));
    }
    set_bytes(state, text.size());
}

void BM_StripNull(benchmark::State& state) {
    const std::string text = "  " + long_list(size_of(state)) + "  ";
    for (auto _ : state) free_string(STRIPNULL(text.c_str()));
    set_bytes(state, text.size());
}

void BM_ListFromLongArray(benchmark::State& state) {
    // About the same text length: eight-digit numbers and their delimiter.
    std::vector<int32_t> values(std::size_t(state.range(0)) / 9, 12345678);
    WQJARRAYDESCRIPTOR array = wqjtest::int32_array(values.data(), int32_t(values.size()));
    char delimiter[2] = ",";
    for (auto _ : state) free_string(CREATEDELIMITEDSTRINGFROMLONGARRAY(delimiter, &array));
    set_bytes(state, values.size() * 9);
}

void BM_StringContainsCharacters(benchmark::State& state) {
    const std::string text = long_list(size_of(state));
    for (auto _ : state) benchmark::DoNotOptimize(STRINGCONTAINSCHARACTERS(text.c_str(), "/\\:*?<>|\""));
    set_bytes(state, text.size());
}

BENCHMARK(BM_ParseCount)->Apply(long_sizes);
BENCHMARK(BM_ParseCountCommaSeparated)->Apply(long_sizes);
BENCHMARK(BM_GetLastField)->Apply(long_sizes);
BENCHMARK(BM_GetValueOfLastField)->Apply(long_sizes);
BENCHMARK(BM_SetLastField)->Apply(long_sizes);
BENCHMARK(BM_SetFieldCommaSeparated)->Apply(long_sizes);
BENCHMARK(BM_ParseCountShortFields)->Apply(long_sizes);
BENCHMARK(BM_GetLastShortField)->Apply(long_sizes);
BENCHMARK(BM_SetMiddleField)->Apply(long_sizes);
BENCHMARK(BM_RemoveMiddleItem)->Apply(long_sizes);
BENCHMARK(BM_CreateFromLongItems)->Apply(long_sizes);
BENCHMARK(BM_AddToLongList)->Apply(long_sizes);
BENCHMARK(BM_FindLastItem)->Args({kMiB, 1})->Args({16 * kMiB, 1})->Args({kMiB, 0})->Args({16 * kMiB, 0});
BENCHMARK(BM_FindAbsentItem)->Args({kMiB, 1})->Args({16 * kMiB, 1})->Args({kMiB, 0})->Args({16 * kMiB, 0});
BENCHMARK(BM_RemoveLastItem)->Apply(long_sizes);
BENCHMARK(BM_StripNull)->Apply(long_sizes);
BENCHMARK(BM_ListFromLongArray)->Apply(long_sizes);
BENCHMARK(BM_StringContainsCharacters)->Apply(long_sizes);

}  // namespace
