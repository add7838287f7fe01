#include "measure/fractions.h"

#include <gtest/gtest.h>

#include "bits.h"
#include "text/convert.h"

#include <chrono>
#include <cmath>
#include <cstring>
#include <limits>
#include <numeric>
#include <string>

namespace {

using wqjtest::bits;

using namespace std::string_literals;

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr float kInf = std::numeric_limits<float>::infinity();

TEST(FractionBreak, SplitsWholeNumeratorDenominatorAndSlash) {
    struct Case {
        std::string text;
        int32_t whole, numerator, denominator;
        char separator;
    } cases[] = {
        {"12 7/16", 12, 7, 16, '/'},
        {"3/4", 0, 3, 4, '/'},
        {"5\\8", 0, 5, 8, '\\'},
        // exactly one character, whatever it is, between whole and numerator
        {"1-1/2", 1, 1, 2, '/'},
        {"1x1/2", 1, 1, 2, '/'},
        {"1\0" "1/2"s, 1, 1, 2, '/'},
        {"1  1/2", 0, 1, 2, '/'},
        {"2.5/10", 2, 5, 10, '/'},
        {"-2 5/10", 2, 5, 10, '/'},
        // runs are digits only; leading zeros are read away
        {"0625/10000", 0, 625, 10000, '/'},
        {"3/4E5", 0, 3, 4, '/'},
        {"1/2.5", 0, 1, 2, '/'},
        // "/" wins over an earlier "\"
        {"1\\2 3/4", 2, 3, 4, '/'},
        // empty runs read as 0; an empty numerator run starts at the slash
        {"/", 0, 0, 0, '/'},
        {"12/", 0, 12, 0, '/'},
        {"a/b", 0, 0, 0, '/'},
        {"1 /2", 1, 0, 2, '/'},
        {"x/2", 0, 0, 2, '/'},
        // runs too long for 32 bits saturate
        {"99999999999/3", 0, kMax, 3, '/'},
        {"1/4294967296", 0, 1, kMax, '/'},
        {"3000000000 1/2", kMax, 1, 2, '/'},
        {"2147483647/2147483648", 0, kMax, kMax, '/'},
        {"999999999999999999/3", 0, kMax, 3, '/'},             // 18 digits
        {"9999999999999999999/3", 0, kMax, 3, '/'},            // 19 digits
        {"00000000000000000000003/4", 0, 3, 4, '/'},           // long, yet small
        {"1/000000000000000000000000000000000016", 0, 1, 16, '/'},
    };
    for (const Case& c : cases) {
        const auto parts = wqj::BREAKFRACTIONAPART(c.text);
        ASSERT_TRUE(parts.has_value()) << c.text;
        EXPECT_EQ(parts->whole, c.whole) << c.text;
        EXPECT_EQ(parts->numerator, c.numerator) << c.text;
        EXPECT_EQ(parts->denominator, c.denominator) << c.text;
        EXPECT_EQ(parts->separator, c.separator) << c.text;
    }
    // The text ends where its view ends, whatever byte follows.
    EXPECT_EQ(wqj::BREAKFRACTIONAPART(std::string_view("1/23", 3))->denominator, 2);
}

TEST(FractionBreak, NothingWithoutASlash) {
    for (const char* text : {"7", "", "1.5", "3-4", "1 2"}) {
        EXPECT_FALSE(wqj::BREAKFRACTIONAPART(text).has_value()) << text;
    }
}

TEST(FractionConvert, RescalesWithoutReductionOrCarry) {
    struct Case {
        const char* text;
        int32_t new_denominator;
        const char* want;
    } cases[] = {
        {"1/2", 16, "8/16"},
        {"1-3/4", 8, "1 6/8"},
        {"1/3", 16, "5/16"},
        {"3\\4", 8, "6\\8"},
        {"3/2", 16, "24/16"},
        {"0 1/2", 16, "8/16"},
        {"1/100", 2, "0/2"},
        // ties go to even: 2.5 and 1.5 both give 2
        {"5/32", 16, "2/16"},
        {"3/32", 16, "2/16"},
        // the ratio is a single: 10/3 rounds below, so 35 / ratio is just
        // above 10.5
        {"35/10", 3, "11/3"},
        // an over-large numerator saturates
        {"2147483647/1", kMax, "2147483647/2147483647"},
        // numerator or denominator below 1, no slash, new denominator below 1
        {"0/4", 8, ""},
        {"1/0", 8, ""},
        {"5", 8, ""},
        {"1/2", 0, ""},
        {"1/2", -16, ""},
        {"3/4", 1, "1/1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wqj::CONVERTFRACTIONDENOMINATOR(c.text, c.new_denominator), c.want)
            << c.text << " over " << c.new_denominator;
    }
}

TEST(FractionReduce, LowestTermsCappedDenominatorAndCarry) {
    struct Case {
        const char* text;
        int32_t largest;
        const char* want;
    } cases[] = {
        {"6/4", 16, "1 1/2"},
        {"2 8/16", 4, "2 1/2"},
        {"8/16", 16, "1/2"},
        {"3\\6", 16, "1\\2"},
        {"4/2", 16, "2"},
        {"9/3", 16, "3"},
        {"3/1", 16, "3"},
        {"1 3/2", 16, "2 1/2"},
        {"12 7/16", 16, "12 7/16"},
        {"1073741823/2147483646", 16, "1/2"},
        // the cap only lowers a denominator that is too large
        {"3/7", 16, "3/7"},
        {"1/10", 16, "1/10"},
        // capped: rounded to nearest, ties to even, and reduced again
        {"5/32", 16, "1/8"},
        {"3/32", 16, "1/8"},
        {"12 7/16", 8, "12 1/2"},
        // rounded up to a whole unit, which is carried
        {"15/16", 4, "1"},
        {"12 15/16", 8, "13"},
        {"7/4", -5, "2"},
        // rounded away
        {"1/64", 16, ""},
        {"1 1/64", 16, "1"},
        {"1/2147483647", 16, ""},
        // a cap below 1 counts as 1
        {"6/4", 0, "1"},
        {"1 1/2", 1, "1"},
        // numerator or denominator below 1, or no slash
        {"0/4", 16, ""},
        {"2 0/4", 16, ""},
        {"1/0", 16, ""},
        {"x", 16, ""},
        // whole number and carry are added without wrapping
        {"2147483647 3/2", 16, "2147483648 1/2"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wqj::REDUCEFRACTION(c.text, c.largest), c.want) << c.text << " cap " << c.largest;
    }
}

TEST(FractionFromDecimal, SixPlacesSevenDigitsThenReduced) {
    struct Case {
        float value;
        int32_t largest;
        const char* want;
    } cases[] = {
        {2.5f, 16, "2 1/2"},
        {0.0625f, 16, "1/16"},
        {0.1f, 16, "1/10"},
        {0.3333333f, 16, "5/16"},
        {0.97f, 16, "1"},
        {0.01f, 16, ""},
        {3, 16, "3"},
        {0.123456f, 1000000, "1929/15625"},
        {0.75f, 2, "1"},
        {2.5f, 0, "2"},
        // the value is written with 7 digits before it is read as a fraction
        {1234567.5f, 16, "1234568"},
        {123456.75f, 16, "123456 4/5"},
        // below half a millionth rounds to 0
        {0, 16, "0"},
        {1e-7f, 16, "0"},
        // a single whose seven digits would come in exponent form still
        // rounds as a fraction
        {0.000987f, 16, ""},
        {0.000987f, 1000000, "987/1000000"},
        {-0.000987f, 1000000, "-987/1000000"},
        // 1/128 is 7812.5 millionths, a tie kept even; 6e-7 rounds up to one
        {0.0078125f, 1000000, "1953/250000"},
        {6e-7f, 1000000, "1/1000000"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wqj::DECIMALTOFRACTIONSTRING(c.value, c.largest), c.want) << c.value << " cap " << c.largest;
    }
}

// Values below 1 in magnitude (fractional inches) are read from their six
// decimals as an integer; the text route of other values must give the same
// text wherever its seven-digit text is not in exponent form. Every count of
// millionths is tried at sixteenths, with the singles just below and above
// it, and a spread of them at other largest denominators, both signs, with
// every count that is a tie at the denominator (q * d / 10^6 ending in .5).
TEST(FractionFromDecimal, FractionalValuesGiveTheTextRouteResult) {
    const int32_t largest[] = {16, 1, 2, 10, 64, 100, 1000, 0, -3, 3, 12, 40, 999999, 1000000, kMax};
    for (const int32_t cap : largest) {
        const int step = cap == 16 ? 1 : 97;
        for (int q = 0; q <= 1000000; ++q) {
            const bool tie = cap > 0 && (int64_t{q} * 2 * cap) % 1000000 == 0 && (int64_t{q} * cap) % 1000000 != 0;
            if (q % step != 0 && !tie) continue;
            const float v = static_cast<float>(q / 1e6);
            for (const float x : {v, std::nextafter(v, 0.0f), std::nextafter(v, 1.0f)}) {
                if (x >= 1 || (step == 1 && x != v && q % 7 != 0)) continue;
                for (const float y : {x, -x}) {
                    const std::string by_text = wqj::detail::decimal_to_fraction_by_text(y, cap);
                    if (by_text.find('E') != std::string::npos) continue;
                    ASSERT_EQ(wqj::DECIMALTOFRACTIONSTRING(y, cap), by_text) << y << " cap " << cap;
                }
            }
        }
    }
}

// Numerators at a smaller denominator are rounded in integers where that
// gives what the double nearest n / d gives, ties included.
TEST(FractionRounding, NumeratorsInIntegersAreThoseOfTheDouble) {
    const int64_t denominators[] = {2, 3, 5, 6, 7, 10, 12, 16, 25, 48, 100, 1000, 4096, 7919, 1000000, 999983,
                                    1 << 20, 33554393, kMax};
    const int64_t targets[] = {1, 2, 3, 4, 5, 8, 10, 12, 16, 32, 64, 100, 1000, 65536, 999999, 2097152, kMax};
    for (const int64_t d : denominators) {
        for (const int64_t to : targets) {
            // Every numerator up to 60000 (the ties of these denominators
            // among them), then a spread of 5000 more.
            for (int64_t n = 1; n < d; n = n < 60000 ? n + 1 : n + std::max<int64_t>(1, d / 5000)) {
                const double value = static_cast<double>(static_cast<long double>(n) / static_cast<long double>(d));
                const int32_t want = wqj::ROUNDTOINTEGER(static_cast<long double>(value) * static_cast<long double>(to));
                const bool binary = (d / std::gcd(n, d) & (d / std::gcd(n, d) - 1)) == 0;
                ASSERT_EQ(wqj::detail::rounded_numerator(n, d, to, binary), want) << n << "/" << d << " to " << to;
            }
        }
    }
}

// A fractional inch's text is DECIMALTOFRACTIONSTRING's, and what it comes
// to (nothing, a whole inch, a fraction) is what that text says: near 0 and
// 1, at half a unit of the denominator and at binary fractions.
TEST(FractionRounding, WhatAFractionalInchShowsIsWhatItsTextShows) {
    const int32_t denominators[] = {-3, 0, 1, 2, 3, 4, 8, 16, 64, 100, 1000, 999999, 1 << 20, (1 << 20) + 1, 1000000,
                                    static_cast<int32_t>(kMax)};
    std::vector<float> values;
    for (int32_t q = 0; q <= 1000000; q += q < 2000 || q > 998000 ? 1 : 997) {
        const float v = static_cast<float>(q) / 1e6f;
        values.insert(values.end(), {v, std::nextafter(v, 0.0f), std::nextafter(v, 1.0f)});
    }
    for (const int32_t d : denominators) {
        for (int32_t k = 1; k < 8 && d > 0; ++k) values.push_back(static_cast<float>(k) / (2.0f * static_cast<float>(d)));
    }
    for (int32_t m = 1; m < 256; ++m) values.push_back(static_cast<float>(m) / 256.0f);  // binary fractions
    for (const int32_t d : denominators) {
        for (const float v : values) {
            if (!(v > 0 && v < 1)) continue;
            char text[16];
            const std::string_view shown = wqj::detail::fractional_inch_fraction(v, d, text);
            ASSERT_EQ(shown, wqj::DECIMALTOFRACTIONSTRING(v, d)) << v << " at " << d;
            const auto want = shown.empty() || shown == "0" ? wqj::detail::FractionShown::Nothing
                              : shown == "1"                ? wqj::detail::FractionShown::WholeUnit
                                                            : wqj::detail::FractionShown::Fraction;
            ASSERT_EQ(wqj::detail::fractional_inch_shown(v, d), want) << v << " at " << d;
        }
    }
}

// A negative value keeps its sign: "-" and the text of its magnitude.
TEST(FractionFromDecimal, NegativeValuesKeepTheirSign) {
    struct Case {
        float value;
        const char* want;
    } cases[] = {
        {-2.5f, "-2 1/2"}, {-0.5f, "-1/2"}, {-3, "-3"}, {-0.97f, "-1"}, {-1.0625f, "-1 1/16"},
        // nothing left: empty text, not a lone "-"
        {-0.01f, ""},
        // rounds to 0 at six places: not negative
        {-1e-7f, "0"}, {-0.0f, "0"},
    };
    for (const Case& c : cases) EXPECT_EQ(wqj::DECIMALTOFRACTIONSTRING(c.value, 16), c.want) << c.value;
}

// Singles of ten million and more are whole numbers whose 7-digit text is
// scientific; that text is returned as it stands, as is that of infinity.
// NaN reads as 0.
TEST(FractionFromDecimal, ScientificTextsInfinitiesAndNaN) {
    struct Case {
        float value;
        const char* want;
    } cases[] = {
        {1e7f, "1E+7"},
        {12345678.0f, "1.234568E+7"},
        {-12345678.0f, "-1.234568E+7"},
        {1.5e7f, "1.5E+7"},
        {9999999.0f, "9999999"},
        {std::numeric_limits<float>::max(), "3.402823E+38"},
        {kInf, "9.999999E+998"},
        {-kInf, "-9.999999E+998"},
        {std::numeric_limits<float>::quiet_NaN(), "0"},
    };
    for (const Case& c : cases) EXPECT_EQ(wqj::DECIMALTOFRACTIONSTRING(c.value, 16), c.want) << c.value;
}

TEST(FractionValue, NumeratorOverDenominatorWithoutTheWholeNumber) {
    struct Case {
        const char* text;
        float want;
    } cases[] = {
        {"3/4", 0.75f}, {"1-1/2", 0.5f}, {"7/2", 3.5f}, {"1/3", 1.0f / 3.0f}, {"2\\5", 0.4f},
        {"2/3", 0.666666687f}, {"5", 0}, {"0/4", 0}, {"1/0", 0}, {"", 0}, {"3/1", 3},
    };
    for (const Case& c : cases) EXPECT_EQ(bits(wqj::FRACTIONSTRINGTODECIMAL(c.text)), bits(c.want)) << c.text;
}

TEST(FractionFind, CutsTheFractionOutOfItsText) {
    struct Case {
        std::string text;
        int32_t from_end;
        const char* found;
        std::string remainder;
        float value;
    } cases[] = {
        {"5 3/16 x", 0, "3/16", "5  x", 0.1875f},
        {"  1/2  ", 0, "1/2", "", 0.5f},
        {"12\\8x", 0, "12\\8", "x", 1.5f},
        {"1\\2/4", 0, "2/4", "1\\", 0.5f},
        {"a/b 1/2", 0, nullptr, "", 0},
        // the integers as they read, written as plain digits
        {"03/016", 0, "3/16", "", 0.1875f},
        {"5 03/16 x", 0, "3/16", "5  x", 0.1875f},
        {"61/30 5", -1, "3/16", " 5", 0.1875f},
        {"00/7", 0, "0/7", "", 0},
        // any flag other than -1 reads forward
        {"3/4", 5, "3/4", "", 0.75f},
        {"3/4", 1, "3/4", "", 0.75f},
        // reversed text: denominator first, remainder stays reversed
        {"61/3 5", -1, "3/16", " 5", 0.1875f},
        {"61/11 TF 6", -1, "11/16", " TF 6", 0.6875f},
        {"NI 2/1 4", -1, "1/2", "NI  4", 0.5f},
        {"4/3 2/1", -1, "3/4", " 2/1", 0.75f},
        // a zero denominator gives an infinite value, never NaN
        {"1/0", 0, "1/0", "", kInf},
        {"0/0", 0, "0/0", "", kInf},
        {"0/5", 0, "0/5", "", 0},
        {"99999999999/2", 0, "2147483647/2", "", 1073741824.0f},
        // not a fraction
        {"1/", 0, nullptr, "", 0},
        {"  1/  ", 0, nullptr, "", 0},
        {"/12", 0, nullptr, "", 0},
        {"ab", 0, nullptr, "", 0},
        {"1 /2", 0, nullptr, "", 0},
        {"1/ 2", 0, nullptr, "", 0},
        {"123", 0, nullptr, "", 0},
        {"", -1, nullptr, "", 0},
    };
    for (const Case& c : cases) {
        const auto found = wqj::FINDFRACTIONINTEXT(c.text, c.from_end);
        if (c.found == nullptr) {
            EXPECT_FALSE(found.has_value()) << c.text;
            continue;
        }
        ASSERT_TRUE(found.has_value()) << c.text;
        EXPECT_EQ(found->text, c.found) << c.text;
        EXPECT_EQ(found->remainder, c.remainder) << c.text;
        EXPECT_EQ(bits(found->value), bits(c.value)) << c.text;
    }
}

// The parser hands over texts of up to 16 MiB: the search is linear.
TEST(FractionFind, LongTextsInLinearTime) {
    const std::size_t n = 8u << 20;
    const auto started = std::chrono::steady_clock::now();

    std::string text = std::string(n, ' ') + std::string(n, 'x') + "7/8" + std::string(n, 'y') + std::string(n, ' ');
    auto found = wqj::FINDFRACTIONINTEXT(text, 0);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->text, "7/8");
    EXPECT_EQ(found->remainder, std::string(n, 'x') + std::string(n, 'y'));

    text = std::string(n, '1') + "/" + std::string(n, '2');
    found = wqj::FINDFRACTIONINTEXT(text, -1);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->text, "2147483647/2147483647");
    EXPECT_EQ(found->value, 1.0f);  // both runs saturate
    EXPECT_EQ(wqj::REDUCEFRACTION(text, 16), "1");

    EXPECT_FALSE(wqj::FINDFRACTIONINTEXT(std::string(2 * n, ' '), 0).has_value());
    EXPECT_FALSE(wqj::FINDFRACTIONINTEXT(std::string(2 * n, '\\') + "/", 0).has_value());

    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_LT(seconds, 30.0);
}

}  // namespace
