// A number as a decimal record: the routes that find a value's decimal
// digits each fill one, and one writer turns a record into text by the
// number-text rules. Internal.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "text/extended.h"
#include "text/powers.h"

namespace wqj::detail {

// The value (-1)^negative * digits * 10^exponent, digits below 10^19.
struct Decimal {
    uint64_t digits = 0;
    int32_t exponent = 0;
    bool negative = false;
};

// The first 18 significant digits of a finite non-zero value, rounded to
// nearest with ties to even, by one of three routes. The big-integer route
// writes out the value's digits in full for every value: it is the rule,
// against which the others are tested. The two fast routes give the same
// record where they apply and return false elsewhere: exactly in 64 bits
// (whole numbers below 2^64, and m / 2^k whose exact decimal m * 5^k fits),
// and in 128 bits (m * 5^j, j <= 27, truncated to about 20 digits).
Decimal big_integer_leading_digits(const Parts& p);
bool exact_leading_digits(const Parts& p, Decimal& out);
bool wide_leading_digits(const Parts& p, Decimal& out);
// The first route that applies, exact, wide or big integer.
Decimal leading_digits(const Parts& p);
// Leading digits rounded to n by the one digit after the n-th: above 5 up,
// below 5 down, a lone 5 to the even digit, the digits after it not looked
// at. A carry out of the first digit adds one in front.
Decimal round_to_digits(Decimal d, int n);

// The record NUMBERTOTEXT writes of a value with `digits` digits (clamped
// to 1 to 18): rounded to them, 0 for zero and NaN, n nines at 10^998 for
// an infinity. A single's is read from its bits (no trip through the x87).
Decimal number_record(long double value, int digits);
Decimal single_record(float value, int digits);
// Two fast routes for singles. A single m / 2^k (m odd, 1 <= k <= 7),
// what typed fractional lengths mostly are (6.375, .5, -.25): its exact
// decimal. A normal single to at most 7 digits, rounded lengths such as
// 6.38 and .0125 whose exact decimals run to ~20 digits: its n digits from
// one 64-bit product, where that product tells them (false near a tie).
bool short_single_decimal(float value, Decimal& out);
bool single_decimal_by_product(float value, int n, Decimal& out);

// How a record is written: as NUMBERTOTEXT writes a number ("-" or a blank
// first, the digits without trailing zeros, no "0" before the point,
// exponent form where plain form needs more than n digits); the same
// without the blank; the same never in exponent form; or as the six-decimal
// mask writes it (plain, the point always written, "." alone for 0).
enum class Form { Number, Trimmed, Plain, Mask };
// Room for a record of up to 18 digits in the number forms.
inline constexpr std::size_t kNumberTextRoom = 48;

// Writes v's digits backwards from `end`, stepping over `point`; 32-bit
// steps once the rest fits, cheaper on both builds.
[[gnu::always_inline]] inline void put_digits(uint64_t v, char* end, const char* point) {
    while (v > UINT32_MAX) {
        if (--end == point) --end;
        *end = char('0' + v % 10);
        v /= 10;
    }
    auto w = static_cast<uint32_t>(v);
    do {
        if (--end == point) --end;
        *end = char('0' + w % 10);
        w /= 10;
    } while (w != 0);
}

// The digits of a whole number v, what write_decimal writes of the record
// {v, 0} in the trimmed and plain forms where v has at most n digits: for
// the callers that know they hold one. Returns the length.
[[gnu::always_inline]] inline std::size_t write_whole_number(uint64_t v, char* out) {
    const int k = decimal_length(v);
    put_digits(v, out + k, nullptr);
    return std::size_t(k);
}

// Writes d, of at most n significant digits, and returns the length: in
// the number forms at most kNumberTextRoom bytes, in the others at most
// 22 + |exponent|. Inline at every call, where the form and often the
// exponent are known: a whole number then costs what writing its digits
// does.
[[gnu::always_inline]] inline std::size_t write_decimal(const Decimal& d, int n, Form form, char* out) {
    char* at = out;
    if (d.negative && d.digits != 0) *at++ = '-';
    else if (form == Form::Number) *at++ = ' ';
    if (d.digits == 0) {
        *at++ = form == Form::Mask ? '.' : '0';
        return std::size_t(at - out);
    }
    uint64_t v = d.digits;
    int64_t e = d.exponent;
    int k = decimal_length(v);
    // Exponent form where plain form would need more than n digits.
    const bool limited = form == Form::Number || form == Form::Trimmed;
    if (e < 0 || (limited && k + e > n)) {
        while (v % 10 == 0) {
            v /= 10;
            ++e;
            --k;
        }
    }
    if (e >= 0 && (!limited || k + e <= n)) {  // the digits and e zeros
        put_digits(v, at + k, nullptr);
        at += k;
        if (e > 0) at = std::fill_n(at, e, '0');
        if (form == Form::Mask) *at++ = '.';
    } else if (e < 0 && (!limited || -e <= n)) {  // the point -e places from the right
        const int64_t f = -e;
        if (k > f) {
            put_digits(v, at + k + 1, at + (k - f));
            at[k - f] = '.';
            at += k + 1;
        } else {
            *at++ = '.';
            if (k < f) at = std::fill_n(at, f - k, '0');
            put_digits(v, at + k, nullptr);
            at += k;
        }
    } else {  // d.ddd, "E", the sign and the exponent of the first digit
        put_digits(v, at + k + (k > 1 ? 1 : 0), at + 1);
        if (k > 1) at[1] = '.';
        at += k + (k > 1 ? 1 : 0);
        const int64_t x = e + k - 1;
        *at++ = 'E';
        *at++ = x < 0 ? '-' : '+';
        const uint64_t magnitude = uint64_t(x < 0 ? -x : x);
        at += decimal_length(magnitude);
        put_digits(magnitude, at, nullptr);
    }
    return std::size_t(at - out);
}

}  // namespace wqj::detail
