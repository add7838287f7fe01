// Shared helpers of the fuzz targets: texts from the fuzzer's bytes, caller
// buffers of exactly the size an export's contract promises, and the check
// that a returned host string is well formed.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "wqjdll.h"

namespace wqjfuzz {

// Stops the run with a message the fuzzer keeps beside the input.
[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "property violated: %s\n", what);
    std::abort();
}

inline void require(bool holds, const char* what) {
    if (!holds) fail(what);
}

// A text argument: the bytes up to the first NUL, as the library reads it.
inline std::string text_of(const std::string& bytes) { return std::string(bytes.c_str()); }

// A caller buffer of exactly `size` bytes on the heap, so that one byte
// written past it is caught by AddressSanitizer. It starts with `text`
// (which must fit with its NUL) and the rest is 'Z'.
class Buffer {
public:
    Buffer(const std::string& text, std::size_t size) : bytes_(new char[size]), size_(size) {
        require(text.size() + 1 <= size, "buffer made too small for its text");
        std::memset(bytes_, 'Z', size);
        std::memcpy(bytes_, text.c_str(), text.size() + 1);
    }
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;
    ~Buffer() { delete[] bytes_; }
    char* get() { return bytes_; }
    std::string text() const { return std::string(bytes_, strnlen(bytes_, size_)); }
    bool terminated() const { return std::memchr(bytes_, 0, size_) != nullptr; }

private:
    char* bytes_;
    std::size_t size_;
};

// Checks a returned host string (length prefix, payload, NUL), gives its
// bytes and frees it. Empty text must be a null handle.
inline std::string take(WQJSTRING s) {
    if (s == nullptr) return {};
    uint32_t prefix = 0;
    std::memcpy(&prefix, s - 4, 4);
    require(prefix == SysStringByteLen(s), "length prefix differs from SysStringByteLen");
    require(prefix > 0, "empty text returned as a string instead of a null handle");
    // Reading every byte lets AddressSanitizer check the block holds them.
    std::string bytes(s, prefix);
    require(s[prefix] == '\0', "host string payload not followed by a NUL");
    SysFreeString(s);
    return bytes;
}

inline float float_from(FuzzedDataProvider& in) {
    uint32_t bits = in.ConsumeIntegral<uint32_t>();
    float f;
    std::memcpy(&f, &bits, 4);
    return f;
}

inline double double_from(FuzzedDataProvider& in) {
    uint64_t bits = in.ConsumeIntegral<uint64_t>();
    double d;
    std::memcpy(&d, &bits, 8);
    return d;
}

// A small code most of the time (so the interesting values are reached),
// any 32-bit value sometimes.
inline int32_t code_from(FuzzedDataProvider& in) {
    if (in.ConsumeBool()) return in.ConsumeIntegralInRange<int32_t>(-3, 40);
    return in.ConsumeIntegral<int32_t>();
}

inline std::string text_from(FuzzedDataProvider& in, std::size_t most = 256) {
    return text_of(in.ConsumeRandomLengthString(most));
}

struct Init {
    Init() { INITIALIZEDLL(); }
};

}  // namespace wqjfuzz

// Every target calls the library's initialisation once before its first input.
#define WQJ_FUZZ_INIT static const wqjfuzz::Init wqj_fuzz_init_once
