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

// The single nearest r / 10^decimals (below 2^16, decimals 0 to 8), from
// a product rather than a quotient (a division is the slowest step on the
// typing path). The product of r and the double nearest 10^-decimals lies
// within 2^-52 (relative) of r / 10^decimals. That lies at least 2^-51.6
// (relative) from every midpoint (2j + 1) / 2^n between two singles
// (2j + 1 below 2^25): the two differ by at least 1 / (10^decimals 2^n),
// and 10^decimals <= 10^8 < 2^26.6. It is never a midpoint itself (where it
// is a binary fraction it is (r / 5^decimals) / 2^decimals, of at most 24
// significant bits below 2^16, so a single). Both therefore round to the
// same single.
float nearest_single(uint64_t r, int decimals) {
    return static_cast<float>(static_cast<double>(r) * kTenths[decimals]);
}

// The record NUMBERTOTEXT writes with seven digits of the single nearest
// x = r / 10^decimals (0 < r < 10^7), where that is r's own: the single
// lies within half a unit in its 24th bit of x, which is under 0.4 of a
// unit in x's seventh digit when x's first digits are below 6.71
// (2^-24 * 6.71 * 10^6 < 0.4); the single's seven digits then round back to
// r's, unless x is a power of ten that the single lies just below. Leaves
// the record without digits otherwise.
void nearest_single_record(uint64_t r, int32_t decimals, detail::Decimal& record) {
    if (r == 0 || r >= kPowersOfTen[7]) return;
    const int k = detail::decimal_length(r);
    if (r * kPowersOfTen[7 - k] >= 6710000 || r == kPowersOfTen[k - 1]) return;
    record = {r, -decimals, false};
}

// The same record for the single kept / 2^k (kept below 2^25): a whole
// number below 10^7, or m / 2^j (m odd, 1 <= j <= 7) whose exact decimal
// m * 5^j has at most seven digits (nothing to round); none otherwise.
void binary_feet_record(uint64_t kept, int k, detail::Decimal& record) {
    if (kept == 0) return;
    const int zeros = std::countr_zero(kept);
    const uint64_t m = kept >> zeros;
    const int j = k - zeros;
    if (j < -24 || j > 7) return;
    const uint64_t d = j <= 0 ? m << -j : m * detail::kPowersOfFive[j];
    if (d < kPowersOfTen[7]) record = {d, j < 0 ? 0 : -j, false};
}

}  // namespace

namespace {

// The imperial parts of a length from 2^-17 to 2^20 inches (typed lengths),
// worked out in integers where the steps below are exact or round alike.
// Such a length is a whole number of 2^-40 inches below 2^60. Its quotient
// by 12 is a whole number or lies at least 2^-44 from one, far more than
// the rounding of that quotient in extended precision (2^-47 here), so
// truncating it gives the whole feet exactly; what is left is exact, and its
// fractional inch has at most the 24 significant bits of the length. That
// fraction rounded to 0 to 6 decimals is r / 10^places with r found from the
// exact product; r / 10^places lies at least 2^-45 (relative) from any
// midpoint between two singles unless it is a single itself, so the single
// nearest it (nearest_single) is what rounding it through extended
// precision gives. Returns false (parts untouched) outside these cases.
// No step here raises a floating-point flag, which keeps the export's
// floating-point guard from having to clear one.
// With `rounded`, also r where the fractional inch was rounded to decimals
// (left as it is otherwise).
[[gnu::always_inline]] inline bool imperial_in_integers(float inches, int32_t places, MeasurementParts& p,
                                                       uint64_t* rounded = nullptr) {
    if (!(inches >= 0x1p-17f && inches < 0x1p20f)) return false;
    uint32_t bits = 0;
    std::memcpy(&bits, &inches, sizeof bits);
    const uint64_t significand = (bits & 0x7FFFFFu) | 0x800000u;
    constexpr int kFractionBits = 40;
    constexpr uint64_t kOne = uint64_t{1} << kFractionBits;
    // inches = significand * 2^(biased - 150); the shift is 0 to 36.
    const uint64_t units = significand << ((bits >> 23) - (150 - kFractionBits));
    const uint64_t feet = units / (12 * kOne);
    const uint64_t rest = units - feet * 12 * kOne;
    uint64_t fraction = rest & (kOne - 1);
    float small = 0;
    if (fraction != 0) {
        if (places < 0 || places >= 18) {
            if (fraction < (uint64_t{1} << 20)) return false;  // below 2^-20: rounded to 18 decimals
            small = static_cast<float>(static_cast<double>(fraction) * 0x1p-40);
        } else if (places <= 6) {
            const uint64_t scaled = fraction * kPowersOfTen[places];  // below 2^60
            uint64_t r = scaled >> kFractionBits;
            const uint64_t below = scaled & (kOne - 1);
            const uint64_t half = kOne >> 1;
            if (below > half || (below == half && (r & 1) != 0)) ++r;
            small = nearest_single(r, places);
            if (rounded != nullptr) *rounded = r;
        } else {
            return false;
        }
    }
    p.big = static_cast<float>(feet);
    p.mid = static_cast<float>(rest >> kFractionBits);
    p.small = small;
    return true;
}

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

bool detail::imperial_parts_in_integers(float inches, int32_t places, MeasurementParts& p) {
    return imperial_in_integers(inches, places, p);
}

bool detail::metric_parts_in_integers(float inches, MeasurementParts& p) { return metric_in_integers(inches, p); }

// The integer routes are written into the export, where every length of the
// typing path goes.
MeasurementParts GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(int32_t system, float inches, int32_t places) {
    MeasurementParts p;
    if (system == SYSTEMMETRIC) {
        if (!metric_in_integers(inches, p)) p = detail::metric_parts_by_steps(inches, places);
    } else if (!imperial_in_integers(inches, places, p)) {
        p = detail::imperial_parts_by_steps(inches, places);
    }
    return p;
}

MeasurementParts detail::imperial_parts(float inches, int32_t places, Decimal& small_record) {
    MeasurementParts p;
    uint64_t r = 0;
    if (!imperial_in_integers(inches, places, p, &r)) return imperial_parts_by_steps(inches, places);
    // The fractional inch is the single nearest r / 10^places.
    if (r != 0) nearest_single_record(r, places, small_record);
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

namespace {

// The feet of decimal-feet styles, worked out in integers where that gives
// what the extended-precision steps give (see decimal_feet). The length
// (12 big + mid + small) is then a whole number t of 2^-44 inches below
// 2^63, and the feet are X = t / (3 * 2^46). The steps carry X with an
// error far below 2^-20 of a unit of the last of up to 8 decimals (and
// 2^-47 in all), so:
// - to up to 8 decimals, X * 10^places rounds as the steps round it unless
//   it lies within 2^-14 of a tie without being one (an exact tie makes X
//   a binary fraction of at most 24 bits, which the steps carry exactly, so
//   it goes to even), and the single nearest r / 10^places is
//   the one the steps store (r / 10^places lies at least 2^-52 (relative)
//   from a midpoint between singles unless it is a single itself);
// - to 16 or more decimals, the steps move X by less than 2^-47, so they
//   give the single nearest X unless X lies within 2^-44 of a midpoint
//   between singles.
// Anything else (9 to 15 decimals, a length outside that range, near ties)
// returns false.
[[gnu::always_inline]] inline bool feet_in_integers(const MeasurementParts& p, int32_t places, float& feet,
                                                   detail::Decimal* record) {
    if (!(p.big >= 0 && p.big < 32768 && p.mid >= 0 && p.mid < 12 && p.small >= 0 && p.small < 1)) return false;
    if (p.small != 0 && p.small < 0x1p-20f) return false;
    const auto whole_inches = static_cast<uint64_t>(static_cast<uint32_t>(p.big) * 12u + static_cast<uint32_t>(p.mid));
    if (static_cast<float>(whole_inches) != p.big * 12 + p.mid) return false;  // parts not whole
    uint64_t t = whole_inches << 44;
    if (p.small != 0) {
        uint32_t bits = 0;
        std::memcpy(&bits, &p.small, sizeof bits);
        // small = significand * 2^(biased - 150) with biased >= 107 here.
        t += uint64_t{(bits & 0x7FFFFFu) | 0x800000u} << ((bits >> 23) - 106);
    }
    const int32_t decimals = places < 0 || places > 18 ? 18 : places;
    // Fractions of X are counted in units of 1 / (3 * 2^46).
    constexpr uint64_t kHalf = uint64_t{3} << 45;
    if (decimals <= 8) {
        // X * 10^places = n / (3 * 2^46) with n = high * 2^46 + low, so its
        // whole part is high / 3 and what is left, in those units, is
        // (high mod 3) * 2^46 + low.
        detail::Uint128 n = detail::multiply(t, kPowersOfTen[decimals]);  // below 2^90
        const uint64_t low = n.lo & ((uint64_t{1} << 46) - 1);
        n.shift_right(46);
        const uint64_t high = n.lo;  // below 2^44
        uint64_t r = high / 3;
        const uint64_t fraction = ((high % 3) << 46) + low;
        const uint64_t distance = fraction > kHalf ? fraction - kHalf : kHalf - fraction;
        if (distance == 0) {
            r += r & 1;  // an exact tie: X is then a binary fraction the steps carry exactly
        } else if (distance <= (uint64_t{1} << 34)) {
            return false;
        } else if (fraction > kHalf) {
            ++r;
        }
        feet = nearest_single(r, decimals);
        if (record != nullptr) nearest_single_record(r, decimals, *record);
        return true;
    }
    if (decimals < 16) return false;
    const uint64_t q = t / 3;
    const uint64_t third = t % 3;
    const int length = 64 - std::countl_zero(q);
    if (length <= 25) return false;
    const int drop = length - 24;
    uint64_t kept = q >> drop;
    const uint64_t below = 3 * (q & ((uint64_t{1} << drop) - 1)) + third;
    const uint64_t half = uint64_t{3} << (drop - 1);
    const uint64_t distance = below > half ? below - half : half - below;
    if (distance <= 8) return false;
    if (below > half) ++kept;
    // kept * 2^(drop - 46), exactly: the power of two built from its bits.
    const auto scale = std::bit_cast<double>(static_cast<uint64_t>(1023 + drop - 46) << 52);
    feet = static_cast<float>(static_cast<double>(kept) * scale);
    if (record != nullptr) binary_feet_record(kept, 46 - drop, *record);
    return true;
}

}  // namespace

bool detail::decimal_feet_in_integers(const MeasurementParts& p, int32_t places, float& feet, Decimal* record) {
    return feet_in_integers(p, places, feet, record);
}

float detail::decimal_feet(const MeasurementParts& p, int32_t places, Decimal* record) {
    float feet = 0;
    if (feet_in_integers(p, places, feet, record)) return feet;
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
