// Validated measurement entry in one of the host's edit controls.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/platform.h"

namespace wqj {

// Parses the entry, checks it against the field's limits and either writes
// it back in the display style and returns it in inches, or shows the
// "Measurement Error" box, selects the offending text, focuses the field and
// returns -1 (a number above number_maximum) or 0 (outside the limits).
float CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(platform::Handle window, std::string_view text, float minimum,
                                             float number_maximum, float maximum, int32_t system, int32_t style,
                                             int32_t number_style, int32_t places);

}  // namespace wqj
