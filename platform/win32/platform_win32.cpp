// The Windows services the library uses, called for real.
#include <windows.h>
#include <oleauto.h>
#include <shlobj.h>

#include <new>

#include "platform/fpmode.h"
#include "platform/platform.h"

#ifdef WQJ_FAULT_INJECTION
// Allocation-failure test builds only: the test program defines this and
// answers true when the current allocation is to fail.
extern "C" bool wqj_fault_allocation_fails();
#endif

namespace wqj::platform {
namespace {

// Platform code may leave another floating-point mode behind; the library's
// own arithmetic always continues in its working mode.
struct RestoreWorkingMode {
    ~RestoreWorkingMode() { set_working_fp_mode(); }
};

}  // namespace

char* allocate_host_string(std::string_view text) {
    if (text.empty()) return nullptr;
#ifdef WQJ_FAULT_INJECTION
    if (wqj_fault_allocation_fails()) throw std::bad_alloc();
#endif
    RestoreWorkingMode restore;
    BSTR s = SysAllocStringByteLen(text.data(), static_cast<UINT>(text.size()));
    if (s == nullptr) throw std::bad_alloc();
    return reinterpret_cast<char*>(s);
}

char* allocate_host_string_to_fill(std::size_t length) {
    if (length == 0 || length > UINT32_MAX / 2) throw std::bad_alloc();
#ifdef WQJ_FAULT_INJECTION
    if (wqj_fault_allocation_fails()) throw std::bad_alloc();
#endif
    RestoreWorkingMode restore;
    BSTR s = SysAllocStringByteLen(nullptr, static_cast<UINT>(length));
    if (s == nullptr) throw std::bad_alloc();
    return reinterpret_cast<char*>(s);
}

std::string_view host_string_bytes(const char* host_string) {
    if (host_string == nullptr) return {};
    RestoreWorkingMode restore;
    return {host_string, SysStringByteLen(reinterpret_cast<BSTR>(const_cast<char*>(host_string)))};
}

void free_host_string(char* host_string) {
    RestoreWorkingMode restore;
    SysFreeString(reinterpret_cast<BSTR>(host_string));
}

void message_box(std::string_view text, std::string_view caption) {
    RestoreWorkingMode restore;
    std::string t(text);
    std::string c(caption);
    MessageBoxA(nullptr, t.c_str(), c.c_str(), MB_OK);
}

intptr_t send_message(Handle window, uint32_t message, uintptr_t wparam, intptr_t lparam) {
    RestoreWorkingMode restore;
    return SendMessageA(static_cast<HWND>(window), message, wparam, lparam);
}

void set_focus(Handle window) {
    RestoreWorkingMode restore;
    SetFocus(static_cast<HWND>(window));
}

void set_window_text(Handle window, std::string_view text) {
    RestoreWorkingMode restore;
    std::string t(text);
    SetWindowTextA(static_cast<HWND>(window), t.c_str());
}

std::string special_folder_path(int32_t folder) {
    RestoreWorkingMode restore;
    LPITEMIDLIST list = nullptr;
    if (SHGetSpecialFolderLocation(nullptr, folder, &list) != S_OK || list == nullptr) return {};
    char path[MAX_PATH + 1] = {};
    BOOL found = SHGetPathFromIDListA(list, path);
    CoTaskMemFree(list);
    return found ? std::string(path) : std::string();
}

int16_t async_key_state(int32_t virtual_key) {
    RestoreWorkingMode restore;
    return GetAsyncKeyState(virtual_key);
}

bool cursor_position(Point& point) {
    RestoreWorkingMode restore;
    POINT p{};
    if (!GetCursorPos(&p)) return false;
    point = {p.x, p.y};
    return true;
}

Handle window_from_point(Point point) {
    RestoreWorkingMode restore;
    return WindowFromPoint(POINT{point.x, point.y});
}

uint32_t tick_count() {
    RestoreWorkingMode restore;
    return GetTickCount();
}

}  // namespace wqj::platform
