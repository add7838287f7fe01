// The mouse buttons and keys as they are at the moment of the call, from the
// system's asynchronous key state.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace wqj {

// 1 left, 2 right, 3 middle (the first down in that order), 0 none. For a
// window handle above 0 the cursor must be over that very window (not a
// child of it), else 0 without looking at the buttons.
int32_t GETMOUSEBUTTON(platform::Handle window);
// 1 when the virtual key is down now, else 0 (a press since an earlier query
// alone does not count).
int32_t GETKEYSTATE(int32_t virtual_key);

}  // namespace wqj
