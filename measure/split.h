// A length split into parts (GETINDIVIDUALMEASUREMENTVALUESFROMINCHES), and
// the decimal feet and metres of the decimal styles. Each is worked out in
// integers where that gives what the extended-precision steps give; the
// steps are named here as the rule the integer routes are tested against.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

#include "text/decimal.h"
#include "text/powers.h"
#include "text/uint128.h"

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

// Each route in integers gives what the steps beside it give, bit for bit,
// where it applies, and returns false (output untouched) elsewhere. The
// imperial routes and the decimal feet are defined below, in this header,
// for the formatter's typing path to take them in its own code.
// Imperial parts, in integers for typed lengths (2^-17 to 2^20 inches).
[[gnu::always_inline]] inline bool imperial_parts_in_integers(float inches, int32_t places, MeasurementParts& p,
                                                             uint64_t* rounded = nullptr);
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
[[gnu::always_inline]] inline bool decimal_feet_in_integers(const MeasurementParts& p, int32_t places, float& feet,
                                                           Decimal* record);
float decimal_feet_by_steps(const MeasurementParts& p, int32_t places);
// The metres of the decimal-metre styles as the record NUMBERTOTEXT writes
// with 15 digits: ROUNDTODIGITS(mid / 1000 + big, places), the steps.
Decimal decimal_metres(const MeasurementParts& p, int32_t places);
bool decimal_metres_in_integers(const MeasurementParts& p, int32_t places, Decimal& record);
long double decimal_metres_by_steps(const MeasurementParts& p, int32_t places);

// The routes in integers, and what they share.

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
inline float nearest_single(uint64_t r, int decimals) {
    return static_cast<float>(static_cast<double>(r) * kTenths[decimals]);
}

// The record NUMBERTOTEXT writes with seven digits of the single nearest
// x = r / 10^decimals (0 < r < 10^7), where that is r's own: the single
// lies within half a unit in its 24th bit of x, which is under 0.4 of a
// unit in x's seventh digit when x's first digits are below 6.71
// (2^-24 * 6.71 * 10^6 < 0.4); the single's seven digits then round back to
// r's, unless x is a power of ten that the single lies just below. Leaves
// the record without digits otherwise.
inline void nearest_single_record(uint64_t r, int32_t decimals, Decimal& record) {
    if (r == 0 || r >= kPowersOfTen[7]) return;
    const int k = decimal_length(r);
    if (r * kPowersOfTen[7 - k] >= 6710000 || r == kPowersOfTen[k - 1]) return;
    record = {r, -decimals, false};
}

// The same record for the single kept / 2^k (kept below 2^25): a whole
// number below 10^7, or m / 2^j (m odd, 1 <= j <= 7) whose exact decimal
// m * 5^j has at most seven digits (nothing to round); none otherwise.
inline void binary_feet_record(uint64_t kept, int k, Decimal& record) {
    if (kept == 0) return;
    const int zeros = std::countr_zero(kept);
    const uint64_t m = kept >> zeros;
    const int j = k - zeros;
    if (j < -24 || j > 7) return;
    const uint64_t d = j <= 0 ? m << -j : m * kPowersOfFive[j];
    if (d < kPowersOfTen[7]) record = {d, j < 0 ? 0 : -j, false};
}

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
// A typed length in integers: its whole feet, the whole inches beyond them
// and the fractional inch in units of 2^-40 (see imperial_parts_in_integers).
struct ImperialUnits {
    uint64_t feet = 0;
    uint32_t inches = 0;
    uint64_t fraction = 0;
};
inline constexpr int kInchFractionBits = 40;

[[gnu::always_inline]] inline bool imperial_units(float inches, ImperialUnits& u) {
    if (!(inches >= 0x1p-17f && inches < 0x1p20f)) return false;
    uint32_t bits = 0;
    std::memcpy(&bits, &inches, sizeof bits);
    const uint64_t significand = (bits & 0x7FFFFFu) | 0x800000u;
    constexpr uint64_t kOne = uint64_t{1} << kInchFractionBits;
    // inches = significand * 2^(biased - 150); the shift is 0 to 36.
    const uint64_t units = significand << ((bits >> 23) - (150 - kInchFractionBits));
    u.feet = units / (12 * kOne);
    const uint64_t rest = units - u.feet * 12 * kOne;
    u.inches = static_cast<uint32_t>(rest >> kInchFractionBits);
    u.fraction = rest & (kOne - 1);
    return true;
}

// The fractional inch (fraction / 2^40, not 0) as the split stores it at
// `places` decimals, with r where it was rounded to 0 to 6 of them; false
// where only the steps tell it.
[[gnu::always_inline]] inline bool fractional_inch_single(uint64_t fraction, int32_t places, float& small,
                                                         uint64_t* rounded) {
    constexpr uint64_t kOne = uint64_t{1} << kInchFractionBits;
    if (places < 0 || places >= 18) {
        if (fraction < (uint64_t{1} << 20)) return false;  // below 2^-20: rounded to 18 decimals
        small = static_cast<float>(static_cast<double>(fraction) * 0x1p-40);
    } else if (places <= 6) {
        const uint64_t scaled = fraction * kPowersOfTen[places];  // below 2^60
        uint64_t r = scaled >> kInchFractionBits;
        const uint64_t below = scaled & (kOne - 1);
        const uint64_t half = kOne >> 1;
        if (below > half || (below == half && (r & 1) != 0)) ++r;
        small = nearest_single(r, places);
        if (rounded != nullptr) *rounded = r;
    } else {
        return false;
    }
    return true;
}

[[gnu::always_inline]] inline bool imperial_parts_in_integers(float inches, int32_t places, MeasurementParts& p,
                                                             uint64_t* rounded) {
    ImperialUnits u;
    if (!imperial_units(inches, u)) return false;
    float small = 0;
    if (u.fraction != 0 && !fractional_inch_single(u.fraction, places, small, rounded)) return false;
    p.big = static_cast<float>(u.feet);
    p.mid = static_cast<float>(u.inches);
    p.small = small;
    return true;
}

// A fractional inch of 0 or from 2^-20 to 1 as a whole number of 2^-44 inches.
[[gnu::always_inline]] inline uint64_t small_in_feet_units(float small) {
    if (small == 0) return 0;
    uint32_t bits = 0;
    std::memcpy(&bits, &small, sizeof bits);
    // small = significand * 2^(biased - 150) with biased >= 107 here.
    return uint64_t{(bits & 0x7FFFFFu) | 0x800000u} << ((bits >> 23) - 106);
}

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
// returns false. Here from the length t, a whole number of 2^-44 inches
// below 2^63 (below 32768 feet).
[[gnu::always_inline]] inline bool decimal_feet_of_length(uint64_t t, int32_t places, float& feet, Decimal* record) {
    const int32_t decimals = places < 0 || places > 18 ? 18 : places;
    // Fractions of X are counted in units of 1 / (3 * 2^46).
    constexpr uint64_t kHalf = uint64_t{3} << 45;
    if (decimals <= 8) {
        // X * 10^places = n / (3 * 2^46) with n = high * 2^46 + low, so its
        // whole part is high / 3 and what is left, in those units, is
        // (high mod 3) * 2^46 + low.
        Uint128 n = multiply(t, kPowersOfTen[decimals]);  // below 2^90
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

// The decimal feet of parts: whole feet below 32768, whole inches below 12
// and a fractional inch of 0 or from 2^-20 to 1.
[[gnu::always_inline]] inline bool decimal_feet_in_integers(const MeasurementParts& p, int32_t places, float& feet,
                                                           Decimal* record) {
    if (!(p.big >= 0 && p.big < 32768 && p.mid >= 0 && p.mid < 12 && p.small >= 0 && p.small < 1)) return false;
    if (p.small != 0 && p.small < 0x1p-20f) return false;
    const auto whole_inches = static_cast<uint64_t>(static_cast<uint32_t>(p.big) * 12u + static_cast<uint32_t>(p.mid));
    if (static_cast<float>(whole_inches) != p.big * 12 + p.mid) return false;  // parts not whole
    return decimal_feet_of_length((whole_inches << 44) + small_in_feet_units(p.small), places, feet, record);
}

}  // namespace detail

}  // namespace wqj
