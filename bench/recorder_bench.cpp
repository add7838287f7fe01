// The call recorder's cost per call: the typing path's format call (76.5
// inches, feet and inches with marks, to sixteenths) made on the library and
// through bin/recorder/libwqjdll.so in front of it, every call written to a
// log (a temporary file, removed at the end), in the same run.
#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench_support.h"

namespace {

using namespace wqjbench;
using Format = WQJSTRING (*)(int32_t, int32_t, int32_t, float, int32_t);

// The recorder, loaded once with its log and the real library set (it reads
// both when first called). Its host strings are the real library's, which
// this program links too.
struct Recorder {
    std::string log;
    Format format = nullptr;

    Recorder() {
        char name[] = "/tmp/wqj-recorder-bench-XXXXXX";
        const int fd = mkstemp(name);
        if (fd < 0) return;
        close(fd);
        log = name;
        setenv("WQJ_RECORD_TO", name, 1);
        setenv("WQJ_RECORD_LIBRARY", WQJ_BENCH_LIBRARY, 1);
        if (void* module = dlopen(WQJ_BENCH_RECORDER, RTLD_NOW | RTLD_LOCAL))
            format = reinterpret_cast<Format>(dlsym(module, "GETFORMATEDTEXTFROMINCHES"));
    }
    ~Recorder() {
        if (!log.empty()) std::remove(log.c_str());
    }
};

Recorder& recorder() {
    static Recorder instance;
    return instance;
}

void BM_RecorderFormat(benchmark::State& state) {
    const Format format = state.range(0) ? recorder().format : &GETFORMATEDTEXTFROMINCHES;
    if (format == nullptr) {
        state.SkipWithError("the recorder could not be loaded");
        return;
    }
    for (auto _ : state) free_string(format(0, 6, 0, 76.5f, 16));
}
BENCHMARK(BM_RecorderFormat)->ArgName("recorded")->Arg(0)->Arg(1);

}  // namespace
