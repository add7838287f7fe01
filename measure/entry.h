// Validated measurement entry in one of the host's edit controls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace wqj {

// Parses the entry, checks it against the field's limits and either writes
// it back in the display style (only as a text that reads back as the same
// length: see detail::field_text) and returns it in inches, or shows the
// "Measurement Error" box, selects the offending text, focuses the field and
// returns -1 (a number above number_maximum) or 0 (outside the limits).
float CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(platform::Handle window, std::string_view text, float minimum,
                                             float number_maximum, float maximum, int32_t system, int32_t style,
                                             int32_t number_style, int32_t places);

namespace detail {

// The text an accepted length is written back into its field as: the display
// style's text with three decimals (thirds as the largest denominator with
// fractions) when that text reads back (separated, then read as a whole
// entry) as the very same single; else, with fractions, the text with the
// smallest largest denominator from 4 to 64 that does; else nothing, and
// the field keeps what the user typed. A text that read back as another
// length would change the user's entry without a word.
std::optional<std::string> field_text(int32_t system, int32_t style, int32_t number_style, float inches);
// The unit word of the invalid-number message for the parser's error code
// (ERRORMETERS "meters" to ERRORUNKNOWNUNIT "unknown"); empty for another.
std::string_view invalid_number_unit(float code);

}  // namespace detail

}  // namespace wqj
