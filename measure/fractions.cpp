// (being written) Fractions.
#include "measure/fractions.h"

namespace wqj {
std::optional<FractionParts> BREAKFRACTIONAPART(std::string_view) { return std::nullopt; }
std::string CONVERTFRACTIONDENOMINATOR(std::string_view, int32_t) { return {}; }
std::string REDUCEFRACTION(std::string_view, int32_t) { return {}; }
std::string DECIMALTOFRACTIONSTRING(float, int32_t) { return {}; }
float FRACTIONSTRINGTODECIMAL(std::string_view) { return 0; }
std::optional<FoundFraction> FINDFRACTIONINTEXT(std::string_view, int32_t) { return std::nullopt; }
}  // namespace wqj
