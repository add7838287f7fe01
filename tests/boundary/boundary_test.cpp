// The exports called exactly as a host calls them, on both builds.
#include <gtest/gtest.h>

#include "bits.h"

#include <cfenv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "boundary/loaded_library.h"
#include "boundary/fp_state.h"

using wqjtest::take;

namespace {

using wqjtest::bits;

struct ExportRow {
    int ordinal;
    const char* name;
    int argument_bytes;
};

const ExportRow kExports[] = {
#define WQJ_EXPORT(ordinal, name, bytes, result, types, names) {ordinal, #name, bytes},
#include "wqj_export_list.inc"
#undef WQJ_EXPORT
};

class Boundary : public ::testing::Test {
protected:
    static void SetUpTestSuite() { WQJ_FN(INITIALIZEDLL)(); }
};

TEST(BoundaryExports, EveryNameOfTheTableIsExported) {
    for (const ExportRow& row : kExports) {
        EXPECT_NE(wqjtest::find_export(row.name), nullptr) << row.name;
    }
}

TEST(BoundaryExports, OrdinalsFollowAsciiOrderOfNames) {
    for (std::size_t i = 0; i < std::size(kExports); ++i) {
        EXPECT_EQ(kExports[i].ordinal, static_cast<int>(i) + 1);
        if (i > 0) {
            EXPECT_LT(std::strcmp(kExports[i - 1].name, kExports[i].name), 0);
        }
    }
}

TEST(BoundaryFrame, LibmainAcceptsOnlyProcessAttach) {
    auto libmain = WQJ_FN(LIBMAIN);
    struct Case {
        int32_t reason;
        int32_t want;
    } cases[] = {{1, 1}, {4, 0}};
    for (const Case& c : cases) EXPECT_EQ(libmain(nullptr, c.reason, nullptr), c.want) << c.reason;
}

TEST_F(Boundary, InchMillimetreConversionsAreExactToTheBit) {
    auto to_mm = WQJ_FN(INCHESTOMILLIMETERS);
    auto to_in = WQJ_FN(MILLIMETERSTOINCHES);
    EXPECT_EQ(bits(to_mm(12)), bits(304.800612));
    EXPECT_EQ(bits(to_in(1.0f)), bits(0.039369999f));
}

TEST_F(Boundary, ConvertMeasurementByKind) {
    EXPECT_EQ(WQJ_FN(CONVERTMEASUREMENT)(100, 1), 2.5400696f);
}

TEST_F(Boundary, DesignatorsAsHostStrings) {
    auto designator = WQJ_FN(GETMEASUREMENTDESIGNATOR);
    struct Case {
        int32_t system, unit, index, plain;
        const char* want;
    } cases[] = {{0, 1, 0, 0, " ' "}, {1, 3, 10, 0, " M.M. "}};
    for (const Case& c : cases) {
        EXPECT_EQ(take(designator(c.system, c.unit, c.index, c.plain)), c.want)
            << c.system << "," << c.unit << "," << c.index << "," << c.plain;
    }
}

TEST_F(Boundary, EmptyTextIsANullHandle) {
    bool was_null = false;
    take(WQJ_FN(GETMEASUREMENTDESIGNATOR)(0, 3, 0, 1), &was_null);
    EXPECT_TRUE(was_null);
    take(WQJ_FN(GETMEASUREMENTDESIGNATOR)(1, 0, 6, 1), &was_null);
    EXPECT_TRUE(was_null);
    take(WQJ_FN(GETMEASUREMENTLABEL)(1, 5, 3), &was_null);
    EXPECT_TRUE(was_null);
    take(WQJ_FN(GETMEASUREMENTLABEL)(0, 8, 3), &was_null);
    EXPECT_TRUE(was_null);
}

TEST_F(Boundary, LabelsAsHostStrings) {
    auto label = WQJ_FN(GETMEASUREMENTLABEL);
    EXPECT_EQ(take(label(0, 0, 1.5f)), "Feet");
    EXPECT_EQ(take(label(0, 7, 1)), "\"");
}

// The host's floating-point modes and status flags are the same after a
// call as before it, and nothing traps even with every exception unmasked.
TEST_F(Boundary, HostFloatingPointModesAreLeftAsTheyWere) {
    auto to_mm = WQJ_FN(INCHESTOMILLIMETERS);
    auto to_in = WQJ_FN(MILLIMETERSTOINCHES);
    auto convert = WQJ_FN(CONVERTMEASUREMENT);
    const float reference = to_in(25.4f);

    wqjtest::FpState host = wqjtest::unusual_host_fp_state();
    wqjtest::FpState saved = wqjtest::read_fp_state();
    wqjtest::write_fp_state(host);
    // An overflow, an invalid operation and inexact results: all would trap
    // in the host's mode.
    volatile double huge = to_mm(std::numeric_limits<double>::max());
    volatile float nan = convert(std::numeric_limits<float>::infinity(), 1);
    volatile float rounded = to_in(25.4f);
    wqjtest::FpState after = wqjtest::read_fp_state();
    wqjtest::write_fp_state(saved);

    EXPECT_EQ(after, host);
    EXPECT_TRUE(std::isinf(huge));
    EXPECT_FALSE(std::isnan(nan));  // infinity / 39.369 is infinity
    // The host's rounding mode and precision do not change the result.
    EXPECT_EQ(bits(static_cast<float>(rounded)), bits(reference));
}

}  // namespace
