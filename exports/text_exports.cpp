// Exports of reversal and the numeric test.
#include "exports/boundary.h"
#include "text/reverse.h"

using namespace wqj::boundary;

WQJSTRING WQJ_CALL REVERSESTRINGDLL(WQJSTRING text) {
    return call(WQJSTRING{}, [&] { return host_string(wqj::REVERSESTRINGDLL(host_string_in(text))); });
}

WQJSTRING WQJ_CALL REVERSESTRING(const char* text) {
    return call(WQJSTRING{}, [&] { return host_string(wqj::REVERSESTRINGDLL(text_in(text))); });
}

int32_t WQJ_CALL ISNUMERICDLL(const char* text) {
    return call(int32_t{0}, [&] { return wqj::ISNUMERICDLL(text_in(text)); });
}
