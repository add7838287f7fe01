#include "text/reverse.h"

#include "text/convert.h"

namespace wqj {

std::string REVERSESTRINGDLL(std::string_view text) { return std::string(text.rbegin(), text.rend()); }

int32_t ISNUMERICDLL(std::string_view text) {
    // Every byte a digit or a point (FIRSTCHARACTERNOTINSET finds none) and
    // fewer than two points.
    const bool only_digits_and_points = FIRSTCHARACTERNOTINSET(1, text, "0123456789.") == 0;
    return only_digits_and_points && COUNTOCCURRENCES(text, ".") < 2 ? 1 : 0;
}

}  // namespace wqj
