// The boundary between host calls and the library's C++ functions.
//
// Only this layer knows about raw pointers, caller buffers and host strings.
// Every export runs through `call`: in the library's floating-point working
// mode (the host's modes are given back on return), with every C++ exception
// stopped here and turned into the export's failure result.
#pragma once

#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>
#include <utility>

#define WQJDLL_BUILDING 1
#include "wqjdll.h"

#include "platform/fpmode.h"
#include "platform/platform.h"

namespace wqj::boundary {

// The most bytes the library reads of one text argument.
inline constexpr std::size_t kMaxTextIn = 16u * 1024u * 1024u;

// A NUL-terminated text argument; a null pointer is empty text.
inline std::string_view text_in(const char* text) {
    if (text == nullptr) return {};
    return {text, strnlen(text, kMaxTextIn)};
}

// A caller's buffer that an export rewrites in place. A text longer than the
// most the library reads is refused as a whole (false): rewriting only its
// first part would cut off the rest of the caller's text. A null pointer is
// empty text.
inline bool rewritable_text_in(const char* buffer, std::string_view& text) {
    if (buffer == nullptr) {
        text = {};
        return true;
    }
    const std::size_t n = strnlen(buffer, kMaxTextIn + 1);
    if (n > kMaxTextIn) return false;
    text = {buffer, n};
    return true;
}

// A host string argument passed by value: its bytes, by its length prefix.
inline std::string_view host_string_in(WQJSTRING s) { return platform::host_string_bytes(s); }

// A result text as a new host string; empty text gives a null handle.
inline WQJSTRING host_string(std::string_view text) { return platform::allocate_host_string(text); }

// A result text of `length` bytes written straight into a new host string
// by fill(std::span<char>), which must not throw; a length of 0 gives a null
// handle.
template <class Fill>
WQJSTRING host_string_filled(std::size_t length, Fill&& fill) {
    if (length == 0) return nullptr;
    char* s = platform::allocate_host_string_to_fill(length);
    fill(std::span<char>(s, length));
    return s;
}

// Copies `text` and a NUL into the caller's buffer (ignored when null).
inline void write_back(char* buffer, std::string_view text) {
    if (buffer == nullptr) return;
    if (!text.empty()) std::memmove(buffer, text.data(), text.size());
    buffer[text.size()] = '\0';
}

// A caller's variable passed by reference: read as 0 and not written when
// the pointer is null.
template <class T>
T read_from(const T* variable) {
    return variable != nullptr ? *variable : T{};
}
template <class T>
void write_to(T* variable, T value) {
    if (variable != nullptr) *variable = value;
}

// Overwrites a caller's text buffer in place with `text` padded with blanks
// to `room`, the length of the text it holds now (read by
// rewritable_text_in); never writes more than that length and its NUL (a
// longer text is cut).
inline void write_padded(char* buffer, std::size_t room, std::string_view text) {
    if (buffer == nullptr) return;
    const std::size_t n = text.size() < room ? text.size() : room;
    if (n > 0) std::memmove(buffer, text.data(), n);
    std::memset(buffer + n, ' ', room - n);
    buffer[room] = '\0';
}

// Runs `body` as an export: in the working floating-point mode, with any
// exception turned into `failure`.
template <class Result, class Body>
Result call(Result failure, Body&& body) noexcept {
    platform::FpModeGuard guard;
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        return failure;
    }
}

// The same for exports without a result.
template <class Body>
void call_void(Body&& body) noexcept {
    platform::FpModeGuard guard;
    try {
        std::forward<Body>(body)();
    } catch (...) {
    }
}

}  // namespace wqj::boundary
