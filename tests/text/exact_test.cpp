// Tests of the exact arithmetic behind the number conversions: the big
// integer, 128-bit integers, the rounding of decimal digit strings, and the
// routes to a value's leading digits against the big-integer route.
#include "text/bigint.h"
#include "text/decimal.h"
#include "text/extended.h"
#include "text/uint128.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

namespace wqj::detail {
namespace {

std::string DigitsOf(const BigUint& n) {
    static char digits[BigUint::kMaxDigits];
    return std::string(digits, n.to_decimal(digits));
}

BigUint PowerOf2(size_t k) {
    BigUint n(1);
    n.shift_left(k);
    return n;
}

BigUint TenToThe21MinusOne() {
    BigUint n(1);
    n.mul_pow5(21);
    n.shift_left(21);
    n.subtract(BigUint(1));
    return n;
}

// Each row builds a number by the operations the conversions use; the
// digits and the bit length say whether words, carries and borrows came out.
TEST(BigUint, Operations) {
    const struct {
        const char* what;
        BigUint (*make)();
        const char* digits;
        size_t bits;
    } cases[] = {
        {"zero", [] { return BigUint(0); }, "0", 0},
        {"2^64 - 1", [] { return BigUint(UINT64_MAX); }, "18446744073709551615", 64},
        {"5^30, across 5^13 steps", [] { BigUint n(1); n.mul_pow5(30); return n; }, "931322574615478515625", 70},
        {"2^100", [] { return PowerOf2(100); }, "1267650600228229401496703205376", 101},
        {"2^100 >> 37", [] { BigUint n = PowerOf2(100); n.shift_right(37); return n; }, "9223372036854775808", 64},
        {"2^100 >> 101", [] { BigUint n = PowerOf2(100); n.shift_right(101); return n; }, "0", 0},
        {"10^21 - 1", TenToThe21MinusOne, "999999999999999999999", 70},
        {"2^100 - 1, a borrow through every word", [] { BigUint n = PowerOf2(100); n.subtract(BigUint(1)); return n; },
         "1267650600228229401496703205375", 100},
        {"equal words borrow nothing", [] { BigUint n(UINT64_MAX); n.subtract(BigUint(0xFFFFFFFFu)); return n; },
         "18446744069414584320", 64},
        {"(10^21 - 1) / 7", [] {
             BigUint n = TenToThe21MinusOne();
             EXPECT_EQ(n.divide_small(7), 5u);
             return n;
         }, "142857142857142857142", 67},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const BigUint n = c.make();
        EXPECT_EQ(DigitsOf(n), c.digits);
        EXPECT_EQ(n.bit_length(), c.bits);
    }
}

// The bits scale_decimal reads: 64 from a position, and whether any lies below.
TEST(BigUint, Bits) {
    BigUint n = PowerOf2(100);
    n.subtract(BigUint(1));  // bits 0 to 99 set
    EXPECT_EQ(n.bits64(36), UINT64_MAX);
    EXPECT_EQ(n.bits64(37), UINT64_MAX >> 1);
    EXPECT_TRUE(n.any_below(1));
    EXPECT_FALSE(PowerOf2(100).any_below(100));
    EXPECT_TRUE(PowerOf2(100).any_below(101));
}

// Rounding a digit string by the digit after it and whether anything
// non-zero follows: ties go to the even last digit, a carry runs through
// nines and may run out of the first digit.
TEST(DigitRounding, HalfEven) {
    const struct {
        const char* digits;
        int next;
        bool rest;
        const char* want;
        bool carried_out;
    } cases[] = {
        {"124", 4, true, "124", false},  {"124", 5, false, "124", false}, {"125", 5, false, "126", false},
        {"124", 5, true, "125", false},  {"124", 6, false, "125", false}, {"129", 5, false, "130", false},
        {"1999", 7, false, "2000", false}, {"998", 5, false, "998", false}, {"999", 5, false, "000", true},
        {"9", 9, false, "0", true},      {"0", 5, false, "0", false},     {"0", 5, true, "1", false},
    };
    for (const auto& c : cases) {
        std::string d = c.digits;
        SCOPED_TRACE(d + " then " + std::to_string(c.next) + (c.rest ? " and more" : ""));
        EXPECT_EQ(round_digits_half_even(d.data(), d.size(), '0', c.next, c.rest), c.carried_out);
        EXPECT_EQ(d, c.want);
    }
}

// Shifts at and beside the word boundary, with and without a 1 bit in what
// is dropped.
TEST(Uint128, ShiftRight) {
    constexpr uint64_t kTop = uint64_t{1} << 63;
    const struct {
        uint64_t hi, lo;
        int drop;
        uint64_t want_hi, want_lo;
        bool dropped;
    } cases[] = {
        {0, 0b1011, 1, 0, 0b101, true},    {0, 0b1010, 1, 0, 0b101, false}, {1, 0, 1, 0, kTop, false},
        {kTop, 1, 63, 1, 0, true},         {kTop, 0, 63, 1, 0, false},      {5, 0, 64, 0, 5, false},
        {5, 1, 64, 0, 5, true},            {6, 0, 65, 0, 3, false},         {7, 0, 65, 0, 3, true},
        {kTop, 0, 127, 0, 1, false},       {kTop | 1, 0, 127, 0, 1, true},  {kTop, 0, 64, 0, kTop, false},
    };
    for (const auto& c : cases) {
        Uint128 n{c.hi, c.lo};
        SCOPED_TRACE(c.drop);
        EXPECT_EQ(n.shift_right(c.drop), c.dropped);
        EXPECT_EQ(n.hi, c.want_hi);
        EXPECT_EQ(n.lo, c.want_lo);
    }
}

// Quotients at the edges of 10^19, and rows in which each estimated
// quotient digit has to be corrected (once, or until its remainder passes
// 2^32).
TEST(Uint128, DivideByTenToThe19) {
    constexpr uint64_t kTen19 = 10000000000000000000u;
    const struct {
        uint64_t hi, lo, q, r;
    } cases[] = {
        {0, kTen19, 1, 0},
        {0, kTen19 - 1, 0, kTen19 - 1},
        {0, UINT64_MAX, 1, 8446744073709551615u},
        {1, 0, 1, 8446744073709551616u},
        {kTen19 - 1, UINT64_MAX, UINT64_MAX, kTen19 - 1},
        {38849760603697497u, 8215943604655495768u, 71665159118129162u, 3303195580227000920u},
        {991110786884u, 2175216119781798972u, 1828276703434u, 4212615120355603516u},
        {1286739557650226892u, 364164351873423805u, 2373615530949197285u, 9972219121858681277u},
        {9987297454309550045u, 12663392048017480143u, 18423312012765918366u, 742052731680102863u},
        {9292448859036616880u, 14563254550623130632u, 17141542592068279704u, 201794501000008712u},
        {9336970203976653992u, 4916782679139820768u, 17223669977660900535u, 8990056561436271840u},
    };
    for (const auto& c : cases) {
        uint64_t r = 0;
        SCOPED_TRACE(std::to_string(c.hi) + ":" + std::to_string(c.lo));
        EXPECT_EQ((Uint128{c.hi, c.lo}).divide_by_ten19(r), c.q);
        EXPECT_EQ(r, c.r);
    }
}

TEST(Uint128, Multiply) {
    const struct {
        uint64_t a, b, hi, lo;
    } cases[] = {
        {UINT64_MAX, UINT64_MAX, UINT64_MAX - 1, 1},
        {uint64_t{1} << 32, uint64_t{1} << 32, 1, 0},
        {0xFFFFFFFFu, 0xFFFFFFFFu, 0, 0xFFFFFFFE00000001u},
        {0xFFFFFFFF00000001u, 0xFFFFFFFFu, 0xFFFFFFFEu, 0x1FFFFFFFFu},
        {7450580596923828125u, 3, 1, 0x363156BBEE3016D7u},
    };
    for (const auto& c : cases) {
        const Uint128 n = multiply(c.a, c.b);
        EXPECT_EQ(n.hi, c.hi) << c.a << " * " << c.b;
        EXPECT_EQ(n.lo, c.lo) << c.a << " * " << c.b;
    }
}

Decimal WithoutTrailingZeros(Decimal d) {
    while (d.digits != 0 && d.digits % 10 == 0) {
        d.digits /= 10;
        ++d.exponent;
    }
    return d;
}

// Agreement of a fast route with the big-integer route, where it applies.
::testing::AssertionResult SameAsBigInteger(bool (*route)(const Parts&, Decimal&), long double x, bool& taken) {
    Decimal fast;
    taken = route(decode(x), fast);
    const Decimal rule = big_integer_leading_digits(decode(x));
    if (!taken || (fast.digits == rule.digits && fast.exponent == rule.exponent && fast.negative == rule.negative))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << static_cast<double>(x) << ": " << fast.digits << "E" << fast.exponent
                                         << " for " << rule.digits << "E" << rule.exponent;
}

// The first 18 digits of each value by the big-integer route, rounded to
// nearest with ties to even (trailing zeros dropped here), and which fast
// route takes it: whole numbers and m / 2^k at both ends of 64 bits, ties
// at the 19th digit, and the ends of the extended range.
TEST(LeadingDigits, RowsOfTheBigIntegerRoute) {
    using LD = std::numeric_limits<long double>;
    const struct {
        long double value;
        uint64_t digits;
        int32_t exponent;
        bool exact, wide;
    } cases[] = {
        {12.5L, 125, -1, true, true},
        {-2.5L, 25, -1, true, true},
        {18446744073709551615.0L, 184467440737095516u, 2, true, false},  // 2^64 - 1: 20 digits
        {0x1p64L, 184467440737095516u, 2, false, false},
        {1e20L, 1, 20, false, false},
        {0x1p-27L, 745058059692382812u, -26, true, true},   // ...8125: a tie, kept even
        {0x3p-27L, 223517417907714844u, -25, false, true},  // 3 * 5^27 passes 2^64
        {0x1.FFFFEp-1L, 999999046325683594u, -18, false, true},  // m * 5^20 past 2^64, kept whole
        {1.0L / 3, 333333333333333333u, -18, false, true},
        {0.1L, 1, -1, false, true},
        {0.1f, 100000001490116119u, -18, false, true},
        {1e300L, 1, 300, false, false},
        {1e-4000L, 1, -4000, false, false},
        {LD::max(), 118973149535723177u, 4915, false, false},
        {LD::denorm_min(), 36451995318824746u, -4967, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.value));
        const Decimal rule = WithoutTrailingZeros(big_integer_leading_digits(decode(c.value)));
        EXPECT_EQ(rule.digits, c.digits);
        EXPECT_EQ(rule.exponent, c.exponent);
        EXPECT_EQ(rule.negative, c.value < 0);
        bool exact = false, wide = false;
        EXPECT_TRUE(SameAsBigInteger(exact_leading_digits, c.value, exact));
        EXPECT_TRUE(SameAsBigInteger(wide_leading_digits, c.value, wide));
        EXPECT_EQ(exact, c.exact);
        EXPECT_EQ(wide, c.wide);
    }
}

// A seeded spread of extended values: full and short significands, whole
// numbers and fractions from about 2^-130 to 2^133, and the whole exponent
// range.
// Each fast route gives the big-integer route's record wherever it applies.
TEST(LeadingDigits, FastRoutesAgreeWithTheBigIntegerRoute) {
    std::vector<long double> values;
    uint64_t seed = 7;
    auto next = [&seed] { return seed = seed * 6364136223846793005u + 1442695040888963407u; };
    for (int i = 0; i < 120000; ++i) {
        const uint64_t mant = (next() | (uint64_t{1} << 63)) >> (i % 3 == 0 ? 36 + next() % 28 : 0);
        const int64_t exp = i % 40 == 0 ? int64_t(next() % 32000) - 16400 : int64_t(next() % 200) - 130;
        values.push_back(compose(i % 2 == 0, mant, exp));
    }
    int exact_count = 0, wide_count = 0;
    for (const long double x : values) {
        bool taken = false;
        ASSERT_TRUE(SameAsBigInteger(exact_leading_digits, x, taken));
        exact_count += taken;
        ASSERT_TRUE(SameAsBigInteger(wide_leading_digits, x, taken));
        wide_count += taken;
    }
    // Both routes are met often enough to be tried.
    EXPECT_GT(exact_count, 10000);
    EXPECT_GT(wide_count, 30000);
    std::printf("exact route: %d, wide route: %d of %zu values\n", exact_count, wide_count, values.size());
}

}  // namespace
}  // namespace wqj::detail
