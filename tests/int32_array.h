// A host's one-dimensional array of 32-bit integers, as the list export
// CREATEDELIMITEDSTRINGFROMLONGARRAY receives it: elements 0 to count - 1
// of `storage`, allocated. Shared by the tests, the fuzz targets and the
// benchmarks.
#pragma once

#include <cstdint>

#include "wqjdll.h"

namespace wqjtest {

inline WQJARRAYDESCRIPTOR int32_array(int32_t* storage, int32_t count) {
    WQJARRAYDESCRIPTOR array{};
    array.storage = storage;
    array.flags = 4;  // allocated
    array.kind = 2;
    array.element_type = 10;  // 32-bit integers
    array.dimensions = 1;
    array.element_count = count;
    array.storage_bytes = count * 4;
    array.element_size = 4;
    array.lower_bound = 0;
    array.upper_bound = count - 1;
    return array;
}

}  // namespace wqjtest
