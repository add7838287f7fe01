// The x87 extended-precision layout (64-bit significand with its integer
// bit, 15-bit exponent) read and written directly, values composed from
// integer parts with one rounding, and rounding to whole numbers by the
// bits, independently of the floating-point unit's mode. Internal to the
// number conversions and the numeric services.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

namespace wqj::detail {

static_assert(std::numeric_limits<long double>::digits == 64,
              "long double must be the x87 80-bit extended format");

// ---- the extended-precision format ----------------------------------------

enum class Kind { Zero, Finite, Infinite, NaN };

// A long double taken apart: a finite value is mant * 2^exp.
struct Parts {
    bool neg = false;
    Kind kind = Kind::Zero;
    uint64_t mant = 0;
    int32_t exp = 0;
};

inline constexpr int32_t kSubnormalExp = -16445;  // exponent of the smallest unit
inline constexpr int32_t kExpOffset = 16446;      // biased field = exp + offset (mant normalised)

inline Parts decode(long double x) {
    unsigned char b[sizeof(long double)] = {};
    std::memcpy(b, &x, sizeof x);
    Parts p;
    std::memcpy(&p.mant, b, 8);
    const unsigned se = unsigned(b[8]) | (unsigned(b[9]) << 8);
    p.neg = (se & 0x8000u) != 0;
    const unsigned biased = se & 0x7FFFu;
    if (biased == 0x7FFFu) {
        p.kind = p.mant == (uint64_t(1) << 63) ? Kind::Infinite : Kind::NaN;
        return p;
    }
    if (p.mant == 0) {
        p.kind = Kind::Zero;
        return p;
    }
    p.kind = Kind::Finite;
    p.exp = biased == 0 ? kSubnormalExp : int32_t(biased) - kExpOffset;
    return p;
}

// The parts decode gives for a single widened to extended precision, read
// from the single's bits: storing an x87 value and reading its bits back
// stalls the processor, which the typing path can do without.
inline Parts decode_single(float x) {
    uint32_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    Parts p;
    p.neg = (bits >> 31) != 0;
    const uint32_t biased = (bits >> 23) & 0xFFu;
    const uint32_t fraction = bits & 0x7FFFFFu;
    if (biased == 0xFFu) {
        p.kind = fraction == 0 ? Kind::Infinite : Kind::NaN;
        p.mant = fraction == 0 ? uint64_t(1) << 63 : (uint64_t(1) << 63) | (uint64_t(1) << 62) | (uint64_t{fraction} << 40);
        return p;
    }
    if (biased == 0 && fraction == 0) return p;  // Kind::Zero
    p.kind = Kind::Finite;
    if (biased != 0) {
        p.mant = uint64_t{fraction | 0x800000u} << 40;
        p.exp = int32_t(biased) - 150 - 40;
    } else {
        const int lz = std::countl_zero(uint64_t{fraction});
        p.mant = uint64_t{fraction} << lz;
        p.exp = -149 - lz;
    }
    return p;
}

inline long double store(bool neg, uint64_t mant, unsigned biased) {
    long double x = 0.0L;
    unsigned char b[sizeof(long double)];
    std::memcpy(b, &x, sizeof x);
    std::memcpy(b, &mant, 8);
    const unsigned se = biased | (neg ? 0x8000u : 0u);
    b[8] = static_cast<unsigned char>(se & 0xFFu);
    b[9] = static_cast<unsigned char>(se >> 8);
    std::memcpy(&x, b, sizeof x);
    return x;
}

inline long double infinity(bool neg) { return store(neg, uint64_t(1) << 63, 0x7FFFu); }

inline long double not_a_number() { return std::numeric_limits<long double>::quiet_NaN(); }

// Builds (mant + tail) * 2^exp rounded to nearest, ties to even. `round_bit`
// is the bit just below mant's last bit and `sticky` says whether anything
// below that is non-zero; when either is given, mant must have bit 63 set.
inline long double compose(bool neg, uint64_t mant, int64_t exp, bool round_bit = false,
                    bool sticky = false) {
    if (mant == 0) return neg ? -0.0L : 0.0L;
    if ((mant >> 63) == 0) {
        const int lz = std::countl_zero(mant);
        mant <<= lz;
        exp -= lz;
    }
    int64_t biased = exp + kExpOffset;
    if (biased >= 1) {
        if (round_bit && (sticky || (mant & 1))) {
            if (++mant == 0) {
                mant = uint64_t(1) << 63;
                ++biased;
            }
        }
        if (biased >= 0x7FFF) return infinity(neg);
        return store(neg, mant, unsigned(biased));
    }
    // Below the normal range: fewer significant bits are kept.
    const int64_t shift = 1 - biased;
    uint64_t q = 0;
    bool r = false;
    bool st = round_bit || sticky;
    if (shift < 64) {
        q = mant >> shift;
        r = ((mant >> (shift - 1)) & 1) != 0;
        st = st || (mant & ((uint64_t(1) << (shift - 1)) - 1)) != 0;
    } else if (shift == 64) {
        r = (mant >> 63) != 0;
        st = st || (mant << 1) != 0;
    } else {
        st = true;
    }
    if (r && (st || (q & 1))) ++q;
    return store(neg, q, (q >> 63) ? 1u : 0u);
}

enum class Rounding { NearestEven, TowardZero, Down };

// Rounds to a whole number by the bits of the value, independently of the
// floating-point unit's rounding mode. Infinities and NaN pass through.
inline long double round_whole(long double x, Rounding mode) {
    const Parts p = decode(x);
    if (p.kind != Kind::Finite || p.exp >= 0) return x;
    const int32_t s = -p.exp;
    uint64_t whole = 0;
    bool above_half = false, half = false, any = true;
    if (s < 64) {
        whole = p.mant >> s;
        const uint64_t frac = p.mant & ((uint64_t(1) << s) - 1);
        const uint64_t h = uint64_t(1) << (s - 1);
        above_half = frac > h;
        half = frac == h;
        any = frac != 0;
    } else if (s == 64) {
        above_half = p.mant > (uint64_t(1) << 63);
        half = p.mant == (uint64_t(1) << 63);
    }
    switch (mode) {
        case Rounding::NearestEven:
            if (above_half || (half && (whole & 1))) ++whole;
            break;
        case Rounding::TowardZero:
            break;
        case Rounding::Down:
            if (p.neg && any) ++whole;
            break;
    }
    const long double r = static_cast<long double>(whole);
    return p.neg ? -r : r;
}

// The magnitude of a whole value below 2^64, read from its bits. A C++
// conversion from long double to an integer switches the x87 rounding mode
// to truncation and back: two control-word loads, slow on every processor.
// Values that are not finite, or not below 2^64, give 0.
inline uint64_t whole_magnitude(long double x) {
    const Parts p = decode(x);
    if (p.kind != Kind::Finite || p.exp > 0 || p.exp <= -64) return 0;
    return p.mant >> -p.exp;
}

// Rounds the decimal digits d[0..count) (each `zero` plus its value) to
// nearest, ties to even, by the digit that follows them (`next`) and whether
// any digit after that one is not zero (`rest`). Returns true when the carry
// runs out of the first digit: the digits are then all zero, and a 1
// belongs before them.
template <class Digit>
bool round_digits_half_even(Digit* d, size_t count, Digit zero, int next, bool rest) {
    if (next < 5 || (next == 5 && !rest && ((d[count - 1] - zero) & 1) == 0)) return false;
    size_t k = count;
    while (k > 0 && d[k - 1] == zero + 9) d[--k] = zero;
    if (k == 0) return true;
    ++d[k - 1];
    return false;
}

inline constexpr long double kTwo64 = 18446744073709551616.0L;

}  // namespace wqj::detail
