// The powers of ten and of five the number conversions and the measurement
// routes in integers work with, made once at compile time, and the estimate
// of a power of two's decimal exponent. Internal.
#pragma once

#include <cstdint>

namespace wqj::detail {

// base^0, base^1, ... base^(N - 1), each formed exactly (or, for a divided
// table, the nearest 1 / base^k).
template <class T, int N, bool kDivided = false>
struct Powers {
    T v[N];
    constexpr explicit Powers(T base) : v() {
        T p = 1;
        for (T& e : v) {
            e = kDivided ? T(1) / p : p;
            p *= base;
        }
    }
    constexpr T operator[](int32_t k) const { return v[k]; }
};

// Every power of ten below 2^64: 10^n is also the least whole number of
// n + 1 digits.
inline constexpr Powers<uint64_t, 20> kPowersOfTen(10);
// 5^0 to 5^27, all below 2^64: m / 2^k (k <= 27) is m * 5^k / 10^k, its
// exact decimal.
inline constexpr Powers<uint64_t, 28> kPowersOfFive(5);
// 10^0 to 10^27 in extended precision, all exact.
inline constexpr Powers<long double, 28> kExtendedPowersOfTen(10.0L);
// 10^0 to 10^-8, each the double nearest it.
inline constexpr Powers<double, 9, true> kTenths(10.0);

// The number of decimal digits of v (1 for 0).
constexpr int decimal_length(uint64_t v) {
    int len = 1;
    while (len < 20 && v >= kPowersOfTen[len]) ++len;
    return len;
}

// floor(e * log10 2): 2^e lies in [10^this, 10^(this + 1)). Exact for |e|
// below 13301; beyond, what the five digits of log10 2 give is off by one
// at most, which the callers' estimates allow for.
constexpr int32_t decimal_exponent_of_two(int32_t e) {
    return e >= 0 ? e * 30103 / 100000 : -((-e * 30103 + 99999) / 100000);
}

}  // namespace wqj::detail
