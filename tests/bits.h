// The bit pattern of a floating value, so tests compare results exactly.
#pragma once

#include <cstdint>
#include <cstring>

namespace wqjtest {

template <class T>
uint64_t bits(T value) {
    uint64_t b = 0;
    std::memcpy(&b, &value, sizeof value);
    return b;
}

}  // namespace wqjtest
