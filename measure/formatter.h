// Writing inches as text in the host's display styles.
#pragma once

#include <cstdint>
#include <string>

namespace wqj {

// A length split into a large, a middle and a small part: feet, whole inches
// and the fractional inch; or metres, millimetres and 0.
struct MeasurementParts {
    float big = 0;
    float mid = 0;
    float small = 0;
};

MeasurementParts GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(int32_t system, float inches, int32_t places);
std::string GETFORMATEDTEXTFROMINCHES(int32_t system, int32_t style, int32_t number_style, float inches,
                                      int32_t places);

}  // namespace wqj
