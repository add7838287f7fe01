#include "services/input.h"

namespace wqj {
namespace {

constexpr int32_t kLeftButton = 1;
constexpr int32_t kRightButton = 2;
constexpr int32_t kMiddleButton = 4;
constexpr uint16_t kDownNow = 0x8000;

bool cursor_is_over(platform::Handle window) {
    platform::Point point;
    // A cursor that cannot be located is over no window.
    if (!platform::cursor_position(point)) return false;
    return platform::window_from_point(point) == window;
}

}  // namespace

int32_t GETMOUSEBUTTON(platform::Handle window) {
    // The handle is judged as a signed 32-bit number, as the DLL receives
    // it: 0 and negative values mean "anywhere".
    const auto as_number = static_cast<int32_t>(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window)));
    if (as_number > 0 && !cursor_is_over(window)) return 0;
    // Any set bit counts: down now, or pressed since an earlier query.
    if (platform::async_key_state(kLeftButton) != 0) return 1;
    if (platform::async_key_state(kRightButton) != 0) return 2;
    if (platform::async_key_state(kMiddleButton) != 0) return 3;
    return 0;
}

int32_t GETKEYSTATE(int32_t virtual_key) {
    const auto state = static_cast<uint16_t>(platform::async_key_state(virtual_key));
    return (state & kDownNow) != 0 ? 1 : 0;
}

}  // namespace wqj
