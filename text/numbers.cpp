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

// ---- decimal records and their text ---------------------------------------

// The record NUMBERTOTEXT writes with n digits for a value's parts: zero
// and NaN as 0, an infinity as n nines with the first at 10^998.
Decimal parts_record(const Parts& p, int n) {
    if (p.kind == Kind::Zero || p.kind == Kind::NaN) return {};
    if (p.kind == Kind::Infinite) return {kPowersOfTen[n] - 1, 999 - n, p.neg};
    return round_to_digits(leading_digits(p), n);
}

std::string record_text(long double value, int digits, Form form) {
    char text[kNumberTextRoom];
    return std::string(text, write_decimal(number_record(value, digits), std::clamp(digits, 1, 18), form, text));
}

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
    const uint64_t top = q * kPowersOfTen[18 - lq] + rest / unit;
    out = round_at_last_digit(p.neg, top, rest % unit, unit, inexact, dexp + 1 + lq);
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

Decimal detail::round_to_digits(Decimal d, int n) {
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

void detail::append_whole_number(std::string& out, int64_t value) {
    const uint64_t magnitude = value < 0 ? 0 - uint64_t(value) : uint64_t(value);
    // Below 10^15 (every 32-bit integer) the digits are the record.
    Decimal d{magnitude, 0, value < 0};
    if (magnitude >= kPowersOfTen[15]) d = round_to_digits(leading_of_integer(d.negative, magnitude, 0, false), 15);
    char text[kNumberTextRoom];
    out.append(text, write_decimal(d, 15, Form::Trimmed, text));
}

bool detail::short_single_decimal(float value, Decimal& out) {
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const uint32_t biased = (bits >> 23) & 0xFFu;
    if (biased == 0 || biased == 0xFFu) return false;
    uint32_t m = (bits & 0x7FFFFFu) | 0x800000u;
    const int zeros = std::countr_zero(m);
    m >>= zeros;
    const int k = 150 - int(biased) - zeros;  // the value is m / 2^k
    if (k < 1 || k > 7) return false;
    out = {m * kPowersOfFive[k], -k, (bits >> 31) != 0};  // below 2^41
    return true;
}

bool detail::single_decimal_by_product(float value, int n, Decimal& out) {
    if (n > 7) return false;
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const int biased = int((bits >> 23) & 0xFFu);
    const int L = 150 - biased;  // the value is M / 2^L
    if (L < 1 || L > 60) return false;
    const uint64_t M = (bits & 0x7FFFFFu) | 0x800000u;
    // The value lies in [2^e2, 2^(e2 + 1)), its first digit at 10^est or
    // 10^(est + 1) with est = floor(e2 * log10 2).
    const int e2 = biased - 127;
    int s = n - 1 - decimal_exponent_of_two(e2);
    if (s < 0 || s > 12) return false;  // M * 10^12 < 2^64
    uint64_t product = M * kPowersOfTen[s];
    if ((product >> L) >= kPowersOfTen[n]) {
        if (s == 0) return false;
        --s;
        product = M * kPowersOfTen[s];
    }
    auto q = static_cast<uint32_t>(product >> L);
    if (q < kPowersOfTen[n - 1] || q >= kPowersOfTen[n]) return false;
    // f in units of 2^-60.
    const uint64_t f = (product & ((uint64_t{1} << L) - 1)) << (60 - L);
    constexpr uint64_t kOne = uint64_t{1} << 60, kHalf = kOne / 2, kMargin = uint64_t{1} << 24;
    constexpr uint64_t kSixTenths5 = 3 * kOne;  // .6 as 5 f
    const uint64_t f5 = 5 * f;
    if (f >= kOne - kMargin || (f > kHalf ? f - kHalf : kHalf - f) <= kMargin ||
        (f5 > kSixTenths5 ? f5 - kSixTenths5 : kSixTenths5 - f5) <= 5 * kMargin)
        return false;
    out = {q, -s, (bits >> 31) != 0};
    if ((f5 > kSixTenths5 || (f > kHalf && (q & 1) != 0)) && ++out.digits == kPowersOfTen[n]) {
        out.digits = kPowersOfTen[n - 1];
        ++out.exponent;
    }
    return true;
}

Decimal detail::number_record(long double value, int digits) {
    return parts_record(decode(value), std::clamp(digits, 1, 18));
}

Decimal detail::single_record(float value, int digits) {
    const int n = std::clamp(digits, 1, 18);
    Decimal d;
    const bool exact = short_single_decimal(value, d) && d.digits < kPowersOfTen[n];
    if (exact || single_decimal_by_product(value, n, d)) return d;
    return parts_record(decode_single(value), n);
}

// ---- numbers and text -----------------------------------------------------

long double TEXTTONUMBER(std::string_view text) {
    const size_t n = text.size();
    // Up to nine plain digits: their integer, exactly what the general
    // reading below gives.
    if (uint32_t value = 0; detail::small_whole_number(text, value)) return static_cast<long double>(value);
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

std::string NUMBERTOTEXT(long double value, int digits) { return record_text(value, digits, Form::Number); }

std::string detail::number_text(long double value, int digits) { return record_text(value, digits, Form::Trimmed); }

// Every mask is written as ".######": the value's first 18 digits rounded
// to six decimals, ties to even, the point always written.
std::string FORMATWITHMASK(long double value, std::string_view /*mask*/) {
    const Parts p = decode(value);
    if (p.kind == Kind::Infinite) return number_text(value, 15);
    Decimal d;
    if (p.kind == Kind::Finite) d = leading_digits(p);
    if (const int32_t drop = -6 - d.exponent; drop > 19) {
        d = {0, -6, false};
    } else if (drop > 0) {
        const uint64_t unit = kPowersOfTen[drop];
        d = round_at_last_digit(d.negative, d.digits / unit, d.digits % unit, unit, false, -6);
    }
    std::string text(std::size_t(22 + (d.exponent < 0 ? -d.exponent : d.exponent)), '\0');
    text.resize(write_decimal(d, 18, Form::Mask, text.data()));
    return text;
}

}  // namespace wqj
