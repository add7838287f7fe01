// The catalogue, paper-name and path exports over long texts, at 1 MiB and
// 16 MiB. A host passes them short names; a long one must still cost no
// more than a pass or two over its bytes.
#include <cstring>
#include <vector>

#include "bench_support.h"

namespace {

using namespace wqjbench;

// A long name: "x" repeated up to the size asked, after a prefix.
std::string long_name(const benchmark::State& state, std::string_view prefix = {}, std::string_view tail = {}) {
    return std::string(prefix) + repeated("x", size_of(state) - prefix.size(), tail);
}

void BM_PaperName(benchmark::State& state) {
    INITIALIZEDLL();
    SIZEPAPERINFOARRAY(60);
    const std::string name = long_name(state);
    std::vector<char> buffer(name.size() + 1);
    float w = 0, h = 0, t = 0, b = 0, l = 0, r = 0;
    for (auto _ : state) {
        SETPAPERINFOITEM(50, name.c_str(), 8.5f, 11, 0.5f, 0.5f, 0.5f, 0.5f);
        GETPAPERINFOITEM(50, buffer.data(), &w, &h, &t, &b, &l, &r);
        benchmark::DoNotOptimize(GETPAPERINDEXFROMPAPERNAME(buffer.data()));
    }
    count_bytes(state, 3 * name.size());
}
BENCHMARK(BM_PaperName)->Apply(long_sizes);

void BM_SymbolItemTypeFromName(benchmark::State& state) {
    const std::string name = long_name(state);
    std::vector<char> buffer(name.size() + 1);
    for (auto _ : state) {
        std::memcpy(buffer.data(), name.c_str(), name.size() + 1);
        benchmark::DoNotOptimize(GETSYMBOLITEMTYPEFROMNAME(1, 0, buffer.data()));
    }
    count_bytes(state, name.size());
}
BENCHMARK(BM_SymbolItemTypeFromName)->Apply(long_sizes);

void BM_LibraryName(benchmark::State& state) {
    const std::string name = long_name(state, "lib_1_2_", "_lib.vdf");
    int32_t category = 0, subcategory = 0, item = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(GETCATEGORIESFROMLIBRARYNAME(name.c_str(), &category, &subcategory, &item));
        benchmark::DoNotOptimize(ISVALIDLIBRARYNAME(name.c_str()));
    }
    count_bytes(state, 2 * name.size());
}
BENCHMARK(BM_LibraryName)->Apply(long_sizes);

void BM_ObjectCode(benchmark::State& state) {
    const std::string code = repeated("1,", size_of(state), "1");
    const std::string name = long_name(state, "TEXTBOX PRIMARY");
    for (auto _ : state) {
        benchmark::DoNotOptimize(ISOBJECTAWIRE(code.c_str()));
        benchmark::DoNotOptimize(ISOBJECTAWALL(code.c_str()));
        benchmark::DoNotOptimize(ISOBJECTPARTOFTEXTBOX(name.c_str()));
    }
    count_bytes(state, 3 * code.size());
}
BENCHMARK(BM_ObjectCode)->Apply(long_sizes);

// A long list of views that lacks the one asked for: every value is read.
void BM_SymbolViewNumber(benchmark::State& state) {
    const std::string views = repeated("1, 2, \"3\", ", size_of(state), "4");
    for (auto _ : state) benchmark::DoNotOptimize(ISSYMBOLVIEWNUMBERVALID(9, views.c_str()));
    count_bytes(state, views.size());
}
BENCHMARK(BM_SymbolViewNumber)->Apply(long_sizes);

void BM_PathParts(benchmark::State& state) {
    const std::string path = repeated("folder\\", size_of(state) - 16, "plan.vdf");
    const std::string drive_path = "C:" + path;
    for (auto _ : state) {
        free_string(GETDIRECTORYFROMPATH(drive_path.c_str()));
        free_string(GETDRIVEFROMPATH(drive_path.c_str()));
        free_string(GETFILENAMEFROMPATH(drive_path.c_str()));
        free_string(REMOVEFILENAMEFROMFULLPATH(drive_path.c_str()));
    }
    count_bytes(state, 4 * drive_path.size());
}
BENCHMARK(BM_PathParts)->Apply(long_sizes);

void BM_ExportFileName(benchmark::State& state) {
    const std::string base = long_name(state, {}, ".vdf");
    for (auto _ : state) free_string(GETEXPORTFILENAME(base.c_str(), 1, 7));
    count_bytes(state, base.size());
}
BENCHMARK(BM_ExportFileName)->Apply(long_sizes);

}  // namespace
