// Everything the library takes from the operating system, behind one small
// interface. platform/win32 calls the real Windows services; platform/posix
// is a faithful stand-in for Linux hosts and tests (an in-memory registry of
// edit controls, a recorded message box, XDG folders, settable input state).
// No other part of the library knows which operating system it runs on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace wqj::platform {

using Handle = void*;

// ---- host strings (OLE strings with an 8-bit payload) ----------------------
// Allocates a host string holding `text`; empty text gives a null handle.
// Throws std::bad_alloc when the string cannot be allocated.
char* allocate_host_string(std::string_view text);
// Allocates a host string of `length` bytes (length > 0) for the caller to
// fill; its bytes are undefined until then. Throws std::bad_alloc when the
// string cannot be allocated.
char* allocate_host_string_to_fill(std::size_t length);
// The payload of a host string (empty for a null handle).
std::string_view host_string_bytes(const char* host_string);
void free_host_string(char* host_string);

// ---- user interface -------------------------------------------------------
// Shows a modal message box with no owner, an OK button and no icon.
void message_box(std::string_view text, std::string_view caption);
// Sends a window message with integer parameters; returns its result.
intptr_t send_message(Handle window, uint32_t message, uintptr_t wparam, intptr_t lparam);
void set_focus(Handle window);
void set_window_text(Handle window, std::string_view text);

// ---- shell ------------------------------------------------------------------
// The path of a special folder by its folder number; empty when unknown.
std::string special_folder_path(int32_t folder);

// ---- input state ------------------------------------------------------------
// The 16-bit asynchronous state of a virtual key (bit 15: down now).
int16_t async_key_state(int32_t virtual_key);
struct Point {
    int32_t x = 0;
    int32_t y = 0;
};
bool cursor_position(Point& point);
Handle window_from_point(Point point);

// ---- time -------------------------------------------------------------------
// Milliseconds since some fixed moment, wrapping at 2^32.
uint32_t tick_count();

}  // namespace wqj::platform
