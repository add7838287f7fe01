#include "services/random.h"

#include <bit>

#include "frame/globals.h"
#include "geometry/rectangles.h"
#include "platform/platform.h"

namespace wqj {
namespace {

constexpr uint32_t kMultiplier = 134775813u;
constexpr uint64_t kValueCount = 2147483647ull - kLowestRandomValue + 1;  // 2147473648

}  // namespace

void RANDOMIZEDLLGENERATOR() {
    const auto ticks = static_cast<int32_t>(platform::tick_count());
    const auto single = static_cast<float>(ticks);  // round to nearest
    globals().random_state = std::bit_cast<uint32_t>(single);
}

int32_t GETRANDOMLONGVALUE() {
    uint32_t& s = globals().random_state;
    s = s * kMultiplier + 1u;  // modulo 2^32
    // floor((s >> 1) / 2^31 x count), exact: the product stays below 2^62.
    const uint64_t scaled = (static_cast<uint64_t>(s >> 1) * kValueCount) >> 31;
    return kLowestRandomValue + static_cast<int32_t>(scaled);
}

int32_t GETUNIQUERECORDID(const int32_t* identifiers, int32_t upper) {
    if (upper < 0) return 0;
    for (;;) {
        const int32_t candidate = GETRANDOMLONGVALUE();
        if (identifiers == nullptr || ISVALUEINLONGARRAY(candidate, identifiers, upper, 0) < 0) return candidate;
    }
}

}  // namespace wqj
