// The baselines every long-text benchmark is read against, measured in the
// same run: one memchr pass over the bytes (the least a scanning export
// does), and the input copied into a result and a host string (the least an
// export that returns a text of that size does).
#include <cstring>

#include <sys/mman.h>

#if defined(__GLIBC__)
#  include <malloc.h>
#endif

#include <vector>

#include "bench_support.h"

namespace {

using namespace wqjbench;

void BM_MemchrBaseline(benchmark::State& state) {
    const std::string text = repeated("item-012345678,", size_of(state), "last");
    for (auto _ : state) {
        std::size_t count = 0;
        const char* end = text.data() + text.size();
        for (const char* p = text.data(); (p = static_cast<const char*>(std::memchr(p, ',', std::size_t(end - p))));
             ++p)
            ++count;
        benchmark::DoNotOptimize(count);
    }
    count_bytes(state, text.size());
}
BENCHMARK(BM_MemchrBaseline)->Apply(long_sizes);

// What every export that returns a text of the input's size does at least:
// its result made as a std::string, then handed over as a host string.
void BM_ResultBaseline(benchmark::State& state) {
    const std::string text = repeated("item-012345678,", size_of(state), "last");
    for (auto _ : state) {
        const std::string result(text);
        free_string(SysAllocStringByteLen(result.data(), static_cast<uint32_t>(result.size())));
    }
    count_bytes(state, text.size());
}
BENCHMARK(BM_ResultBaseline)->Apply(long_sizes);

// What a host that allocates afresh sees for a result of the input's size:
// new pages on every call (mapped and released here, whatever the heap
// keeps) and the bytes copied into them once.
void BM_FreshCopyBaseline(benchmark::State& state) {
    const std::string text = repeated("item-012345678,", size_of(state), "last");
    for (auto _ : state) {
        void* pages = mmap(nullptr, text.size(), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (pages == MAP_FAILED) {
            state.SkipWithError("mmap failed");
            break;
        }
        std::memcpy(pages, text.data(), text.size());
        benchmark::DoNotOptimize(pages);
        munmap(pages, text.size());
    }
    count_bytes(state, text.size());
}
BENCHMARK(BM_FreshCopyBaseline)->Apply(long_sizes)->Arg(separated_units_size(kMiB))->Arg(separated_units_size(16 * kMiB));

// What an export that rewrites one field of a caller's record does at least:
// the record refreshed in the buffer (as each of those benchmarks does before
// its call) and the bytes after the middle field moved once.
void BM_MoveTailBaseline(benchmark::State& state) {
    const std::string text = repeated("item-012345678,", size_of(state), "last");
    std::vector<char> buffer(text.size() + 16);
    const std::size_t middle = text.size() / 2;
    for (auto _ : state) {
        std::memcpy(buffer.data(), text.c_str(), text.size() + 1);
        std::memmove(buffer.data() + middle - 11, buffer.data() + middle, text.size() + 1 - middle);
        benchmark::DoNotOptimize(buffer.data());
    }
    count_bytes(state, text.size());
}
BENCHMARK(BM_MoveTailBaseline)->Apply(long_sizes);

}  // namespace

// glibc returns a freed block of 16 MiB to the kernel at once, so a program
// that asks for one on every call page-faults it in every time; the figures
// would then measure the kernel. This program keeps freed memory in the heap
// (a host may do the same), so each timing is the library's own work.
int main(int argc, char** argv) {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
