// The library as a host sees it: loaded by name at run time, functions
// looked up by export name, host strings read and freed with the OLE
// string functions.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "wqjdll.h"

namespace wqjtest {

// Loads the library once per test program (WQJDLL.dll beside the program on
// Windows, the built libwqjdll.so natively) and returns the symbol `name`,
// or nullptr when it is not exported.
void* find_export(const char* name);
// The loaded module's handle.
void* library_handle();

// Looks up an export with the type the public header gives it.
template <class Function>
Function export_as(const char* name) {
    return reinterpret_cast<Function>(find_export(name));
}
#define WQJ_FN(name) (::wqjtest::export_as<decltype(&::name)>(#name))

// Takes ownership of a host string: checks its layout (a NUL after the
// counted payload), frees it and returns the payload. Sets *was_null when
// the string was a null handle.
std::string take(WQJSTRING s, bool* was_null = nullptr);
// A host string holding `bytes` (NUL bytes included), made with the OLE
// allocator the host uses; free it with take().
WQJSTRING make_host_string(std::string_view bytes);
// True when the handle is null (the library's empty text).
inline bool is_null(WQJSTRING s) { return s == nullptr; }

}  // namespace wqjtest
