// Tests of the number and text conversion services.
#include "text/convert.h"
#include "text/decimal.h"
#include "text/fields.h"
#include "text/powers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

using namespace std::literals;

namespace wqj {
namespace {

using LD = std::numeric_limits<long double>;
constexpr long double kOverflow = 0x1p127L;

// Floating results are compared by their 80 bits, so a last-bit or a sign of
// zero difference fails.
::testing::AssertionResult SameBits(long double got, long double want) {
    unsigned char a[10], b[10];
    std::memcpy(a, &got, 10);
    std::memcpy(b, &want, 10);
    if (std::memcmp(a, b, 10) == 0) return ::testing::AssertionSuccess();
    auto hex = [](const unsigned char* p) {
        std::string s;
        for (int i = 9; i >= 0; --i) s += "0123456789abcdef"[p[i] >> 4], s += "0123456789abcdef"[p[i] & 15];
        return s;
    };
    return ::testing::AssertionFailure() << "got " << hex(a) << " want " << hex(b);
}

bool Inside(std::string_view part, std::string_view whole) {
    return part.empty() || (part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size());
}

struct NumCase {
    std::string_view in;
    long double want;
};

void CheckTextToNumber(const NumCase* cases, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        SCOPED_TRACE(std::string(cases[i].in.substr(0, 60)));
        EXPECT_TRUE(SameBits(TEXTTONUMBER(cases[i].in), cases[i].want));
    }
}

TEST(TextToNumber, DecimalPrefix) {
    const NumCase cases[] = {
        {"  12.5ft", 12.5L}, {"1,250", 1}, {"1.2.3", 1.2L}, {"--5", 0}, {"- 5", 0}, {"\t7", 7},
        {"\n7", 7}, {"\r7", 0}, {"\0" "7"sv, 0}, {"12\0" "5"sv, 12}, {"1e3", 1000}, {"2D2", 200},
        {"2d-1", 0.2L}, {"1E+3", 1000}, {".5", 0.5L}, {"5.", 5}, {"+7", 7}, {"-.25", -0.25L},
        {"", 0}, {".", 0}, {"-", 0}, {"+", 0}, {"-.", 0}, {"abc", 0}, {".e5", 0},
        {"5E", 5}, {"5Ex", 5}, {"5E+", 5}, {"5 E3", 5}, {"0.1", 0.1L}, {"000123", 123},
        {"0.000123", 0.000123L}, {"-3.75e-2", -0.0375L},
        // nine plain digits read directly, ten by the general reading
        {"999999999", 999999999}, {"1234567890", 1234567890}, {"9999999999", 9999999999.0L},
    };
    CheckTextToNumber(cases, std::size(cases));
}

// Only the first 18 significant digits count; later integer digits only
// move the point, later decimals are dropped (no rounding).
TEST(TextToNumber, EighteenDigitsAreTruncated) {
    const NumCase cases[] = {
        {"1234567890123456789", 1234567890123456780.0L},
        {"123456789012345678999", 123456789012345678000.0L},
        {"0.1234567890123456789", 0.123456789012345678L},
        {"0000.0001234567890123456789", 0.0001234567890123456780L},
        {"9.99999999999999999999", 9.99999999999999999L},
        {"1234567890123456789.9e-1", 123456789012345678.0L},
    };
    CheckTextToNumber(cases, std::size(cases));
}

TEST(TextToNumber, ScaledAndLimited) {
    // The exponent is capped at 9999 before the point position is applied.
    const std::string capped = "0." + std::string(5067, '0') + "1e10000";
    const std::string long_exponent = "1e" + std::string(100000, '0') + "5";
    const NumCase cases[] = {
        {"1e27", 1e27L}, {"1e28", 1e28L}, {"1e-28", 1e-28L}, {"1e300", 1e300L}, {"1e-300", 1e-300L},
        {"1.7976931348623157e308", 1.7976931348623157e308L}, {"4.5e38", 4.5e38L},
        {"123456789012345678e-40", 123456789012345678e-40L}, {"7e-4000", 7e-4000L},
        {"1e4931", 1e4931L}, {"9.99e4931", 9.99e4931L}, {"99999e4927", 99999e4927L},
        {"1e4932", kOverflow}, {"-1e4932", -kOverflow}, {"10e4931", kOverflow},
        {"1e99999", kOverflow}, {"1e9999", kOverflow},
        {"1e-4933", 1e-4933L}, {"2e-4932", 2e-4932L}, {"123456789012345678e-4950", 123456789012345678e-4950L},
        {"9.9e-4934", 0}, {"1e-99999", 0}, {capped, 1e4931L},
        {long_exponent, 1e5L},
    };
    CheckTextToNumber(cases, std::size(cases));
}

TEST(TextToNumber, BasedIntegers) {
    const NumCase cases[] = {
        {"&HFF", 255}, {"&hff", 255}, {"&HFFFF", -1}, {"&HFFFF&", 65535}, {"&HFFFF&&", 65535},
        {"&H8000", -32768}, {"&H7FFF", 32767}, {"&H0FFFF", 65535}, {"&HFFFF?", 65535},
        {"&H10000", 65536}, {"&HFFFFFFFF", -1}, {"&HFFFFFFFF&", -1}, {"&HFFFFFFFF&&", 4294967295.0L},
        {"&H80000000", -2147483648.0L}, {"&H080000000", 2147483648.0L}, {"&HFFFFFFFF?", 4294967295.0L},
        {"&HFFFFFFFFFFFFFFFF", 18446744073709551615.0L}, {"&H10000000000000000", 0},
        {"&H000000000000000000001", 1}, {"&H", 0}, {"&", 0}, {"&O17", 15}, {"&Q17", 15},
        {"&o17", 15}, {"&17", 15}, {"&177777", -1}, {"&8", 0}, {"&B101", 5},
        {"&B1111111111111111", -1}, {"&B2", 0}, {"&H-1", 0}, {"-&H10", 0}, {" \t&H10", 16},
        {"&HFFx", 255}, {"&XFF", 0}, {"&H1.5", 1},
        // the marks count only inside the text
        {std::string_view("&HFFFF&", 6), -1}, {std::string_view("&HFFFF?", 6), -1},
        {std::string_view("&HFFFFFFFF&&", 11), -1},
    };
    CheckTextToNumber(cases, std::size(cases));
}

// The sign is applied last, to a zero as well: "-0" is negative zero. No
// digit at all, and a magnitude below the smallest limit, give plain 0.
TEST(TextToNumber, SignOfZero) {
    const struct {
        std::string_view text;
        long double want;
    } cases[] = {
        {"-0", -0.0L}, {"-0.000", -0.0L}, {"-0e5", -0.0L}, {"- 0", 0.0L}, {"-", 0.0L}, {"-.", 0.0L},
        {"0", 0.0L},   {"+0", 0.0L},      {"-1e-5000", 0.0L}, {"1e-5000", 0.0L},
    };
    for (const auto& c : cases) EXPECT_TRUE(SameBits(TEXTTONUMBER(c.text), c.want)) << c.text;
}

TEST(TextToNumber, HugeTexts) {
    std::string ones(16 << 20, '1');
    EXPECT_TRUE(SameBits(TEXTTONUMBER(ones), kOverflow));
    std::string tiny = "." + std::string(16 << 20, '0') + "5";
    EXPECT_TRUE(SameBits(TEXTTONUMBER(tiny), 0.0L));
}

struct TextCase {
    long double value;
    int digits;
    const char* want;
};

TEST(NumberToText, Forms) {
    const TextCase cases[] = {
        {0, 15, " 0"}, {-0.0L, 15, " 0"}, {LD::quiet_NaN(), 15, " 0"}, {42, 15, " 42"}, {-7, 15, "-7"},
        {0.5, 15, " .5"}, {-0.25, 15, "-.25"}, {12.5, 15, " 12.5"}, {1.0 / 3, 15, " .333333333333333"},
        {2.0 / 3, 15, " .666666666666667"}, {999999999999999, 15, " 999999999999999"},
        {1e15, 15, " 1E+15"}, {0.000001, 15, " .000001"}, {0.0000000000000015, 15, " 1.5E-15"},
        {12345678.0f, 7, " 1.234568E+7"}, {0.1f, 7, " .1"}, {123.456, 15, " 123.456"},
        {1e-15, 15, " .000000000000001"}, {1e-16, 15, " 1E-16"}, {1.5e-14, 15, " .000000000000015"},
        {1234567890123456.0, 15, " 1.23456789012346E+15"}, {-1.5e15, 15, "-1.5E+15"},
        {1e100, 15, " 1E+100"}, {1e-4000L, 15, " 1E-4000"}, {9999999.0f, 7, " 9999999"},
        {0.0000001f, 7, " .0000001"}, {1.0f / 3, 7, " .3333333"}, {16777216.0f, 7, " 1.677722E+7"},
        {std::numeric_limits<double>::max(), 15, " 1.79769313486232E+308"},
        {LD::max(), 15, " 1.18973149535723E+4932"}, {LD::denorm_min(), 15, " 3.64519953188247E-4951"},
        {LD::infinity(), 15, " 9.99999999999999E+998"}, {-LD::infinity(), 15, "-9.99999999999999E+998"},
        {LD::infinity(), 7, " 9.999999E+998"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.want);
        EXPECT_EQ(NUMBERTOTEXT(c.value, c.digits), c.want);
    }
    volatile double a = 0.1, b = 0.2;
    EXPECT_EQ(NUMBERTOTEXT(double(a + b), 15), " .3");
}

// Rounding to n digits looks at the one digit after the n-th (taken from the
// value's first 18 digits): a lone 5 goes to the even digit.
TEST(NumberToText, RoundingAndCarries) {
    const TextCase cases[] = {
        {100000000000000.5, 15, " 100000000000000"}, {100000000000001.5, 15, " 100000000000002"},
        {100000000000000.515625, 15, " 100000000000000"}, {1234567.5f, 7, " 1234568"},
        {1234568.5f, 7, " 1234568"}, {999999999999999.5, 15, " 1E+15"},
        {9.9999999999999995L, 15, " 10"}, {9.999999999999998, 15, " 10"},
        {9.999999999999985L, 15, " 9.99999999999998"},
        {9.999999999999995L, 15, " 10"}, {9.999999999999994L, 15, " 9.99999999999999"},
        {1.234567890123454999L, 15, " 1.23456789012346"}, {1e-8f, 7, " 1E-8"},
        {-0.99999999999999999L, 15, "-1"},
        // digit counts outside 1..18 are clamped
        {1.5, 1, " 2"}, {2.5, 0, " 2"}, {1.0L / 3, 99, " .333333333333333333"},
        // Whole numbers below 2^64 and m / 2^k with m * 5^k below 2^64 are
        // written from one 64-bit integer, the rest by the long way: the
        // same rounding on both sides of that line, ties to even included.
        {18446744073709551615.0L, 18, " 1.84467440737095516E+19"},  // 2^64 - 1
        {18446744073709551616.0L, 18, " 1.84467440737095516E+19"},  // 2^64
        {0x1p-27L, 18, " 7.45058059692382812E-9"},                  // ...8125: a tie, kept even
        {0x3p-27L, 18, " 2.23517417907714844E-8"},                  // 3 * 5^27 passes 2^64
        {0x1p-28L, 18, " 3.72529029846191406E-9"},
        {0x1p-27L, 15, " 7.45058059692383E-9"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.want);
        EXPECT_EQ(NUMBERTOTEXT(c.value, c.digits), c.want);
    }
}

// One writer for every record: plain up to n digits and exponent form
// beyond (at the edge either side), trailing zeros dropped first, no "0"
// before the point, a sign only on what is not zero; without the blank,
// never in exponent form, or with the point always (the mask).
TEST(NumberToText, RecordsInEachForm) {
    using F = detail::Form;
    const struct {
        uint64_t digits;
        int32_t exponent;
        bool negative;
        int n;
        F form;
        std::string_view want;
    } cases[] = {
        {123, 0, false, 3, F::Number, " 123"},  {12, 1, false, 3, F::Number, " 120"},
        {12, 2, false, 3, F::Number, " 1.2E+3"}, {1200, -1, false, 3, F::Number, " 120"},
        {5, -3, true, 3, F::Number, "-.005"},    {5, -4, false, 3, F::Number, " 5E-4"},
        {125, -3, false, 3, F::Number, " .125"}, {125, -2, false, 3, F::Number, " 1.25"},
        {0, 0, true, 7, F::Number, " 0"},        {999, 996, true, 3, F::Number, "-9.99E+998"},
        {1, -4000, false, 15, F::Trimmed, "1E-4000"}, {5, -1, false, 7, F::Trimmed, ".5"},
        {7, 0, true, 7, F::Trimmed, "-7"},       {4999542, -8, false, 7, F::Plain, ".04999542"},
        {12, 2, false, 3, F::Plain, "1200"},     {0, 0, false, 7, F::Plain, "0"},
        {3, 0, false, 18, F::Mask, "3."},        {1, 20, false, 18, F::Mask, "100000000000000000000."},
        {25, -2, true, 18, F::Mask, "-.25"},     {0, -6, true, 18, F::Mask, "."},
        {1000000, -6, false, 18, F::Mask, "1."}, {1234567, -6, false, 18, F::Mask, "1.234567"},
    };
    for (const auto& c : cases) {
        std::string out(64, '\0');
        out.resize(detail::write_decimal({c.digits, c.exponent, c.negative}, c.n, c.form, out.data()));
        EXPECT_EQ(out, c.want) << c.digits << "E" << c.exponent;
    }
}

// Whole numbers as lists and fractions write them: NUMBERTOTEXT's 15-digit
// form without its leading blank, the plain digits written directly below
// 10^15.
TEST(NumberToText, WholeNumbersAppended) {
    const struct {
        int64_t value;
        std::string_view want;
    } cases[] = {
        {0, "0"}, {7, "7"}, {-7, "-7"}, {INT32_MAX, "2147483647"}, {INT32_MIN, "-2147483648"},
        {999999999999999, "999999999999999"}, {-999999999999999, "-999999999999999"},
        {1000000000000000, "1E+15"}, {-1000000000000000, "-1E+15"},
        {1234567890123456, "1.23456789012346E+15"}, {INT64_MAX, "9.22337203685478E+18"},
        {INT64_MIN, "-9.22337203685478E+18"},
    };
    for (const auto& c : cases) {
        std::string out = "x";
        detail::append_whole_number(out, c.value);
        EXPECT_EQ(out, "x" + std::string(c.want)) << c.value;
        EXPECT_EQ(c.want, detail::number_text(static_cast<long double>(c.value), 15)) << c.value;
    }
}

// A single's record is read from its bits, by one of two fast routes where
// they apply: at every count of digits its text is that of the big-integer
// route's leading digits rounded to that count, for normal and subnormal
// singles, short binary fractions, rounded lengths, both signs, zero,
// infinities and NaN.
TEST(NumberToText, SinglesAgreeWithTheBigIntegerRoute) {
    std::vector<float> values = {0.0f, -0.0f, std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
                                 std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::denorm_min(),
                                 std::numeric_limits<float>::min(), std::numeric_limits<float>::max(), 6.375f, 6.38f, 0.3f};
    // Binary fractions with few decimals (6.375, .25, -1234.5), written
    // without rounding, and those with more digits than asked for.
    for (int i = 1; i < 4000; ++i) {
        for (int j = 1; j <= 8; ++j) {
            values.push_back(std::ldexp(static_cast<float>(i), -j));
            values.push_back(-std::ldexp(static_cast<float>(i * 2047 + 1), -j));
        }
    }
    // Rounded lengths (6.38, .0125, 1234.567), whose exact decimals run to
    // ~20 digits, and the singles either side of them.
    for (int i = 1; i < 20000; ++i) {
        for (const float f : {static_cast<float>(i) / 100, static_cast<float>(i * 7919) / 1000,
                              static_cast<float>(i) / 1e6f}) {
            values.insert(values.end(), {f, std::nextafter(f, 0.0f), std::nextafter(f, 1e9f)});
        }
    }
    uint32_t bits = 1;
    for (int i = 0; i < 20000; ++i) {
        bits = bits * 1664525u + 1013904223u;
        float f = 0;
        std::memcpy(&f, &bits, sizeof f);
        values.push_back(f);
    }
    auto text = [](const detail::Decimal& d, int n) {
        char out[detail::kNumberTextRoom];
        return std::string(out, detail::write_decimal(d, n, detail::Form::Number, out));
    };
    int short_count = 0, product_count = 0;
    for (const float f : values) {
        const detail::Parts parts = detail::decode_single(f);
        const bool finite = parts.kind == detail::Kind::Finite;
        const detail::Decimal leading = finite ? detail::big_integer_leading_digits(parts) : detail::Decimal{};
        detail::Decimal fast;
        for (int n = 1; n <= 18; ++n) {
            const detail::Decimal rule = finite ? detail::round_to_digits(leading, n) : detail::number_record(f, n);
            const std::string want = text(rule, n);
            if (detail::short_single_decimal(f, fast) && fast.digits < detail::kPowersOfTen[n]) {
                ++short_count;
                ASSERT_EQ(text(fast, n), want) << f << " at " << n << " (exact)";
            }
            if (detail::single_decimal_by_product(f, n, fast)) {
                ++product_count;
                ASSERT_EQ(text(fast, n), want) << f << " at " << n << " (product)";
            }
            ASSERT_EQ(text(detail::single_record(f, n), n), want) << f << " at " << n;
        }
    }
    std::printf("singles: exact route %d, product route %d of %zu\n", short_count, product_count, values.size() * 18);
}

TEST(FormatWithMask, SixDecimals) {
    const struct {
        long double value;
        const char* want;
    } cases[] = {
        {0.5, ".5"}, {0.0625, ".0625"}, {2.5, "2.5"}, {-0.25, "-.25"}, {3, "3."}, {0, "."},
        {-0.0L, "."}, {0.9999996, "1."}, {-0.0000001, "."}, {0.0078125, ".007812"},
        {0.0234375, ".023438"}, {1.0000005, "1.000001"}, {9.9999999, "10."}, {-1.9999999, "-2."},
        {99.99999951, "100."}, {123456789.123456789, "123456789.123457"}, {1e20, "100000000000000000000."},
        {1234567890123456789.0L, "1234567890123456790."}, {0.1234574999999999999L, ".123458"},
        {1e-7, "."}, {LD::quiet_NaN(), "."}, {LD::infinity(), "9.99999999999999E+998"},
        {-LD::infinity(), "-9.99999999999999E+998"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.want);
        EXPECT_EQ(FORMATWITHMASK(c.value, ".######"), c.want);
    }
    // Every other mask is written the same way.
    EXPECT_EQ(FORMATWITHMASK(2.25, "#.##"), "2.25");
    EXPECT_EQ(FORMATWITHMASK(2.25, ""), "2.25");
}

TEST(Rounding, ToDigitsAndWhole) {
    const struct {
        long double x;
        int32_t n;
        long double want;
    } digits[] = {
        {2.5, 0, 2}, {3.5, 0, 4}, {-2.5, 0, -2}, {0.125, 2, 0.12L}, {0.375, 2, 0.38L},
        {123.456, 1, 123.5L}, {0.1234567890123456789L, 18, 0.123456789012345679L},
        {1e4930L, 18, 1e4930L},
    };
    for (const auto& c : digits) {
        SCOPED_TRACE(c.n);
        EXPECT_TRUE(SameBits(ROUNDTODIGITS(c.x, c.n), c.want));
    }
    const long double x = 0.1234567890123456789L;
    EXPECT_TRUE(SameBits(ROUNDTODIGITS(x, -1), ROUNDTODIGITS(x, 18)));
    EXPECT_TRUE(SameBits(ROUNDTODIGITS(x, 40), ROUNDTODIGITS(x, 18)));

    const struct {
        long double x, trunc, floor;
    } whole[] = {
        {2.7, 2, 2}, {-2.7, -2, -3}, {-0.5, -0.0L, -1}, {0x1p70L, 0x1p70L, 0x1p70L},
        {LD::denorm_min(), 0, 0}, {-LD::denorm_min(), -0.0L, -1}, {LD::infinity(), LD::infinity(), LD::infinity()},
    };
    for (const auto& c : whole) {
        SCOPED_TRACE(static_cast<double>(c.x));
        EXPECT_TRUE(SameBits(TRUNCATETOWARDZERO(c.x), c.trunc));
        EXPECT_TRUE(SameBits(FLOORTOINTEGER(c.x), c.floor));
    }
}

// Ties go to even; NaN gives 0 and values beyond 32 bits saturate.
TEST(Rounding, ToInteger) {
    const struct {
        long double x;
        int32_t want;
    } cases[] = {
        {0.5, 0}, {1.5, 2}, {-1.5, -2}, {2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.49999999999999999997L, 0},
        {-0.50000000000000000005L, -1}, {2147483646, INT32_MAX - 1}, {2147483647.4L, INT32_MAX}, {2147483647.5L, INT32_MAX},
        {3e9, INT32_MAX}, {-2147483648.5L, INT32_MIN}, {-3e9, INT32_MIN}, {LD::quiet_NaN(), 0},
        {LD::infinity(), INT32_MAX}, {-LD::infinity(), INT32_MIN}, {LD::denorm_min(), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.x));
        EXPECT_EQ(ROUNDTOINTEGER(c.x), c.want);
    }
}

TEST(Arithmetic, IntegerDivide) {
    const struct {
        long double a, b, want;
    } cases[] = {
        {7.5, 2, 4}, {-7, 2, -3}, {7, -2, -3}, {2.5, 1, 2}, {9, 2.5, 4},
        {18446744073709551615.0L, 3, 6148914691236517205.0L}, {18446744073709551615.0L, 18446744073709551614.0L, 1},
        {18446744073709551616.0L, 2, 9223372036854775808.0L},  // 2^64: past the 64-bit integers
        // a divisor that rounds to 0 gives the unmasked result: an infinity
        {5, 0.4, LD::infinity()}, {-5, 0.4, -LD::infinity()}, {5, -0.4, -LD::infinity()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.a));
        EXPECT_TRUE(SameBits(INTEGERDIVIDE(c.a, c.b), c.want));
    }
    EXPECT_TRUE(std::isnan(INTEGERDIVIDE(0.3, 0.4)));  // 0 / 0
    EXPECT_TRUE(std::isnan(INTEGERDIVIDE(LD::quiet_NaN(), 2)));
}

TEST(Arithmetic, Modulo) {
    const struct {
        long double a, b, want;
    } mod[] = {
        {725, 360, 5}, {-725, 360, -5}, {5, 0, 0}, {-370, 360, -10}, {370, -360, 10}, {5.5, 2, 1.5},
        {0.75, 0.5, 0.25}, {-720, 360, -0.0L}, {0x1p100L, 3, 1}, {-0x1p101L, 3, -2}, {0x1p16000L, 7, 2},
        {3 * LD::denorm_min(), 2 * LD::denorm_min(), LD::denorm_min()}, {2.5, LD::infinity(), 2.5},
    };
    for (const auto& c : mod) {
        SCOPED_TRACE(static_cast<double>(c.a));
        EXPECT_TRUE(SameBits(FLOATMODULO(c.a, c.b), c.want));
    }
    EXPECT_TRUE(std::isnan(FLOATMODULO(LD::infinity(), 3)));
}

TEST(TextServices, TrimUpperCompare) {
    const std::string_view text = " \t a b\t  "sv;
    EXPECT_EQ(TRIMLEFTBLANKS(text), "\t a b\t  ");
    EXPECT_EQ(TRIMRIGHTBLANKS(text), " \t a b\t");
    EXPECT_TRUE(Inside(TRIMLEFTBLANKS(text), text) && Inside(TRIMRIGHTBLANKS(text), text));
    EXPECT_EQ(TRIMLEFTBLANKS("   "), "");
    EXPECT_EQ(TRIMRIGHTBLANKS(" \0 "sv), " \0"sv);

    EXPECT_EQ(UPPERCASETEXT("az{`AZ09\0"sv), "AZ{`AZ09\0"sv);
    EXPECT_EQ(UPPERCASETEXT("\x84\x94\x81\x82\xA4\x86\x87"), "\x8E\x99\x9A\x90\xA5\x8F\x80");
    EXPECT_EQ(UPPERCASETEXT("\xE4\x8E\xE9\xA5"), "\xE4\x8E\xE9\xA5");
    // Every byte: a-z and the seven code-page letters change, nothing else;
    // what upper-casing touches is those and the bytes they become.
    const std::string_view lower = "\x84\x94\x81\x82\xA4\x86\x87", upper = "\x8E\x99\x9A\x90\xA5\x8F\x80";
    for (int c = 0; c < 256; ++c) {
        const auto b = static_cast<unsigned char>(c);
        const std::size_t at = lower.find(static_cast<char>(b));
        unsigned char want = b;
        if (b >= 'a' && b <= 'z') want = static_cast<unsigned char>(b - 'a' + 'A');
        if (at != std::string_view::npos) want = static_cast<unsigned char>(upper[at]);
        EXPECT_EQ(detail::upper_case_byte(b), want) << c;
        EXPECT_EQ(UPPERCASETEXT(std::string(1, static_cast<char>(b))), std::string(1, static_cast<char>(want))) << c;
        const bool touched = want != b || (b >= 'A' && b <= 'Z') || upper.find(static_cast<char>(b)) != std::string_view::npos;
        EXPECT_EQ(detail::upper_casing_touches(b), touched) << c;
        // The bytes upper-cased to b, found one by one.
        std::string sources;
        for (int s = 0; s < 256; ++s)
            if (detail::upper_case_byte(static_cast<unsigned char>(s)) == b) sources += static_cast<char>(s);
        unsigned char found[2];
        const int count = detail::upper_case_sources(b, found);
        std::string listed(reinterpret_cast<const char*>(found), std::size_t(count));
        std::sort(listed.begin(), listed.end());
        std::sort(sources.begin(), sources.end());
        EXPECT_EQ(listed, sources) << c;
    }

    const struct {
        std::string_view a, b;
        int want;
    } cmp[] = {{"a", "b", -1}, {"b", "a", 1}, {"abc", "abc", 0}, {"ab", "abc", -1}, {"\x80", "a", 1},
               {"A", "a", -1}, {"", "", 0}, {"a\0b"sv, "a\0c"sv, -1}, {"a\0"sv, "a", 1}};
    for (const auto& c : cmp) EXPECT_EQ(COMPARETEXT(c.a, c.b), c.want) << c.a << " / " << c.b;
}

TEST(TextServices, FindText) {
    const struct {
        int32_t start;
        std::string_view text, pattern;
        int32_t want;
    } cases[] = {
        {1, "abc", "", 1}, {4, "abc", "", 0}, {1, "", "", 0}, {-1, "a.b.c", ".", 4}, {3, "abc", "", 3},
        {0, "abc", "b", 2}, {2, "abab", "ab", 3}, {4, "abab", "ab", 0}, {1, "ab", "abc", 0},
        {-1, "abab", "ab", 3}, {-2, "abab", "ab", 1}, {-3, "abab", "b", 2}, {-5, "abab", "ab", 0},
        {-4, "abab", "", 1}, {-1, "aaa", "aa", 2}, {-1, "a\0b"sv, "\0"sv, 2}, {-1, "ab", "ab", 1},
        {INT32_MIN, "abc", "a", 0}, {INT32_MAX, "abc", "a", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.start) + " " + std::string(c.text));
        EXPECT_EQ(FINDTEXT(c.start, c.text, c.pattern), c.want);
    }
    // Long patterns on repetitive text: found in linear time both ways.
    const std::string text = std::string(4 << 20, 'a') + "b" + std::string(1 << 20, 'a');
    const std::string pattern = std::string(1 << 20, 'a') + "b";
    EXPECT_EQ(FINDTEXT(1, text, pattern), (3 << 20) + 1);
    EXPECT_EQ(FINDTEXT(-1, text, pattern), (3 << 20) + 1);
    EXPECT_EQ(FINDTEXT(-(1 << 20) - 2, text, pattern), 0);
    EXPECT_EQ(COUNTOCCURRENCES(text, pattern), 1);
    EXPECT_EQ(FIELDCOUNT(text, pattern), 2);
}

TEST(TextServices, PiecesAndCounts) {
    const struct {
        int32_t start, count;
        const char* want;
    } sub[] = {{-1, 1, "c"}, {0, 2, ""}, {2, 99, "bc"}, {1, 2, "ab"}, {-3, 1, "a"}, {-4, 1, ""},
               {4, 1, ""}, {1, 0, ""}, {1, -1, "ab"}, {2, -1, "bc"}, {1, -3, ""}, {INT32_MIN, 1, ""},
               {2, INT32_MAX, "bc"}, {1, INT32_MIN, ""}};
    const std::string_view abc = "abc";
    for (const auto& c : sub) {
        SCOPED_TRACE(std::to_string(c.start) + "," + std::to_string(c.count));
        EXPECT_EQ(SUBTEXT(abc, c.start, c.count), c.want);
        EXPECT_TRUE(Inside(SUBTEXT(abc, c.start, c.count), abc));
    }
    EXPECT_EQ(COUNTOCCURRENCES("aaaa", "aa"), 2);
    EXPECT_EQ(COUNTOCCURRENCES("aaa", "aa"), 1);
    EXPECT_EQ(COUNTOCCURRENCES("abc", ""), 0);

    // A start below 1 counts as 1; empty text and a start past the end win over an empty set.
    const struct {
        int32_t start;
        std::string_view text, set;
        int32_t want;
    } notin[] = {{1, "  ab", " ", 3}, {1, "   ", " ", 0}, {1, "", "", 0}, {1, "abc", "", 1},
                 {3, "abc", "", 3}, {4, "abc", "", 0}, {0, "abc", "a", 2}, {-5, "abc", "ab", 3},
                 {2, "aab", "ab", 0}};
    for (const auto& c : notin) EXPECT_EQ(FIRSTCHARACTERNOTINSET(c.start, c.text, c.set), c.want);
}

struct FieldCase {
    std::string_view text, delimiter;
    int32_t field;
    std::string_view want;
};

TEST(Fields, Delimited) {
    const struct {
        std::string_view text, delimiter;
        int32_t want;
    } counts[] = {{"", "|", 1}, {"a||b", "|", 3}, {"aaa", "aa", 2}, {"a,", ",", 2}, {"a--b", "--", 2},
                  {"a--b", "-", 3}, {"", "", 1}, {"a,b", "", 2}, {"\"a,b\",c", "", 2}, {"\"a,b", "", 1},
                  {" \"x\" junk,y", "", 2}, {"a\"b,c\"", "", 2}, {"a,", "", 2}, {"\"a\"x,\"y", "", 2}};
    for (const auto& c : counts) EXPECT_EQ(FIELDCOUNT(c.text, c.delimiter), c.want) << c.text;

    const FieldCase cases[] = {
        {"a|b|c", "|", -1, "c"}, {"a|b|c", "|", 4, ""}, {"a|b|c", "|", 0, ""}, {"a|b|c", "|", 1, "a"},
        {"a|b|c", "|", -3, "a"}, {"a|b|c", "|", -4, ""}, {"a--b--c", "--", -3, "a"}, {"a,b,c", "", -3, "a"}, {"a||b", "|", 2, ""}, {"a, b", ",", 2, " b"},
        {"aaa", "aa", 2, "a"}, {"a|b", "|", INT32_MAX, ""}, {"a|b", "|", INT32_MIN, ""},
        // comma-separated reading
        {"  a  , b ", "", 1, "a"}, {"  a  , b ", "", 2, "b"}, {"\"a,b\",c", "", 1, "a,b"},
        {"\"a,b\",c", "", 2, "c"}, {" \"x y\" junk,z", "", 1, "x y"}, {" \"x y\" junk,z", "", 2, "z"},
        {"\"unclosed, still", "", 1, "unclosed, still"}, {"a,\"\"", "", 2, ""}, {"\" a \"", "", 1, " a "},
        {"a,b,c", "", -1, "c"}, {"a\tb , c", "", 1, "a\tb"}, {"\t a", "", 1, "\t a"}, {"a\"b,c\"", "", 2, "c\""},
    };
    for (const FieldCase& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " #" + std::to_string(c.field));
        const std::string_view got = FIELDAT(c.text, c.delimiter, c.field);
        EXPECT_EQ(got, c.want);
        EXPECT_TRUE(Inside(got, c.text));
    }
    std::string many;
    for (int i = 0; i < (1 << 20); ++i) many += "ab|";
    EXPECT_EQ(FIELDCOUNT(many, "|"), (1 << 20) + 1);
    EXPECT_EQ(FIELDAT(many, "|", -2), "ab");
    EXPECT_EQ(FIELDAT(many, "|", -(1 << 20) - 2), "");
    // Every byte a delimiter: counting lanes that fill up, every tail length.
    const std::string bars(40003, '|');
    for (const size_t length : {15, 16, 63, 64, 65, 127, 16319, 16320, 16321, 16385, 40000}) {
        for (size_t offset = 0; offset < 3; ++offset)
            EXPECT_EQ(FIELDCOUNT(std::string_view(bars).substr(offset, length), "|"), int32_t(length) + 1) << length;
    }
}

}  // namespace
}  // namespace wqj
