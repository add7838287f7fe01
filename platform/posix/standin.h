// Control over the POSIX stand-in for the Windows services, for tests and
// for Linux hosts that want to drive the library's user-interface calls.
// Edit controls live in an in-memory registry; message boxes are recorded
// (and written to standard error); key, mouse and tick state can be set.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace wqj::platform::standin {

// Edit-control messages the stand-in understands, with their Windows numbers.
inline constexpr uint32_t kGetSel = 176;      // EM_GETSEL
inline constexpr uint32_t kSetSel = 177;      // EM_SETSEL
inline constexpr uint32_t kLineLength = 193;  // EM_LINELENGTH

// Creates a single-line edit control holding `text`; returns its handle.
Handle create_edit_control(std::string_view text);
void destroy_edit_control(Handle window);
// The control's text; empty for an unknown handle.
std::string window_text(Handle window);
// The selection as [start, end) byte offsets.
struct Selection {
    int32_t start = 0;
    int32_t end = 0;
};
Selection selection(Handle window);
Handle focused_window();

struct MessageBoxRecord {
    std::string text;
    std::string caption;
};
const std::vector<MessageBoxRecord>& message_boxes();
// When quiet, message boxes are only recorded, not written to standard error.
void set_quiet(bool quiet);

void set_key_state(int32_t virtual_key, int16_t state);
void set_cursor(Point point, Handle window_under_cursor);
// A fixed tick count, or the monotonic clock again with std::nullopt.
void set_tick_count(std::optional<uint32_t> ticks);

// Forgets every control, record and injected state.
void reset();

}  // namespace wqj::platform::standin
