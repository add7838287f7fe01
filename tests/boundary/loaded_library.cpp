#include "boundary/loaded_library.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#  include <windows.h>
#  include <oleauto.h>
#else
#  include <dlfcn.h>
#endif

namespace wqjtest {

void* library_handle() {
#ifdef _WIN32
    static void* handle = LoadLibraryA(WQJ_LIBRARY_NAME);
#else
    static void* handle = dlopen(WQJ_LIBRARY_NAME, RTLD_NOW | RTLD_LOCAL);
#endif
    if (handle == nullptr) {
        std::fprintf(stderr, "cannot load %s\n", WQJ_LIBRARY_NAME);
        std::abort();
    }
    return handle;
}

void* find_export(const char* name) {
#ifdef _WIN32
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library_handle()), name));
#else
    return dlsym(library_handle(), name);
#endif
}

WQJSTRING make_host_string(std::string_view bytes) {
#ifdef _WIN32
    return reinterpret_cast<WQJSTRING>(::SysAllocStringByteLen(bytes.data(), static_cast<UINT>(bytes.size())));
#else
    using Allocate = WQJSTRING (*)(const char*, uint32_t);
    static Allocate allocate = reinterpret_cast<Allocate>(find_export("SysAllocStringByteLen"));
    return allocate(bytes.data(), static_cast<uint32_t>(bytes.size()));
#endif
}

std::string take(WQJSTRING s, bool* was_null) {
    if (was_null != nullptr) *was_null = s == nullptr;
    if (s == nullptr) return {};
#ifdef _WIN32
    const UINT n = SysStringByteLen(reinterpret_cast<BSTR>(s));
#else
    using Len = uint32_t (*)(WQJSTRING);
    static Len byte_len = reinterpret_cast<Len>(find_export("SysStringByteLen"));
    const uint32_t n = byte_len(s);
#endif
    uint32_t prefix = 0;
    std::memcpy(&prefix, s - 4, 4);
    EXPECT_EQ(prefix, n) << "length prefix";
    EXPECT_EQ(s[n], '\0') << "a NUL after the payload";
    std::string bytes(s, n);
#ifdef _WIN32
    SysFreeString(reinterpret_cast<BSTR>(s));
#else
    using Free = void (*)(WQJSTRING);
    static Free free_string = reinterpret_cast<Free>(find_export("SysFreeString"));
    free_string(s);
#endif
    return bytes;
}

}  // namespace wqjtest
