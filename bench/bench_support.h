// What the benchmark files share: the two input sizes, long inputs built
// from a repeated unit, and the byte counter.
#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "wqjdll.h"

namespace wqjbench {

constexpr int64_t kMiB = 1 << 20;

// Runs a benchmark at 1 MiB and 16 MiB of input.
inline void long_sizes(benchmark::internal::Benchmark* b) { b->Arg(kMiB)->Arg(16 * kMiB); }

// `unit` repeated while the text stays within `bytes` with `tail` after it.
inline std::string repeated(std::string_view unit, std::size_t bytes, std::string_view tail = {}) {
    std::string s;
    s.reserve(bytes);
    while (s.size() + unit.size() + tail.size() <= bytes) s += unit;
    s += tail;
    return s;
}

// The text "6ft4in " repeated within `bytes`, and how long it is once
// SEPARATEMEASUREMENTSINTEXTSTRING has put blanks between numbers and units.
inline std::string units_text(std::size_t bytes) { return repeated("6ft4in ", bytes); }
inline int64_t separated_units_size(int64_t bytes) { return bytes / 7 * 10; }

// The size asked of a benchmark, in bytes.
inline std::size_t size_of(const benchmark::State& state) { return static_cast<std::size_t>(state.range(0)); }

inline void count_bytes(benchmark::State& state, std::size_t bytes) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
}

inline void free_string(WQJSTRING s) { SysFreeString(s); }

}  // namespace wqjbench
