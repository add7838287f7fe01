// (being written) Measurement text parsing.
#include "measure/parser.h"

namespace wqj {
bool ISMEASUREMENTCHARACTERFORSYSTEM(int32_t, std::string_view) { return false; }
bool ISMEASUREMENTCHARACTER(std::string_view) { return false; }
std::string SEPARATEMEASUREMENTSINTEXTSTRING(std::string_view) { return {}; }
float GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(int32_t, std::string_view, int32_t, int32_t, int32_t&, int32_t&) {
    return 0;
}
float CONVERTTEXTSTRINGVALUETOINCHES(std::string_view, float, int32_t&, int32_t&) { return 0; }
}  // namespace wqj
