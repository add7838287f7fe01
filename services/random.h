// The random generator and the record identifiers drawn from it.
//
// The state is the one unsigned 32-bit number wqj::globals().random_state,
// all ones at load. Values lie in 10000 to 2147483647.
#pragma once

#include <cstdint>

namespace wqj {

inline constexpr int32_t kLowestRandomValue = 10000;

// Seeds from the tick count: taken as a signed integer, rounded to single
// precision, its bit pattern becomes the state.
void RANDOMIZEDLLGENERATOR();
// Advances the generator once and maps the state onto the value range.
int32_t GETRANDOMLONGVALUE();
// A drawn value that is none of elements 0 to `upper` of the caller's array;
// 0 without drawing when upper is below 0. A missing array holds no
// identifiers, so the first value drawn is returned.
int32_t GETUNIQUERECORDID(const int32_t* identifiers, int32_t upper);

}  // namespace wqj
