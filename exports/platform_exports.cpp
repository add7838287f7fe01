// Exports of paths and special folders, input state and random identifiers.
#include "exports/boundary.h"
#include "services/input.h"
#include "services/paths.h"
#include "services/random.h"

using namespace wqj::boundary;

// ---- paths and special folders -------------------------------------------------

WQJSTRING WQJ_CALL GETSPECIALFOLDERLOCATION(int32_t folder) {
    return call(WQJSTRING{}, [&] { return host_string(wqj::GETSPECIALFOLDERLOCATION(folder)); });
}

WQJSTRING WQJ_CALL GETDIRECTORYFROMPATH(const char* path) {
    return call(WQJSTRING{}, [&] { return host_string(wqj::GETDIRECTORYFROMPATH(text_in(path))); });
}

WQJSTRING WQJ_CALL GETDRIVEFROMPATH(const char* path) {
    return call(WQJSTRING{}, [&] { return host_string(wqj::GETDRIVEFROMPATH(text_in(path))); });
}

WQJSTRING WQJ_CALL GETFILENAMEFROMPATH(const char* path) {
    return call(WQJSTRING{}, [&] { return host_string(wqj::GETFILENAMEFROMPATH(text_in(path))); });
}

WQJSTRING WQJ_CALL REMOVEFILENAMEFROMFULLPATH(const char* path) {
    return call(WQJSTRING{}, [&] { return host_string(wqj::REMOVEFILENAMEFROMFULLPATH(text_in(path))); });
}

WQJSTRING WQJ_CALL GETEXPORTFILENAME(const char* base_name, int32_t category_type, int32_t number) {
    return call(WQJSTRING{},
                [&] { return host_string(wqj::GETEXPORTFILENAME(text_in(base_name), category_type, number)); });
}

// ---- input state -----------------------------------------------------------------

int32_t WQJ_CALL GETMOUSEBUTTON(void* window) {
    return call(int32_t{0}, [&] { return wqj::GETMOUSEBUTTON(window); });
}

int32_t WQJ_CALL GETKEYSTATE(int32_t virtual_key) {
    return call(int32_t{0}, [&] { return wqj::GETKEYSTATE(virtual_key); });
}

// ---- random numbers and record identifiers ------------------------------------------

void WQJ_CALL RANDOMIZEDLLGENERATOR(void) {
    call_void([] { wqj::RANDOMIZEDLLGENERATOR(); });
}

int32_t WQJ_CALL GETRANDOMLONGVALUE(void) {
    return call(int32_t{0}, [] { return wqj::GETRANDOMLONGVALUE(); });
}

int32_t WQJ_CALL GETUNIQUERECORDID(int32_t* identifiers, int32_t upper_index) {
    return call(int32_t{0}, [&] { return wqj::GETUNIQUERECORDID(identifiers, upper_index); });
}
