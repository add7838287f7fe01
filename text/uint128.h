// Unsigned 128-bit integers in two 64-bit halves, with the few operations
// that exact decimal digits and exact roundings need. Every operation is
// exact, so both builds give the same digits; only the product uses the
// compiler's 128-bit type where it has one (not on i686).
#pragma once

#include <cstddef>
#include <cstdint>

namespace wqj::detail {

struct Uint128 {
    uint64_t hi = 0, lo = 0;

    // Shifts right by 1 to 127 bits; returns whether a 1 bit was dropped.
    bool shift_right(int drop) {
        bool dropped = false;
        if (drop >= 64) {
            dropped = lo != 0 || (drop > 64 && (hi & ((uint64_t{1} << (drop - 64)) - 1)) != 0);
            lo = drop == 64 ? hi : hi >> (drop - 64);
            hi = 0;
        } else {
            dropped = (lo & ((uint64_t{1} << drop) - 1)) != 0;
            lo = (lo >> drop) | (hi << (64 - drop));
            hi >>= drop;
        }
        return dropped;
    }

    // (hi:lo) / 10^19 for hi below 10^19, in 32-bit digits (the divisor is
    // at least 2^63, so no normalising shift is needed).
    // Returns the quotient (below 2^64) and sets the remainder.
    uint64_t divide_by_ten19(uint64_t& remainder) const {
        constexpr uint64_t d = 10000000000000000000u;
        constexpr uint64_t b = uint64_t{1} << 32;
        constexpr uint64_t dn1 = d >> 32, dn0 = d & 0xFFFFFFFFu;
        const uint64_t un1 = lo >> 32, un0 = lo & 0xFFFFFFFFu;
        uint64_t q1 = hi / dn1;
        uint64_t rhat = hi - q1 * dn1;
        while (q1 >= b || q1 * dn0 > b * rhat + un1) {
            --q1;
            rhat += dn1;
            if (rhat >= b) break;
        }
        const uint64_t un21 = hi * b + un1 - q1 * d;
        uint64_t q0 = un21 / dn1;
        rhat = un21 - q0 * dn1;
        while (q0 >= b || q0 * dn0 > b * rhat + un0) {
            --q0;
            rhat += dn1;
            if (rhat >= b) break;
        }
        remainder = un21 * b + un0 - q0 * d;
        return q1 * b + q0;
    }
};

// The exact product, one instruction where the compiler has a 128-bit type
// (the same bits either way).
inline Uint128 multiply(uint64_t a, uint64_t b) {
#if defined(__SIZEOF_INT128__)
    __extension__ typedef unsigned __int128 Wide;
    const Wide p = static_cast<Wide>(a) * b;
    return {static_cast<uint64_t>(p >> 64), static_cast<uint64_t>(p)};
#else
    const uint64_t a0 = a & 0xFFFFFFFFu, a1 = a >> 32, b0 = b & 0xFFFFFFFFu, b1 = b >> 32;
    const uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
    const uint64_t middle = (p00 >> 32) + (p01 & 0xFFFFFFFFu) + (p10 & 0xFFFFFFFFu);
    Uint128 r;
    r.lo = (middle << 32) | (p00 & 0xFFFFFFFFu);
    r.hi = p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32);
    return r;
#endif
}

}  // namespace wqj::detail
