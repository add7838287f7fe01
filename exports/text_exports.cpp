// Exports of reversal and the numeric test.
#include "exports/boundary.h"
#include "text/reverse.h"

using namespace wqj::boundary;

namespace {
// The reversed text written straight into the result.
WQJSTRING reversed(std::string_view text) {
    return host_string_filled(text.size(), [&](std::span<char> out) { wqj::detail::reverse_into(text, out); });
}
}  // namespace

WQJSTRING WQJ_CALL REVERSESTRINGDLL(WQJSTRING text) {
    return call(WQJSTRING{}, [&] { return reversed(host_string_in(text)); });
}

WQJSTRING WQJ_CALL REVERSESTRING(const char* text) {
    return call(WQJSTRING{}, [&] { return reversed(text_in(text)); });
}

int32_t WQJ_CALL ISNUMERICDLL(const char* text) {
    return call(int32_t{0}, [&] { return wqj::ISNUMERICDLL(text_in(text)); });
}
