// Rounding and integer arithmetic on extended values (see convert.h),
// worked from the bits so that both builds give the same results.
#include "convert.h"

#include <bit>
#include <cmath>

#include "text/extended.h"
#include "text/powers.h"

namespace wqj {

using namespace detail;

// ---- numeric services -----------------------------------------------------

long double ROUNDTODIGITS(long double x, int32_t decimals) {
    if (decimals < 0 || decimals > 18) decimals = 18;
    const long double scale = kExtendedPowersOfTen[decimals];
    const long double y = x * scale;
    // A value too large to scale has no decimals left to round.
    if (std::isinf(y) && !std::isinf(x)) return x;
    return round_whole(y, Rounding::NearestEven) / scale;
}

long double TRUNCATETOWARDZERO(long double x) { return round_whole(x, Rounding::TowardZero); }

long double FLOORTOINTEGER(long double x) { return round_whole(x, Rounding::Down); }

int32_t ROUNDTOINTEGER(long double x) {
    const long double r = round_whole(x, Rounding::NearestEven);
    if (std::isnan(r)) return 0;
    if (r >= 2147483647.0L) return INT32_MAX;
    if (r <= -2147483648.0L) return INT32_MIN;
    const auto magnitude = static_cast<int64_t>(whole_magnitude(r));
    return static_cast<int32_t>(r < 0 ? -magnitude : magnitude);
}

long double INTEGERDIVIDE(long double a, long double b) {
    const long double ra = round_whole(a, Rounding::NearestEven);
    const long double rb = round_whole(b, Rounding::NearestEven);
    if (std::isnan(ra) || std::isnan(rb)) return not_a_number();
    const bool neg = std::signbit(ra) != std::signbit(rb);
    if (rb == 0) return ra == 0 ? not_a_number() : infinity(neg);
    const long double ma = ra < 0 ? -ra : ra;
    const long double mb = rb < 0 ? -rb : rb;
    if (ma < kTwo64 && mb < kTwo64) {  // exact in 64-bit integers
        const long double q = static_cast<long double>(whole_magnitude(ma) / whole_magnitude(mb));
        return neg ? -q : q;
    }
    return round_whole(ra / rb, Rounding::TowardZero);
}

long double FLOATMODULO(long double a, long double b) {
    const Parts pa = decode(a), pb = decode(b);
    if (pb.kind == Kind::Zero) return 0.0L;
    if (pa.kind == Kind::NaN || pb.kind == Kind::NaN || pa.kind == Kind::Infinite) return not_a_number();
    if (pb.kind == Kind::Infinite || pa.kind == Kind::Zero) return a;
    uint64_t ma = pa.mant, mb = pb.mant;
    int32_t ea = pa.exp, eb = pb.exp;
    const int la = std::countl_zero(ma), lb = std::countl_zero(mb);
    ma <<= la;
    ea -= la;
    mb <<= lb;
    eb -= lb;
    if (ea < eb || (ea == eb && ma < mb)) return a;
    // Exact remainder of ma * 2^(ea - eb) by mb, one doubling at a time.
    uint64_t r = ma >= mb ? ma - mb : ma;
    for (int32_t i = ea; i > eb; --i) {
        const bool carry = (r >> 63) != 0;
        r <<= 1;
        if (carry || r >= mb) r -= mb;
    }
    return compose(pa.neg, r, eb);
}

}  // namespace wqj
