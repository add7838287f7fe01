#include "measure/formatter.h"
#include "measure/split.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "bits.h"
#include "text/convert.h"
#include "text/decimal.h"

namespace {

using wqj::GETFORMATEDTEXTFROMINCHES;
using wqj::GETINDIVIDUALMEASUREMENTVALUESFROMINCHES;
using wqjtest::bits;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// One call of the formatter: system, style, number style, inches, places.
struct Case {
    int32_t system, style, number_style;
    float inches;
    int32_t places;
    const char* want;
};

void expect_cases(const Case* first, const Case* last) {
    for (const Case* c = first; c != last; ++c) {
        EXPECT_EQ(GETFORMATEDTEXTFROMINCHES(c->system, c->style, c->number_style, c->inches, c->places), c->want)
            << "system " << c->system << ", style " << c->style << ", number style " << c->number_style << ", "
            << c->inches << " in, places " << c->places;
    }
}
#define EXPECT_CASES(cases) expect_cases(std::begin(cases), std::end(cases))

TEST(FormatterSplit, FeetInchesAndFractionOrMetresAndMillimetres) {
    struct Row {
        int32_t system;
        float inches;
        int32_t places;
        float big, mid, small;
    } rows[] = {
        {0, 76.5f, 2, 6, 4, 0.5f},
        {1, 100, 3, 2, 540, 0},
        // the carry to a whole inch belongs to the formatter only
        {0, 4.999f, 2, 0, 4, 1},
        // millimetres truncated: 39.37 inches is 999.99998 mm
        {1, 39.37f, 3, 0, 999, 0},
        // negative lengths give negative parts
        {0, -13, 2, -1, -1, 0},
        {1, -100, 3, -2, -540, 0},
        // the fraction rounded to places, ties to even
        {0, 76.25f, 1, 6, 4, 0.2f},
        {0, 76.5f, 0, 6, 4, 0},
        // negative places count as 18 decimals: the single comes back whole
        {0, 0.3f, -1, 0, 0, 0.3f},
        // whole millimetres are left whole by any places
        {1, 100, 0, 2, 540, 0},
        // every system but metric is imperial
        {7, 30, 2, 2, 6, 0},
    };
    for (const Row& r : rows) {
        const wqj::MeasurementParts p = GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(r.system, r.inches, r.places);
        EXPECT_EQ(p.big, r.big) << r.system << ", " << r.inches << ", " << r.places;
        EXPECT_EQ(p.mid, r.mid) << r.system << ", " << r.inches << ", " << r.places;
        EXPECT_EQ(p.small, r.small) << r.system << ", " << r.inches << ", " << r.places;
    }
}

// At 18 decimals and beyond, the fractional inch is rounded as
// ROUNDTODIGITS rounds it, whether or not that can change it.
TEST(FormatterSplit, FractionalInchAtAllDecimalsIsRoundedAsByTheService) {
    for (const int32_t places : {18, 20, -1}) {
        for (int i = 1; i < 4000; ++i) {
            for (const float inches : {i / 997.0f, -i / 997.0f, 12 + i * 1e-9f, 36 + std::ldexp(float(i), -40)}) {
                const float big = static_cast<float>(wqj::TRUNCATETOWARDZERO(static_cast<long double>(inches) / 12));
                const float mid = static_cast<float>(wqj::TRUNCATETOWARDZERO(inches - 12.0L * big));
                const auto raw = static_cast<float>(inches - 12.0L * big - mid);
                const float want = raw == 0 ? 0 : static_cast<float>(wqj::ROUNDTODIGITS(raw, places));
                EXPECT_EQ(GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(0, inches, places).small, want) << inches;
            }
        }
    }
}

// Typed lengths (2^-17 to 2^20 inches) are split in integers; the parts
// must be those of the extended-precision steps, bit for bit, at every
// count of places: lengths at and beside whole feet and inches, the ends of
// that range, sixteenths, hundredths, and a seeded spread of singles.
TEST(FormatterSplit, ImperialPartsInIntegersAreThoseOfTheSteps) {
    std::vector<float> lengths = {0x1p-17f, 0x1p-16f, std::nextafter(0x1p20f, 0.0f), 0x1p20f, 3e-6f, 1e-5f};
    for (int i = 1; i < 20000; ++i) {
        const float whole = static_cast<float>(i % 2400);
        for (const float x : {whole, std::nextafter(whole, 0.0f), std::nextafter(whole, 1e9f), i / 16.0f,
                              i / 100.0f, i * 0.3f, i * 52.37f})
            lengths.push_back(x);
    }
    uint32_t seed = 12345;
    for (int i = 0; i < 200000; ++i) {
        seed = seed * 1664525u + 1013904223u;
        lengths.push_back(std::ldexp(1.0f + static_cast<float>(seed >> 9) * 0x1p-23f, static_cast<int>(seed % 38) - 17));
    }
    for (const int32_t places : {-1, 0, 1, 2, 3, 4, 5, 6, 7, 16, 18, 20}) {
        for (const float inches : lengths) {
            const wqj::MeasurementParts got = GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(0, inches, places);
            const wqj::MeasurementParts want = wqj::detail::imperial_parts_by_steps(inches, places);
            ASSERT_EQ(bits(got.big), bits(want.big)) << inches << " at " << places;
            ASSERT_EQ(bits(got.mid), bits(want.mid)) << inches << " at " << places;
            ASSERT_EQ(bits(got.small), bits(want.small)) << inches << " at " << places;
            // The fractional inch's record, where the integers tell it, is
            // written as the single's own.
            wqj::detail::Decimal record;
            const wqj::MeasurementParts with_record = wqj::detail::imperial_parts(inches, places, record);
            ASSERT_EQ(bits(with_record.small), bits(want.small)) << inches << " at " << places;
            if (record.digits != 0) {
                char a[80], b[80];
                const auto plain = wqj::detail::Form::Plain;
                const std::size_t n = wqj::detail::write_decimal(record, 7, plain, a);
                const std::size_t m = wqj::detail::write_decimal(wqj::detail::single_record(want.small, 7), 7, plain, b);
                ASSERT_EQ(std::string_view(a, n), std::string_view(b, m)) << inches << " at " << places;
            }
        }
    }
}

// Decimal feet are worked out in integers where that rounds alike; they
// must be those of the extended-precision steps at every count of places,
// ties and lengths beside them included.
TEST(FormatterSplit, DecimalFeetAreThoseOfTheSteps) {
    std::vector<wqj::MeasurementParts> parts;
    for (int i = 0; i < 40000; ++i) {
        const float big = static_cast<float>(i % 7 == 0 ? i : i % 97);
        const float mid = static_cast<float>(i % 12);
        for (const float small : {0.0f, 0.5f, i % 64 / 64.0f, i % 1000 / 1000.0f, 0.3f, std::nextafter(0.5f, 1.0f),
                                  std::ldexp(static_cast<float>(i | 1), -20) - std::floor(std::ldexp(static_cast<float>(i | 1), -20))})
            parts.push_back({big, mid, small});
    }
    for (const int32_t places : {-1, 0, 1, 2, 3, 4, 6, 8, 9, 12, 15, 16, 18, 20, 32}) {
        for (const wqj::MeasurementParts& p : parts) {
            const float want = wqj::detail::decimal_feet_by_steps(p, places);
            wqj::detail::Decimal record;
            const float feet = wqj::detail::decimal_feet(p, places, &record);
            ASSERT_EQ(bits(feet), bits(want)) << p.big << " ft " << p.mid << " in " << p.small << " at " << places;
            // The feet's record told from the integers is the single's own.
            if (record.digits != 0) {
                char text[wqj::detail::kNumberTextRoom];
                const std::size_t length = wqj::detail::write_decimal(record, 7, wqj::detail::Form::Trimmed, text);
                ASSERT_EQ(std::string_view(text, length), wqj::detail::number_text(feet, 7)) << feet << " at " << places;
            }
        }
    }
}

// Metric parts are worked out in integers from 2^-10 to 2^20 inches, and
// the metre, millimetre and centimetre styles write whole millimetres in
// integers: the same parts and texts as the extended-precision steps, bit
// for bit and byte for byte, ties of the metres and 10^7 mm included.
TEST(FormatterSplit, MetricPartsAndMetresAreThoseOfTheSteps) {
    std::vector<float> lengths = {0x1p-10f, std::nextafter(0x1p20f, 0.0f), 0x1p20f, 0.0393f, 0.04f, 393699.0f, 393700.0f, 393701.0f};
    uint32_t seed = 99;
    for (int i = 1; i < 60000; ++i) {
        seed = seed * 1664525u + 1013904223u;
        lengths.push_back(std::ldexp(1.0f + static_cast<float>(seed >> 9) * 0x1p-23f, static_cast<int>(seed % 31) - 10));
        lengths.push_back(static_cast<float>(i) / 25.400051f);  // whole millimetres, give or take
        lengths.push_back(i * 0.1f);
    }
    for (const float inches : lengths) {
        const wqj::MeasurementParts got = GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(1, inches, 2);
        const wqj::MeasurementParts want = wqj::detail::metric_parts_by_steps(inches, 2);
        ASSERT_EQ(bits(got.big), bits(want.big)) << inches;
        ASSERT_EQ(bits(got.mid), bits(want.mid)) << inches;
        EXPECT_EQ(GETFORMATEDTEXTFROMINCHES(1, 5, 1, inches, 2),
                  wqj::detail::number_text(want.mid + 1000.0L * want.big, 7))
            << inches;
        if (inches > 1e5f || want.big + want.mid == 0) continue;
        for (const int32_t places : {-1, 0, 1, 2, 3, 7, 18}) {
            const std::string metres = wqj::detail::number_text(wqj::detail::decimal_metres_by_steps(want, places), 15);
            EXPECT_EQ(GETFORMATEDTEXTFROMINCHES(1, 3, 1, inches, places), metres + " m") << inches << " at " << places;
        }
        if (want.mid > 0) {
            const std::string centimetres = wqj::detail::number_text(wqj::INTEGERDIVIDE(want.mid, 10), 15) + "cm";
            const std::string text = GETFORMATEDTEXTFROMINCHES(1, 6, 1, inches, 2);
            EXPECT_EQ(text.substr(text.size() - std::min(text.size(), centimetres.size())), centimetres) << inches;
        }
    }
}

TEST(FormatterSplit, NotANumberFlowsIntoTheParts) {
    for (int32_t system : {0, 1}) {
        const wqj::MeasurementParts p = GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(system, kNaN, 2);
        EXPECT_TRUE(std::isnan(p.big) && std::isnan(p.mid)) << system;
        const wqj::MeasurementParts q = GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(system, kInf, 2);
        EXPECT_TRUE(std::isinf(q.big) && std::isnan(q.mid)) << system;
    }
}

TEST(FormatterImperial, FeetAndInchesStylesWithFractions) {
    const Case cases[] = {
        {0, 0, 0, 76.5f, 16, "6 Feet 4 1/2 Inches"},
        {0, 6, 0, 76.5f, 16, "6' 4 1/2\""},
        {0, 7, 0, 76.5f, 16, "6' - 4 1/2\""},
        {0, 6, 0, 39.37f, 4, "3' 3 1/4\""},
        // singular words for 1 and below, plural above
        {0, 0, 0, 12, 16, "1 Foot"},
        {0, 0, 0, 13, 16, "1 Foot 1 Inch"},
        {0, 0, 0, 25.0625f, 16, "2 Feet 1 1/16 Inches"},
        {0, 0, 0, 0.5f, 16, "1/2 Inch"},
        {0, 6, 0, 76.9921875f, 128, "6' 4 127/128\""},  // a fraction of seven bytes
        // no separator without inches
        {0, 7, 0, 12, 16, "1'"},
        {0, 6, 0, 0.5f, 16, "1/2\""},
        // a fraction too small for the denominator is dropped
        {0, 6, 0, 12.01f, 16, "1'"},
        {0, 0, 0, 0.01f, 16, ""},
    };
    EXPECT_CASES(cases);
}

TEST(FormatterImperial, TwoBlanksBeforeAFractionWithoutWholeInches) {
    const Case cases[] = {
        {0, 0, 0, 12.5f, 16, "1 Foot  1/2 Inch"},
        {0, 6, 0, 12.5f, 16, "1'  1/2\""},
        {0, 7, 0, 12.5f, 16, "1' -  1/2\""},
        // decimals carry no blank of their own
        {0, 0, 1, 12.5f, 1, "1 Foot .5 Inch"},
        {0, 7, 1, 12.5f, 1, "1' - .5\""},
    };
    EXPECT_CASES(cases);
}

TEST(FormatterImperial, FractionRoundedToAWholeInchIsCarried) {
    const Case cases[] = {
        {0, 6, 0, 11.97f, 16, "1'"},
        {0, 9, 0, 11.97f, 16, "12 Inches"},
        {0, 3, 0, 11.97f, 16, "1 Foot"},
        {0, 0, 0, 23.99f, 16, "2 Feet"},
        {0, 12, 0, 0.99f, 16, "1\""},
        // 15/16 is 7.5 eighths, which rounds to even: 8/8
        {0, 6, 0, 11.9375f, 8, "1'"},
        {0, 6, 0, 11.9375f, 16, "11 15/16\""},
        // 13/16 is 6.5 eighths: 6/8
        {0, 6, 0, 11.8125f, 8, "11 3/4\""},
        // a thousandth of an inch is no sixteenth, not a number in exponent form
        {0, 6, 0, 1.000987f, 16, "1\""},
        {0, 6, 0, 1.000987f, 1000000, "1 987/1000000\""},
    };
    EXPECT_CASES(cases);
}

// A fractional inch that rounds to nothing at six places is dropped, not
// written as a "0" after the inches ("1 0\"" would read back as 0).
TEST(FormatterImperial, FractionRoundingToNothingIsDropped) {
    const Case cases[] = {
        {0, 6, 0, 1.0000001f, 16, "1\""},
        {0, 0, 0, 1.0000001f, 16, "1 Inch"},
        {0, 0, 0, 12.000001f, 16, "1 Foot"},
    };
    EXPECT_CASES(cases);
}

TEST(FormatterImperial, DecimalsRoundTiesToEvenAndCarry) {
    const Case cases[] = {
        {0, 6, 1, 76.5f, 2, "6' 4.5\""},
        {0, 6, 1, 76.25f, 1, "6' 4.2\""},
        {0, 12, 1, 12.125f, 2, "12.12\""},
        {0, 0, 1, 76.5f, 0, "6 Feet 4 Inches"},
        {0, 6, 1, 76.7f, 0, "6' 5\""},
        // the decimals reach 1: carried into the inches and on into the feet
        {0, 12, 1, 4.999f, 2, "5\""},
        {0, 6, 1, 11.999f, 2, "1'"},
        {0, 0, 1, 23.996f, 2, "2 Feet"},
        {0, 6, 1, 0.004f, 2, ""},
        // any number style but 0, and any system but 0, writes decimals
        {0, 6, 7, 76.5f, 2, "6' 4.5\""},
        {5, 6, 0, 76.5f, 2, "6' 4.5\""},
        {5, 0, 0, 12.5f, 16, "1 Foot .5 Inch"},
    };
    EXPECT_CASES(cases);
}

TEST(FormatterImperial, DecimalsAreNeverWrittenInExponentForm) {
    // 18 decimals leave 0.04999542 of an inch, which a seven-digit number
    // would write as "4.999542E-2": after the whole inches that would read
    // as another length.
    const Case cases[] = {
        {0, 6, 1, 76.05f, -1, "6' 4.05000305\""},
        {0, 12, 1, 1.0001f, 18, "1.0001000166\""},
        {0, 13, 1, 76.00000763f, 18, "76.000007629394"},
        // up to seven decimals the plain form is what the number gives
        {0, 13, 1, 76.05f, 7, "76.0500031"},
    };
    EXPECT_CASES(cases);
}

TEST(FormatterImperial, DecimalFeetTakeTheirWordFromTheWrittenValue) {
    const Case cases[] = {
        {0, 3, 0, 76.5f, 16, "6.375 Feet"},
        {0, 8, 0, 76.5f, 16, "6.375'"},
        {0, 3, 1, 100, 2, "8.33 Feet"},
        {0, 3, 1, 18, 2, "1.5 Feet"},
        {0, 3, 1, 12, 2, "1 Foot"},
        {0, 3, 1, 6, 2, ".5 Foot"},
        {0, 3, 1, 4.999f, 2, ".42 Foot"},
        {0, 3, 1, 0.01f, 2, ""},
        // fractions split with all decimals, but the feet round to places
        {0, 3, 0, 12.5f, 16, "1.041667 Feet"},
        {0, 3, 0, 12.5f, 2, "1.04 Feet"},
        // a fractional inch too small to write counts for nothing
        {0, 3, 0, 12.06f, 16, "1.005 Feet"},
        {0, 3, 0, 12.01f, 16, "1 Foot"},
    };
    EXPECT_CASES(cases);
}

TEST(FormatterImperial, InchesOnlyTakeTheirWordFromTheWrittenValue) {
    const Case cases[] = {
        {0, 9, 0, 76.5f, 16, "76 1/2 Inches"},
        {0, 12, 0, 76.5f, 16, "76 1/2\""},
        {0, 13, 0, 76.5f, 16, "76 1/2"},
        {0, 9, 0, 24, 16, "24 Inches"},
        {0, 9, 0, 1, 16, "1 Inch"},
        {0, 9, 0, 0.5f, 16, "1/2 Inch"},
        {0, 9, 0, 1.5f, 16, "1 1/2 Inches"},
        {0, 9, 1, 1.25f, 2, "1.25 Inches"},
    };
    EXPECT_CASES(cases);
}

TEST(FormatterImperial, UnknownStyleCodesWriteThePartsWithoutLabelsOrBlanks) {
    const Case cases[] = {
        {0, 14, 1, 76.5f, 2, "64.5"},
        {0, -1, 1, 76.5f, 2, "64.5"},
        // the fraction keeps the blank it is written with
        {0, 14, 0, 76.5f, 16, "64 1/2"},
        {0, 14, 0, 12, 16, "1"},
        {0, INT32_MIN, 0, 13, 16, "11"},
    };
    EXPECT_CASES(cases);
}

TEST(FormatterImperial, ZeroNegativeAndNotANumberGiveEmptyText) {
    const float lengths[] = {0, -0.0f, -13, -0.5f, -76.5f, kNaN, -kInf};
    for (int32_t style = -1; style <= 14; ++style) {
        for (float inches : lengths) {
            for (int32_t number_style : {0, 1}) {
                EXPECT_EQ(GETFORMATEDTEXTFROMINCHES(0, style, number_style, inches, 16), "")
                    << "style " << style << ", " << inches << " in";
            }
        }
    }
}

TEST(FormatterImperial, InfiniteLengthsWriteTheNumberAsItComes) {
    // The feet are infinite and the inches beyond them NaN.
    const Case cases[] = {
        {0, 0, 0, kInf, 16, "9.999999E+998 Feet"},
        {0, 6, 1, kInf, 2, "9.999999E+998'"},
        {0, 3, 1, kInf, 2, ""},
        {0, 9, 0, kInf, 16, ""},
    };
    EXPECT_CASES(cases);
}

TEST(FormatterImperial, ExtremePlacesNeverFail) {
    for (int32_t places : {INT32_MIN, -1000, 0, 64, 1000, INT32_MAX}) {
        for (int32_t number_style : {0, 1}) {
            const std::string text = GETFORMATEDTEXTFROMINCHES(0, 6, number_style, 76.5f, places);
            EXPECT_EQ(text.rfind("6' ", 0), 0u) << places << ", " << number_style << ": " << text;
        }
    }
}

// The typing path writes what the general route writes wherever it takes a
// length, byte for byte, and takes the lengths users type; everything else
// it leaves untouched to the general route. So do metric lengths, which
// skip the imperial preparation.
TEST(FormatterImperial, TypingPathWritesWhatTheGeneralRouteWrites) {
    std::vector<float> lengths = {0x1p-17f, std::nextafter(0x1p-17f, 0.0f), 0x1p-6f, 0.5f, 0.75f, 1.5f, 12.5f,
                                  0.995f, 11.9999f, 32767 * 12 + 11.5f, 32768 * 12.0f, std::nextafter(0x1p20f, 0.0f),
                                  0x1p20f, 0x1p-20f, 0x1p-21f, 3e-6f, 1e-6f};
    uint32_t seed = 4321;
    for (int i = 0; i < 4000; ++i) {
        seed = seed * 1664525u + 1013904223u;
        lengths.push_back(static_cast<float>(seed % 20000) / 64.0f);
        lengths.push_back(static_cast<float>(seed % 100000) / 100.0f);
        lengths.push_back(std::ldexp(1.0f + static_cast<float>(seed >> 9) * 0x1p-23f, static_cast<int>(seed % 40) - 19));
    }
    const int32_t denominators[] = {-1, 0, 1, 2, 3, 4, 8, 16, 32, 64, 100, INT32_MAX};
    const int32_t decimals[] = {-1, 0, 1, 2, 3, 6, 7, 17, 18, 20};
    for (int32_t style = -1; style <= 14; ++style) {
        for (const int32_t number_style : {0, 1}) {
            for (const int32_t places : number_style == 0 ? std::span<const int32_t>(denominators) : decimals) {
                for (const float inches : lengths) {
                    wqj::detail::FormattedLength fast, full;
                    const bool took = wqj::detail::format_typed_imperial(fast, style, number_style, inches, places);
                    wqj::detail::format_inches_in_full(full, 0, style, number_style, inches, places);
                    if (took) {
                        ASSERT_EQ(fast.view(), full.view()) << "style " << style << ", number style " << number_style
                                                            << ", " << inches << " in, places " << places;
                    } else {
                        ASSERT_TRUE(fast.view().empty());
                    }
                }
            }
        }
    }
    // Metric lengths go straight to their styles' text.
    for (int32_t style = -1; style <= 7; ++style) {
        for (const int32_t places : decimals) {
            for (const float inches : lengths) {
                wqj::detail::FormattedLength direct, full;
                wqj::detail::format_inches(direct, 1, style, 1, inches, places);
                wqj::detail::format_inches_in_full(full, 1, style, 1, inches, places);
                ASSERT_EQ(direct.view(), full.view()) << "style " << style << ", " << inches << " in, places " << places;
            }
        }
    }
    for (int32_t style = 0; style <= 13; ++style) {
        wqj::detail::FormattedLength text;
        EXPECT_TRUE(wqj::detail::format_typed_imperial(text, style, 0, 76.5f, 16)) << style;
        EXPECT_TRUE(wqj::detail::format_typed_imperial(text, style, 1, 76.5f, 2)) << style;
    }
}

TEST(FormatterMetric, EveryStyle) {
    const Case cases[] = {
        {1, 0, 0, 100, 3, "2 Meters 540 Millimeters"},
        {1, 1, 0, 100, 3, "2m 540mm"},
        {1, 2, 0, 100, 3, "2.54 Meters"},
        {1, 3, 0, 100, 3, "2.54 m"},
        {1, 4, 0, 100, 3, "2540 mm"},
        {1, 5, 0, 100, 3, "2540"},
        {1, 6, 0, 100, 3, "2m 54cm"},
        // the number style plays no part
        // millimetres truncated, not rounded
        {1, 0, 0, 39.37f, 3, "999 Millimeters"},
        {1, 6, 0, 39.37f, 3, "99cm"},
        {1, 0, 0, 40, 3, "1 Meter 16 Millimeters"},
        {1, 6, 0, 40, 3, "1m 1cm"},
        {1, 0, 0, 39.3701f, 3, "1 Meter"},
        {1, 0, 0, 0.04f, 3, "1 Millimeter"},
        // decimal metres: the word follows the whole metres
        {1, 2, 0, 1, 3, ".025 Meter"},
        {1, 2, 0, 60, 3, "1.524 Meter"},
        {1, 2, 0, 60, 0, "2 Meter"},
        {1, 2, 0, 100, 1, "2.5 Meters"},
        {1, 2, 0, 0.04f, 2, "0 Meter"},
        // centimetres drop the millimetres beyond them
        {1, 6, 0, 1, 3, "2cm"},
        {1, 6, 0, 0.2f, 3, "0cm"},
        // a millimetre count of seven digits and more
        {1, 4, 0, 1e6f, 3, "2.540005E+7 mm"},
        {1, 4, 0, 393705, 3, "1.000013E+7 mm"},  // 10000 m 127 mm: eight digits, rounded to seven
        // whole metres of eleven digits, written out
        {1, 3, 0, 1e12f, 0, "25400050896 m"},
    };
    EXPECT_CASES(cases);
}

TEST(FormatterMetric, MillimetreStylesWriteZeroAndNegativeLengths) {
    const Case cases[] = {
        {1, 4, 0, 0, 3, "0 mm"},
        {1, 5, 0, 0, 3, "0"},
        {1, 4, 0, 0.01f, 3, "0 mm"},
        {1, 4, 0, -100, 3, "-2540 mm"},
        {1, 5, 0, -100, 3, "-2540"},
        // a length that is no number has no count
        {1, 4, 0, kNaN, 3, ""},
        {1, 5, 0, kInf, 3, ""},
        {1, 4, 0, -kInf, 3, ""},
    };
    EXPECT_CASES(cases);
    const float lengths[] = {0, -0.0f, 0.01f, -1, -100, kNaN, -kInf};
    for (int32_t style : {0, 1, 2, 3, 6}) {
        for (float inches : lengths) {
            EXPECT_EQ(GETFORMATEDTEXTFROMINCHES(1, style, 0, inches, 3), "") << style << ", " << inches;
        }
    }
}

TEST(FormatterMetric, UnknownStyleCodesAndInfiniteLengths) {
    const Case cases[] = {
        {1, 7, 0, 100, 3, ""},
        {1, -1, 0, 100, 3, ""},
        {1, 0, 0, kInf, 3, "9.999999E+998 Meters"},
        {1, 2, 0, kInf, 3, ""},
    };
    EXPECT_CASES(cases);
}

}  // namespace
