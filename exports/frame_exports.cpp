// Exports of the library frame.
#include "exports/boundary.h"
#include "frame/library.h"

using wqj::boundary::call;
using wqj::boundary::call_void;

int32_t WQJ_CALL LIBMAIN(void* instance, int32_t reason, void* reserved) {
    return call(int32_t{0}, [&] { return wqj::LIBMAIN(instance, reason, reserved); });
}

void WQJ_CALL INITIALIZEDLL(void) {
    call_void([] { wqj::INITIALIZEDLL(); });
}
