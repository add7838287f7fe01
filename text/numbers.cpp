// Number to text and text to number (see convert.h).
//
// The digit work is done here with exact integer arithmetic rather than with
// the C library's printf/strtold, so that the x86_64 Linux build and the
// i686 Windows build produce the same bytes and the same bits. Both targets
// carry long double in the x87 80-bit format (text/extended.h).
#include "convert.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "text/bigint.h"
#include "text/decimal.h"
#include "text/powers.h"
#include "text/uint128.h"
#include "text/extended.h"

namespace wqj {
namespace {

using namespace detail;

// ---- decimal digits of a value --------------------------------------------

// The value m * 2^e of a finite non-zero value's parts, m odd.
void odd_mantissa(const Parts& p, uint64_t& m, int32_t& e) {
    const int zeros = std::countr_zero(p.mant);
    m = p.mant >> zeros;
    e = p.exp + zeros;
}

int decimal_length(uint64_t v) {
    int len = 1;
    while (len < 20 && v >= kPowersOfTen[len]) ++len;
    return len;
}

// The power of ten that leaves about 20 digits of m / 2^k before the point.
int64_t digit_scale(uint64_t m, int64_t k) {
    const int64_t t = int64_t(64 - std::countl_zero(m)) - k;  // value < 2^t
    return 20 - decimal_exponent_of_two(int32_t(t));
}

// top * 10^exponent followed by tail / unit of its last digit (unit a
// power of ten, 1 when nothing follows) and, where `sticky`, something
// below that: rounded to nearest at top's last digit, ties to even. A carry
// out of 18 digits leaves 18.
Decimal round_at_last_digit(bool neg, uint64_t top, uint64_t tail, uint64_t unit, bool sticky, int32_t exponent) {
    if (unit > 1 && (tail > unit / 2 || (tail == unit / 2 && (sticky || (top & 1) != 0))) &&
        ++top == kPowersOfTen[18]) {
        top = kPowersOfTen[17];
        ++exponent;
    }
    return {top, exponent, neg};
}

// The first 18 digits of n * 10^dexp (n below 2^64, `sticky` for anything
// below n).
Decimal leading_of_integer(bool neg, uint64_t n, int32_t dexp, bool sticky) {
    const int len = decimal_length(n);
    if (len <= 18) return {n, dexp, neg};
    const uint64_t unit = kPowersOfTen[len - 18];
    return round_at_last_digit(neg, n / unit, n % unit, unit, sticky, dexp + len - 18);
}

}  // namespace

bool detail::exact_leading_digits(const Parts& p, Decimal& out) {
    uint64_t m = 0, exact = 0;
    int32_t e = 0;
    odd_mantissa(p, m, e);
    if (e >= 0) {
        if (64 - std::countl_zero(m) + e > 64) return false;
        exact = m << e;
        e = 0;
    } else if (-e > 27 || __builtin_mul_overflow(m, kPowersOfFive[-e], &exact)) {
        return false;
    }
    out = leading_of_integer(p.neg, exact, e, false);
    return true;
}

bool detail::wide_leading_digits(const Parts& p, Decimal& out) {
    uint64_t m = 0;
    int32_t e = 0;
    odd_mantissa(p, m, e);
    if (e >= 0) return false;
    // value = m / 2^k. Multiplying by 10^scale, chosen so that about 20
    // digits stay before the point, avoids expanding all k decimals.
    const int64_t k = -int64_t(e);
    const int64_t scale = digit_scale(m, k);
    if (std::min(scale, k) > 27) return false;
    // n * 10^dexp is the value, exactly or (when `inexact`) truncated.
    Uint128 n = multiply(m, kPowersOfFive[int32_t(std::min(scale, k))]);  // below 2^127
    int32_t dexp = e;
    bool inexact = false;
    if (scale < k) {
        inexact = n.shift_right(int(k - scale));  // n keeps about 20 digits: the shift is below 128
        dexp = int32_t(-scale);
    }
    if (n.hi == 0) {
        out = leading_of_integer(p.neg, n.lo, dexp, inexact);
        return true;
    }
    uint64_t rest = 0;
    const uint64_t q = n.divide_by_ten19(rest);
    const int lq = decimal_length(q);
    // n stays below about 10^21, so q has a digit or two; the first 18
    // digits are q's and the first 18 - lq of the 19 after them.
    if (lq > 18) return false;
    const uint64_t unit = kPowersOfTen[1 + lq];
    out = round_at_last_digit(p.neg, q * kPowersOfTen[18 - lq] + rest / unit, rest % unit, unit, inexact, dexp + 1 + lq);
    return true;
}

Decimal detail::big_integer_leading_digits(const Parts& p) {
    uint64_t m = 0;
    int32_t e = 0;
    odd_mantissa(p, m, e);
    // n * 10^dexp is the value, exactly or (when `inexact`) truncated to at
    // least 20 digits.
    BigUint n(m);
    int32_t dexp = 0;
    bool inexact = false;
    const int64_t k = -int64_t(e);
    if (e >= 0) {
        n.shift_left(size_t(e));
    } else if (const int64_t scale = digit_scale(m, k); scale < k) {
        n.mul_pow5(uint32_t(scale));
        inexact = n.any_below(size_t(k - scale));
        n.shift_right(size_t(k - scale));
        dexp = int32_t(-scale);
    } else {
        n.mul_pow5(uint32_t(k));
        dexp = e;
    }
    char s[BigUint::kMaxDigits];
    const size_t len = n.to_decimal(s);
    const size_t kept = std::min<size_t>(len, 18);
    bool carried = false;
    if (len > 18) {
        bool rest = inexact;
        for (size_t j = 19; j < len && !rest; ++j) rest = s[j] != '0';
        carried = round_digits_half_even(s, 18, '0', s[18] - '0', rest);
    }
    uint64_t top = 0;
    for (size_t j = 0; j < kept; ++j) top = top * 10 + uint64_t(s[j] - '0');
    if (carried) return {kPowersOfTen[17], dexp + int32_t(len) - 17, p.neg};
    return {top, dexp + int32_t(len - kept), p.neg};
}

Decimal detail::leading_digits(const Parts& p) {
    Decimal d;
    if (exact_leading_digits(p, d) || wide_leading_digits(p, d)) return d;
    return big_integer_leading_digits(p);
}

namespace {

// ---- decimal text to value ------------------------------------------------

// digits * 10^p rounded once to extended precision (digits < 10^18, non-zero).
long double scale_decimal(uint64_t digits, int64_t p) {
    if (p >= -27 && p <= 27) {
        // 10^|p| is exact, so one operation rounds correctly.
        const long double d = static_cast<long double>(digits);
        return p >= 0 ? d * kExtendedPowersOfTen[int32_t(p)] : d / kExtendedPowersOfTen[int32_t(-p)];
    }
    if (p > 0) {
        BigUint n(digits);
        n.mul_pow5(uint32_t(p));
        const size_t len = n.bit_length();  // > 64 here
        const size_t lo = len - 64;
        const bool round_bit = n.bit(lo - 1);
        const bool sticky = n.any_below(lo - 1);
        return compose(false, n.bits64(lo), int64_t(lo) + p, round_bit, sticky);
    }
    // digits / 5^-p * 2^p by long division to 64 quotient bits.
    BigUint num(digits);
    BigUint den(1);
    den.mul_pow5(uint32_t(-p));
    int64_t shift = int64_t(den.bit_length()) - int64_t(num.bit_length());
    if (shift > 0) num.shift_left(size_t(shift));
    else if (shift < 0) den.shift_left(size_t(-shift));
    if (num.compare(den) < 0) {
        num.shift_left(1);
        ++shift;
    }
    uint64_t q = 0;  // num / den lies in [1, 2) now
    for (int i = 0; i < 64; ++i) {
        q <<= 1;
        if (num.compare(den) >= 0) {
            num.subtract(den);
            q |= 1;
        }
        num.shift_left(1);
    }
    const bool round_bit = num.compare(den) >= 0;
    if (round_bit) num.subtract(den);
    return compose(false, q, p - shift - 63, round_bit, !num.zero());
}

int based_digit(char c, int base) {
    int d = -1;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    return d < base ? d : -1;
}

// Reads the based integer that follows "&" at position i.
long double read_based(std::string_view t, size_t i) {
    const size_t n = t.size();
    int base = 8;
    if (i < n) {
        switch (t[i]) {
            case 'H': case 'h': base = 16; ++i; break;
            case 'B': case 'b': base = 2; ++i; break;
            case 'O': case 'o': case 'Q': case 'q': base = 8; ++i; break;
            default: break;
        }
    }
    uint64_t v = 0;
    bool any = false, overflow = false, first_zero = false;
    for (; i < n; ++i) {
        const int d = based_digit(t[i], base);
        if (d < 0) break;
        if (!any) first_zero = d == 0;
        any = true;
        if (v > (UINT64_MAX - uint64_t(d)) / uint64_t(base)) overflow = true;
        if (!overflow) v = v * uint64_t(base) + uint64_t(d);
    }
    if (!any || overflow) return 0.0L;
    const bool unsigned_mark = i < n && t[i] == '?';
    const bool amp = i < n && t[i] == '&';
    const bool amp2 = amp && i + 1 < n && t[i + 1] == '&';
    if (!first_zero && !unsigned_mark) {
        if (v >= 0x8000u && v <= 0xFFFFu && !amp) return static_cast<long double>(int64_t(v) - 0x10000);
        if (v >= 0x80000000u && v <= 0xFFFFFFFFu && !amp2)
            return static_cast<long double>(int64_t(v) - int64_t(0x100000000));
    }
    return static_cast<long double>(v);
}

}  // namespace

// ---- numbers and text -----------------------------------------------------

long double TEXTTONUMBER(std::string_view text) {
    const size_t n = text.size();
    // Up to nine plain digits, the common case of the measurement readers:
    // their integer, exactly what the general reading below gives.
    if (n > 0 && n <= 9) {
        uint32_t value = 0;
        size_t i = 0;
        while (i < n && text[i] >= '0' && text[i] <= '9') value = value * 10 + uint32_t(text[i++] - '0');
        if (i == n) return static_cast<long double>(value);
    }
    size_t i = 0;
    while (i < n && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n')) ++i;
    if (i < n && text[i] == '&') return read_based(text, i + 1);
    bool neg = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) neg = text[i++] == '-';

    // Mantissa: the first 18 significant digits form an integer; the point
    // position and any further integer digits give its power of ten.
    uint64_t digits = 0;
    int nsig = 0;
    int64_t scale = 0;
    bool point = false, any_digit = false;
    for (; i < n; ++i) {
        const char c = text[i];
        if (c == '.') {
            if (point) break;
            point = true;
            continue;
        }
        if (c < '0' || c > '9') break;
        any_digit = true;
        const int d = c - '0';
        if (nsig == 0 && d == 0) {
            if (point) --scale;
        } else if (nsig < 18) {
            digits = digits * 10 + uint64_t(d);
            ++nsig;
            if (point) --scale;
        } else if (!point) {
            ++scale;
        }
    }
    if (!any_digit) return 0.0L;

    int64_t exponent = 0;
    if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        ++i;
        bool eneg = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) eneg = text[i++] == '-';
        for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i)
            exponent = std::min<int64_t>(exponent * 10 + (text[i] - '0'), 9999);
        if (eneg) exponent = -exponent;
    }
    // Digits that are all zeros: the value is 0, and the sign is applied
    // to it as to any other ("-0" is negative zero).
    if (digits == 0) return neg ? -0.0L : 0.0L;

    const int64_t p = scale + exponent;
    const int64_t first_digit_exp = nsig + p - 1;  // magnitude lies in [10^this, 10^(this+1))
    if (first_digit_exp >= 4932) return neg ? -0x1p127L : 0x1p127L;
    if (first_digit_exp < -4933) return 0.0L;
    const long double v = scale_decimal(digits, p);
    return neg ? -v : v;
}

void detail::append_whole_number(std::string& out, int64_t value) {
    constexpr int64_t kPlainLimit = 1000000000000000;  // 10^15
    if (value <= -kPlainLimit || value >= kPlainLimit) {
        out += number_text(static_cast<long double>(value), 15);
        return;
    }
    char digits[17];
    size_t at = sizeof digits;
    uint64_t magnitude = value < 0 ? uint64_t(-value) : uint64_t(value);
    // 32-bit steps while the rest fits: cheaper on both builds.
    while (magnitude > UINT32_MAX) {
        digits[--at] = char('0' + magnitude % 10);
        magnitude /= 10;
    }
    auto low = static_cast<uint32_t>(magnitude);
    do {
        digits[--at] = char('0' + low % 10);
        low /= 10;
    } while (low != 0);
    if (value < 0) digits[--at] = '-';
    out.append(digits + at, sizeof digits - at);
}

namespace {

// Writes the text of the n-digit value d[0].d[1]...d[n-1] x 10^e10 (its
// digits already rounded; trailing zeros are dropped here) after the sign
// byte at out[0]: plain where that needs no more than n digits, else in
// exponent form. Returns the length.
size_t write_digits(const uint8_t* d, int n, int32_t e10, char* out) {
    size_t len = 1;
    int k = n;
    while (k > 1 && d[k - 1] == 0) --k;
    const int64_t e = int64_t(e10) - (k - 1);  // value = D * 10^e
    auto put = [&](int from, int to) {
        for (int j = from; j < to; ++j) out[len++] = char('0' + d[j]);
    };
    auto zeros = [&](int64_t count) {
        for (int64_t j = 0; j < count; ++j) out[len++] = '0';
    };
    if (e == 0) {
        put(0, k);
    } else if (e > 0 && k + e <= n) {
        put(0, k);
        zeros(e);
    } else if (e < 0 && -e <= n) {
        const int f = int(-e);
        if (k > f) {
            put(0, k - f);
            out[len++] = '.';
            put(k - f, k);
        } else {
            out[len++] = '.';
            zeros(f - k);
            put(0, k);
        }
    } else {
        put(0, 1);
        if (k > 1) {
            out[len++] = '.';
            put(1, k);
        }
        out[len++] = 'E';
        out[len++] = e10 < 0 ? '-' : '+';
        uint32_t x = e10 < 0 ? uint32_t(-int64_t(e10)) : uint32_t(e10);
        char rev[10];
        int r = 0;
        do {
            rev[r++] = char('0' + x % 10);
            x /= 10;
        } while (x != 0);
        while (r > 0) out[len++] = rev[--r];
    }
    return len;
}

// The leading digits rounded to n by the one digit after the n-th: above 5
// up, below 5 down, a lone 5 to the even digit; the digits after that one
// are not looked at. A carry out of the first digit adds one in front.
Decimal round_to_digits(Decimal d, int n) {
    const int len = decimal_length(d.digits);
    if (n >= len) return d;
    const uint64_t step = kPowersOfTen[len - n];
    const int next = int(d.digits / (step / 10) % 10);
    d.digits /= step;
    d.exponent += len - n;
    if ((next > 5 || (next == 5 && (d.digits & 1) != 0)) && ++d.digits == kPowersOfTen[n]) {
        d.digits = kPowersOfTen[n - 1];
        ++d.exponent;
    }
    return d;
}

// A record's digits one by one in d[0..18), and the exponent of the first.
int32_t digit_array(const Decimal& r, uint8_t (&d)[18]) {
    const int len = decimal_length(r.digits);
    uint64_t v = r.digits;
    for (int j = 0; j < 18; ++j) d[j] = 0;
    for (int j = len - 1; j >= 0; --j) {
        d[j] = uint8_t(v % 10);
        v /= 10;
    }
    return r.exponent + len - 1;
}

size_t write_parts_text(const Parts& p, int digits, char (&out)[kNumberTextRoom]) {
    const int n = std::clamp(digits, 1, 18);
    if (p.kind == Kind::Zero || p.kind == Kind::NaN) {
        out[0] = ' ';
        out[1] = '0';
        return 2;
    }
    out[0] = p.neg ? '-' : ' ';
    if (p.kind == Kind::Infinite) {
        // 9.99...E+998 with n nines.
        size_t len = 1;
        out[len++] = '9';
        if (n > 1) {
            out[len++] = '.';
            for (int j = 1; j < n; ++j) out[len++] = '9';
        }
        for (const char c : {'E', '+', '9', '9', '8'}) out[len++] = c;
        return len;
    }
    uint8_t d[18];
    const int32_t e10 = digit_array(round_to_digits(leading_digits(p), n), d);
    return write_digits(d, n, e10, out);
}

// A single m / 2^k (m odd) with 1 to 7 decimals whose exact decimal
// D * 10^-k has at most n digits, what typed fractional lengths mostly are
// (6.375, .5, -.25): no rounding to do, and D ends in a digit other than 0
// (m and 5^k are odd), so its text is D with the point k places from the
// right. Returns 0 for any other value.
size_t write_short_single(float value, int n, char (&out)[kNumberTextRoom]) {
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const uint32_t biased = (bits >> 23) & 0xFFu;
    if (biased == 0 || biased == 0xFFu) return 0;
    uint32_t m = (bits & 0x7FFFFFu) | 0x800000u;
    const int zeros = std::countr_zero(m);
    m >>= zeros;
    const int k = 150 - int(biased) - zeros;  // the value is m / 2^k
    if (k < 1 || k > 7 || k > n) return 0;
    const uint64_t d = m * kPowersOfFive[k];  // below 2^41
    if (d >= kPowersOfTen[n]) return 0;
    out[0] = (bits >> 31) != 0 ? '-' : ' ';
    return 1 + write_point_text(d, decimal_length(d), k, out + 1);
}

// A normal single with at most 7 digits asked for, from one 64-bit
// product: M * 10^s / 2^L = q + f with q its first n digits and 0 <= f < 1.
// NUMBERTOTEXT rounds the exact value to 18 digits (leading_digits) and
// then to n by the digit after the n-th; the first rounding moves f by at
// most 5e-12, which changes neither that digit nor q unless f lies within
// 2^-36 of .5, .6 or 1. Away from those the digit after the n-th is f's:
// q goes up when f >= .6, or when f >= .5 and q is odd. Returns 0 near
// them, for values outside 2^-37 to 2^23 and for texts in exponent form.
// Rounded lengths are such singles: 6.38 and .0125, whose exact decimals
// run to ~20 digits.
size_t write_single_by_product(float value, int n, char (&out)[kNumberTextRoom]) {
    if (n > 7) return 0;
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const int biased = int((bits >> 23) & 0xFFu);
    const int L = 150 - biased;  // the value is M / 2^L
    if (L < 1 || L > 60) return 0;
    const uint64_t M = (bits & 0x7FFFFFu) | 0x800000u;
    // The value lies in [2^e2, 2^(e2 + 1)), its first digit at 10^est or
    // 10^(est + 1) with est = floor(e2 * log10 2).
    const int e2 = biased - 127;
    int s = n - 1 - decimal_exponent_of_two(e2);
    if (s < 0 || s > 12) return 0;  // M * 10^12 < 2^64
    uint64_t product = M * kPowersOfTen[s];
    if ((product >> L) >= kPowersOfTen[n]) {
        if (s == 0) return 0;
        --s;
        product = M * kPowersOfTen[s];
    }
    auto q = static_cast<uint32_t>(product >> L);
    if (q < kPowersOfTen[n - 1] || q >= kPowersOfTen[n]) return 0;
    // f in units of 2^-60.
    const uint64_t f = (product & ((uint64_t{1} << L) - 1)) << (60 - L);
    constexpr uint64_t kOne = uint64_t{1} << 60, kHalf = kOne / 2, kMargin = uint64_t{1} << 24;
    constexpr uint64_t kSixTenths5 = 3 * kOne;  // .6 as 5 f
    const uint64_t f5 = 5 * f;
    if (f >= kOne - kMargin || (f > kHalf ? f - kHalf : kHalf - f) <= kMargin ||
        (f5 > kSixTenths5 ? f5 - kSixTenths5 : kSixTenths5 - f5) <= 5 * kMargin)
        return 0;
    int e10 = n - 1 - s;  // of q's first digit
    if (f5 > kSixTenths5 || (f > kHalf && (q & 1) != 0)) {
        if (++q == kPowersOfTen[n]) {
            q = uint32_t(kPowersOfTen[n - 1]);
            ++e10;
        }
    }
    // q without its trailing zeros has k digits, the last standing at 10^e.
    int k = n;
    if (q % 10000 == 0) {
        q /= 10000;
        k -= 4;
    }
    if (q % 100 == 0) {
        q /= 100;
        k -= 2;
    }
    if (q % 10 == 0) {
        q /= 10;
        k -= 1;
    }
    const int e = e10 - (k - 1);
    if (e > 0 ? k + e > n : -e > n) return 0;  // exponent form
    out[0] = (bits >> 31) != 0 ? '-' : ' ';
    return 1 + write_point_text(q, k, -e, out + 1);
}

}  // namespace

size_t detail::write_number_text(long double value, int digits, char (&out)[kNumberTextRoom]) {
    return write_parts_text(decode(value), digits, out);
}

size_t detail::write_number_text(float value, int digits, char (&out)[kNumberTextRoom]) {
    const int n = std::clamp(digits, 1, 18);
    const size_t short_text = write_short_single(value, n, out);
    if (short_text != 0) return short_text;
    const size_t by_product = write_single_by_product(value, n, out);
    if (by_product != 0) return by_product;
    return write_parts_text(decode_single(value), digits, out);
}

std::string NUMBERTOTEXT(long double value, int digits) {
    char text[kNumberTextRoom];
    return std::string(text, detail::write_number_text(value, digits, text));
}

std::string detail::number_text(long double value, int digits) {
    std::string text = NUMBERTOTEXT(value, digits);
    if (!text.empty() && text.front() == ' ') text.erase(0, 1);
    return text;
}

// Every mask is written as ".######": a point and up to six decimals.
std::string FORMATWITHMASK(long double value, std::string_view /*mask*/) {
    const Parts p = decode(value);
    if (p.kind == Kind::Zero || p.kind == Kind::NaN) return ".";
    if (p.kind == Kind::Infinite) return NUMBERTOTEXT(value, 15).substr(p.neg ? 0 : 1);

    uint8_t digits[18];
    const int64_t e10 = digit_array(leading_digits(p), digits);
    const struct { const uint8_t* d; } s{digits};
    auto digit_at = [&](int64_t idx) -> int { return idx >= 0 && idx < 18 ? s.d[idx] : 0; };
    // The integer digits followed by exactly six decimals.
    size_t int_digits = e10 >= 0 ? size_t(e10 + 1) : 0;
    std::string body;
    body.reserve(int_digits + 7);
    for (size_t idx = 0; idx < int_digits; ++idx) body += char('0' + digit_at(int64_t(idx)));
    for (int j = 1; j <= 6; ++j) body += char('0' + digit_at(e10 + j));

    const int seventh = digit_at(e10 + 7);
    bool rest = false;
    for (int64_t idx = std::max<int64_t>(e10 + 8, 0); idx < 18; ++idx) rest = rest || s.d[idx] != 0;
    if (round_digits_half_even(body.data(), body.size(), '0', seventh, rest)) {
        body.insert(body.begin(), '1');
        ++int_digits;
    }
    size_t first = 0;
    while (first < int_digits && body[first] == '0') ++first;
    size_t last = body.size();
    while (last > int_digits && body[last - 1] == '0') --last;
    const bool zero = first == int_digits && last == int_digits;

    std::string out;
    if (p.neg && !zero) out += '-';
    out.append(body, first, int_digits - first);
    out += '.';
    out.append(body, int_digits, last - int_digits);
    return out;
}

}  // namespace wqj
