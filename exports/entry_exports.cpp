// Export of validated measurement entry.
#include "exports/boundary.h"
#include "measure/entry.h"

using namespace wqj::boundary;

float WQJ_CALL CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(void* window, const char* text, float minimum,
                                                      float number_maximum, float maximum, int32_t system,
                                                      int32_t style, int32_t number_style, int32_t places) {
    return call(0.0f, [&] {
        return wqj::CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(window, text_in(text), minimum, number_maximum, maximum,
                                                           system, style, number_style, places);
    });
}
