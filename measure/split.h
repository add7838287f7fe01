// A length split into parts (GETINDIVIDUALMEASUREMENTVALUESFROMINCHES), and
// the decimal feet and metres of the decimal styles. Each is worked out in
// integers where that gives what the extended-precision steps give; the
// steps are named here as the rule the integer routes are tested against.
#pragma once

#include <cstdint>

namespace wqj {

// A length split into a large, a middle and a small part: feet, whole inches
// and the fractional inch; or metres, millimetres and 0.
struct MeasurementParts {
    float big = 0;
    float mid = 0;
    float small = 0;
};

MeasurementParts GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(int32_t system, float inches, int32_t places);

namespace detail {

struct Decimal;

// Each route in integers gives what the steps beside it give, bit for bit,
// where it applies, and returns false (output untouched) elsewhere.
// Imperial parts, in integers for typed lengths (2^-17 to 2^20 inches).
bool imperial_parts_in_integers(float inches, int32_t places, MeasurementParts& p);
MeasurementParts imperial_parts_by_steps(float inches, int32_t places);
// The imperial parts as GETINDIVIDUALMEASUREMENTVALUESFROMINCHES gives
// them; with them, where the integers tell it, the record NUMBERTOTEXT
// writes of the fractional inch with seven digits (its decimals as rounded),
// left without digits otherwise.
MeasurementParts imperial_parts(float inches, int32_t places, Decimal& small_record);
// Metric parts, in integers from 2^-10 to 2^20 inches.
bool metric_parts_in_integers(float inches, MeasurementParts& p);
MeasurementParts metric_parts_by_steps(float inches, int32_t places);
// The length in decimal feet as the decimal-feet styles show it: the parts
// summed as feet and rounded to `places` decimals (ROUNDTODIGITS) in
// extended precision, stored as a single. With `record`, also the record
// NUMBERTOTEXT writes of them with seven digits where the integers the feet
// are worked out in tell it (left without digits where they do not).
float decimal_feet(const MeasurementParts& p, int32_t places, Decimal* record = nullptr);
bool decimal_feet_in_integers(const MeasurementParts& p, int32_t places, float& feet, Decimal* record);
float decimal_feet_by_steps(const MeasurementParts& p, int32_t places);
// The metres of the decimal-metre styles as the record NUMBERTOTEXT writes
// with 15 digits: ROUNDTODIGITS(mid / 1000 + big, places), the steps.
Decimal decimal_metres(const MeasurementParts& p, int32_t places);
bool decimal_metres_in_integers(const MeasurementParts& p, int32_t places, Decimal& record);
long double decimal_metres_by_steps(const MeasurementParts& p, int32_t places);

}  // namespace detail

}  // namespace wqj
