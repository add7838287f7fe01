// A length split into parts, and the decimal feet and metres of the
// decimal styles.
//
// The parts are singles, as the host receives them: every part is rounded to
// float where it is stored, while the sums and quotients it comes from are
// formed in extended precision. Each part has its steps in extended
// precision, the rule, and for the lengths users type a route in integers
// that gives the same bits with fewer dependent steps.
#include "measure/split.h"

#include <bit>
#include <cmath>
#include <cstring>

#include "wqj_codes.h"
#include "measure/units.h"
#include "text/convert.h"
#include "text/decimal.h"
#include "text/powers.h"
#include "text/uint128.h"

namespace wqj {

namespace {

using detail::kPowersOfTen;
using detail::kTenths;

}  // namespace

MeasurementParts detail::imperial_parts_by_steps(float inches, int32_t places) {
    // Whole feet, whole inches beyond them and the fractional inch.
    MeasurementParts p;
    p.big = static_cast<float>(TRUNCATETOWARDZERO(static_cast<long double>(inches) / 12));
    p.mid = static_cast<float>(TRUNCATETOWARDZERO(inches - 12.0L * p.big));
    p.small = static_cast<float>(inches - 12.0L * p.big - p.mid);
    // At 18 decimals (what 20 and every count outside 0 to 18 mean) a
    // single of 2^-20 or more comes back unchanged: the rounding moves it
    // by at most 5e-19, far below half its last place.
    const bool unchanged = (places < 0 || places >= 18) && std::fabs(p.small) >= 0x1p-20f;
    if (p.small != 0 && !unchanged) p.small = static_cast<float>(ROUNDTODIGITS(p.small, places));
    return p;
}

namespace {

// The metric parts of a length from 2^-10 to 2^20 inches, in integers.
// The millimetres are the exact product of the single and the double
// MILLIMETERSPERINCH (below 2^77) rounded as INCHESTOMILLIMETERS rounds it:
// to 64 significant bits, then to 53, each to nearest with ties to even.
// Whole metres are the whole millimetres divided by 1000: the quotient of
// the millimetres by 1000 is a whole number or lies at least 2^-53
// (relative) from one, so its truncation in extended precision gives the
// same. The whole millimetres beyond them are below 1000, and rounding them
// to any count of decimals leaves them as they are.
[[gnu::always_inline]] inline bool metric_in_integers(float inches, MeasurementParts& p) {
    if (!(inches >= 0x1p-10f && inches < 0x1p20f)) return false;
    uint32_t single = 0;
    std::memcpy(&single, &inches, sizeof single);
    uint64_t factor = 0;
    std::memcpy(&factor, &MILLIMETERSPERINCH, sizeof factor);
    detail::Uint128 product = detail::multiply((single & 0x7FFFFFu) | 0x800000u,
                                               (factor & ((uint64_t{1} << 52) - 1)) | (uint64_t{1} << 52));
    int exponent = static_cast<int>(single >> 23) - 150 + static_cast<int>((factor >> 52) & 0x7FFu) - 1075;
    // To 64 significant bits (the product has 76 or 77).
    const int drop = 64 - std::countl_zero(product.hi);
    const uint64_t below = product.lo & ((uint64_t{1} << drop) - 1);
    const uint64_t half = uint64_t{1} << (drop - 1);
    product.shift_right(drop);
    uint64_t extended = product.lo;
    exponent += drop;
    if (below > half || (below == half && (extended & 1) != 0)) {
        if (++extended == 0) {
            extended = uint64_t{1} << 63;
            ++exponent;
        }
    }
    // To 53 bits.
    uint64_t mm = extended >> 11;
    exponent += 11;
    const uint64_t rest = extended & 0x7FFu;
    if (rest > 0x400u || (rest == 0x400u && (mm & 1) != 0)) {
        if (++mm == uint64_t{1} << 53) {
            mm >>= 1;
            ++exponent;
        }
    }
    // mm * 2^exponent millimetres, below 2^25: the exponent is below -27.
    const uint64_t whole = -exponent >= 64 ? 0 : mm >> -exponent;
    p.big = static_cast<float>(whole / 1000);
    p.mid = static_cast<float>(whole % 1000);
    p.small = 0;
    return true;
}

}  // namespace

bool detail::metric_parts_in_integers(float inches, MeasurementParts& p) { return metric_in_integers(inches, p); }

// The integer routes are written into the export, where every length of the
// typing path goes.
MeasurementParts GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(int32_t system, float inches, int32_t places) {
    MeasurementParts p;
    if (system == SYSTEMMETRIC) {
        if (!metric_in_integers(inches, p)) p = detail::metric_parts_by_steps(inches, places);
    } else if (!detail::imperial_parts_in_integers(inches, places, p)) {
        p = detail::imperial_parts_by_steps(inches, places);
    }
    return p;
}

MeasurementParts detail::imperial_parts(float inches, int32_t places, Decimal& small_record) {
    MeasurementParts p;
    uint64_t r = 0;
    if (!detail::imperial_parts_in_integers(inches, places, p, &r)) return imperial_parts_by_steps(inches, places);
    // The fractional inch is the single nearest r / 10^places.
    if (r != 0) detail::nearest_single_record(r, places, small_record);
    return p;
}

MeasurementParts detail::metric_parts_by_steps(float inches, int32_t places) {
    // Whole metres and whole millimetres beyond them, truncated.
    MeasurementParts p;
    const long double mm = INCHESTOMILLIMETERS(inches);
    p.big = static_cast<float>(TRUNCATETOWARDZERO(mm / 1000));
    p.mid = static_cast<float>(TRUNCATETOWARDZERO(mm) - 1000.0L * p.big);
    if (p.mid != 0) p.mid = static_cast<float>(ROUNDTODIGITS(p.mid, places));
    p.small = 0;
    return p;
}

float detail::decimal_feet(const MeasurementParts& p, int32_t places, Decimal* record) {
    float feet = 0;
    if (detail::decimal_feet_in_integers(p, places, feet, record)) return feet;
    return decimal_feet_by_steps(p, places);
}


float detail::decimal_feet_by_steps(const MeasurementParts& p, int32_t places) {
    return static_cast<float>(ROUNDTODIGITS((static_cast<long double>(p.small) + p.mid) / 12 + p.big, places));
}

namespace {

// The decimal metres in integers, for whole metres and millimetres (T
// millimetres in all, below 2^30): the steps carry T / 1000 to within
// 2^-60 of itself,
// so to 3 or more decimals its 15 digits are those of T / 1000, and to
// fewer, T / 10^(3 - places) rounds as the steps round it unless it is a tie
// (then false, as for lengths outside that range). Written into its
// callers, so that the record stays in registers: read back from memory as
// a whole just after its fields were stored one by one, it would wait for
// them.
[[gnu::always_inline]] inline bool metres_in_integers(const MeasurementParts& p, int32_t places,
                                                     detail::Decimal& record) {
    if (!(p.big >= 0 && p.big < 1e6f && p.mid >= 0 && p.mid < 1000)) return false;
    const auto metres = static_cast<uint32_t>(p.big);
    const auto millimetres = static_cast<uint32_t>(p.mid);
    if (static_cast<float>(metres) != p.big || static_cast<float>(millimetres) != p.mid) return false;
    uint64_t r = uint64_t{metres} * 1000 + millimetres;
    int decimals = 3;
    if (places >= 0 && places < 3) {
        const uint64_t unit = places == 0 ? 1000 : places == 1 ? 100 : 10;
        const uint64_t rest = r % unit;
        r /= unit;
        if (2 * rest == unit) return false;
        if (2 * rest > unit) ++r;
        decimals = places;
    }
    record = {r, -decimals, false};
    return true;
}

}  // namespace

bool detail::decimal_metres_in_integers(const MeasurementParts& p, int32_t places, Decimal& record) {
    return metres_in_integers(p, places, record);
}

detail::Decimal detail::decimal_metres(const MeasurementParts& p, int32_t places) {
    Decimal record;
    if (metres_in_integers(p, places, record)) return record;
    return number_record(decimal_metres_by_steps(p, places), 15);
}

long double detail::decimal_metres_by_steps(const MeasurementParts& p, int32_t places) {
    return ROUNDTODIGITS(static_cast<long double>(p.mid) / 1000 + p.big, places);
}

}  // namespace wqj
