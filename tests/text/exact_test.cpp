// Tests of the exact arithmetic behind the number conversions: the big
// integer and the rounding of decimal digit strings.
#include "text/bigint.h"
#include "text/extended.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace wqj::detail {
namespace {

std::string Decimal(const BigUint& n) {
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
        {"(10^21 - 1) / 7", [] {
             BigUint n = TenToThe21MinusOne();
             EXPECT_EQ(n.divide_small(7), 5u);
             return n;
         }, "142857142857142857142", 67},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const BigUint n = c.make();
        EXPECT_EQ(Decimal(n), c.digits);
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

}  // namespace
}  // namespace wqj::detail
