// (being written) Measurement formatting.
#include "measure/formatter.h"

namespace wqj {
MeasurementParts GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(int32_t, float, int32_t) { return {}; }
std::string GETFORMATEDTEXTFROMINCHES(int32_t, int32_t, int32_t, float, int32_t) { return {}; }
}  // namespace wqj
