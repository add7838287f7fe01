#include "measure/units.h"

#include <gtest/gtest.h>

#include "bits.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "wqj_codes.h"

namespace {

using wqjtest::bits;

TEST(Units, MillimetresPerInchIsTheDoubleNearest25_400051) {
    EXPECT_EQ(wqj::MILLIMETERSPERINCH, 25.400051);
    EXPECT_NE(wqj::MILLIMETERSPERINCH, 25.4);
    EXPECT_EQ(bits(wqj::kInchesPerMeter), bits(39.369f));
    EXPECT_EQ(static_cast<double>(wqj::kInchesPerMeter), 39.36899948120117);
}

TEST(Units, InchesToMillimetresRoundsTheExtendedProductOnceToDouble) {
    struct Case {
        double inches;
        double want;
    } cases[] = {
        {1, 25.400051},          {12, 304.800612},  {0, 0},     {-2, -50.800102},
        {0.5, 12.7000255},
    };
    for (const Case& c : cases) EXPECT_EQ(bits(wqj::INCHESTOMILLIMETERS(c.inches)), bits(c.want)) << c.inches;
    EXPECT_TRUE(std::isinf(wqj::INCHESTOMILLIMETERS(std::numeric_limits<double>::max())));
}

TEST(Units, MillimetresToInchesIsSinglePrecision) {
    struct Case {
        float mm;
        float want;
    } cases[] = {
        {25.4f, 0.99999797f}, {1000.0f, 39.369999f}, {25.400051f, 1.0f}, {0.0f, 0.0f}, {-25.400051f, -1.0f},
    };
    for (const Case& c : cases) EXPECT_EQ(bits(wqj::MILLIMETERSTOINCHES(c.mm)), bits(c.want)) << c.mm;
}

TEST(Units, ConvertMeasurementByKind) {
    struct Case {
        float inches;
        int32_t kind;
        float want;
    } cases[] = {
        {24, 0, 2.0f}, {100, 1, 2.5400696f}, {100, 7, 0.0f}, {100, -1, 0.0f}, {18, 0, 1.5f}, {39.369f, 1, 1.0f},
        {1, 0, 0.083333336f},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(bits(wqj::CONVERTMEASUREMENT(c.inches, c.kind)), bits(c.want)) << c.inches << " kind " << c.kind;
    }
    // No overflow check: infinities and NaN flow through.
    EXPECT_TRUE(std::isinf(wqj::CONVERTMEASUREMENT(std::numeric_limits<float>::infinity(), 0)));
    EXPECT_TRUE(std::isnan(wqj::CONVERTMEASUREMENT(std::numeric_limits<float>::quiet_NaN(), 1)));
}

TEST(Units, DesignatorTable) {
    struct Case {
        int32_t system, unit, index, plain;
        const char* want;
    } cases[] = {
        // metre list: "METER" comes before "METER."
        {1, 0, 0, 1, "METERS."}, {1, 0, 2, 1, "METER"}, {1, 0, 3, 1, "METER."}, {1, 0, 5, 1, "M"},
        {1, 0, 6, 1, ""},        {1, 1, 10, 1, "D.M."}, {1, 2, 8, 1, "CM."},    {1, 3, 10, 1, "M.M."},
        {1, 3, 11, 1, ""},       {1, 4, 0, 1, ""},      {1, -1, 0, 1, ""},      {1, 2, -1, 1, ""},
        // imperial
        {0, 0, 0, 1, "YARDS."},  {0, 0, 9, 1, "Y"},     {0, 0, 10, 1, ""},      {0, 1, 0, 1, "'"},
        {0, 1, 8, 1, "F"},       {0, 1, 9, 1, ""},      {0, 2, 0, 1, "\""},     {0, 2, 1, 1, "''"},
        {0, 2, 9, 1, "I"},       {0, 3, 0, 1, ""},
        // padded: one blank each side, two blanks for none
        {0, 1, 0, 0, " ' "},     {0, 3, 0, 0, "  "},    {1, 0, 6, 0, "  "},     {1, 1, 4, 0, " DECI. "},
        // any system other than metric is imperial; plain is any non-zero
        {5, 1, 6, 1, "FT"},      {-1, 2, 7, 1, "IN"},   {0, 1, 5, -3, "FT."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wqj::GETMEASUREMENTDESIGNATOR(c.system, c.unit, c.index, c.plain), c.want)
            << c.system << "," << c.unit << "," << c.index << "," << c.plain;
    }
}

TEST(Units, LabelsSingularUnlessStrictlyGreaterThanOne) {
    struct Case {
        int32_t system, kind;
        float value;
        const char* want;
    } cases[] = {
        {0, 0, 1, "Foot"},        {0, 0, 1.5f, "Feet"},     {0, 0, 1.0000001f, "Feet"}, {0, 0, 0.5f, "Foot"},
        {0, 0, -2, "Foot"},       {0, 1, 0, "Inch"},        {0, 1, 2, "Inches"},        {0, 2, 9, "Ft"},
        {0, 3, 9, "In"},          {0, 4, 9, "Ft."},         {0, 5, 9, "In."},           {0, 6, 9, "'"},
        {0, 7, 9, "\""},          {0, 8, 3, ""},            {0, -1, 3, ""},             {1, 0, -2, "Meter"},
        {1, 0, 2, "Meters"},      {1, 1, 1, "Millimeter"},  {1, 1, 1000, "Millimeters"}, {1, 2, 3, "m"},
        {1, 3, 3, "mm"},          {1, 4, 3, "cm"},          {1, 5, 3, ""},              {7, 1, 3, "Inches"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wqj::GETMEASUREMENTLABEL(c.system, c.kind, c.value), c.want)
            << c.system << "," << c.kind << "," << c.value;
    }
    // NaN is not greater than 1: singular.
    EXPECT_EQ(wqj::GETMEASUREMENTLABEL(0, 0, std::numeric_limits<float>::quiet_NaN()), "Foot");
}

}  // namespace
