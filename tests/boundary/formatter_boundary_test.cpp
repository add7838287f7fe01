// The formatting exports called exactly as a host calls them: parts written
// back through by-reference singles, text returned as a host string.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "boundary/loaded_library.h"

using wqjtest::take;

namespace {

class FormatterExports : public ::testing::Test {
protected:
    static void SetUpTestSuite() { WQJ_FN(INITIALIZEDLL)(); }
};

TEST_F(FormatterExports, PartsAreWrittenThroughTheCallersSingles) {
    auto split = WQJ_FN(GETINDIVIDUALMEASUREMENTVALUESFROMINCHES);
    struct Case {
        int32_t system;
        float inches;
        int32_t places;
        float big, mid, small;
    } cases[] = {
        {0, 76.5f, 2, 6, 4, 0.5f},
        {1, 100, 3, 2, 540, 0},
    };
    for (const Case& c : cases) {
        float big = -99, mid = -99, small = -99;
        split(c.system, c.inches, c.places, &big, &mid, &small);
        EXPECT_EQ(big, c.big) << c.system << ", " << c.inches;
        EXPECT_EQ(mid, c.mid) << c.system << ", " << c.inches;
        EXPECT_EQ(small, c.small) << c.system << ", " << c.inches;
    }
}

TEST_F(FormatterExports, NullPartPointersAreNotWritten) {
    auto split = WQJ_FN(GETINDIVIDUALMEASUREMENTVALUESFROMINCHES);
    float big = -99, mid = -99, small = -99;
    split(0, 76.5f, 2, nullptr, &mid, nullptr);
    EXPECT_EQ(mid, 4);
    split(0, 76.5f, 2, &big, nullptr, &small);
    EXPECT_EQ(big, 6);
    EXPECT_EQ(small, 0.5f);
    split(1, 100, 3, nullptr, nullptr, nullptr);
}

TEST_F(FormatterExports, TextIsReturnedAsAHostString) {
    auto format = WQJ_FN(GETFORMATEDTEXTFROMINCHES);
    struct Case {
        int32_t system, style, number_style;
        float inches;
        int32_t places;
        const char* want;
    } cases[] = {
        {0, 6, 0, 76.5f, 16, "6' 4 1/2\""},
        {1, 0, 0, 39.37f, 3, "999 Millimeters"},
    };
    for (const Case& c : cases) {
        bool was_null = true;
        EXPECT_EQ(take(format(c.system, c.style, c.number_style, c.inches, c.places), &was_null), c.want)
            << c.system << ", " << c.style << ", " << c.inches;
        EXPECT_FALSE(was_null);
    }
}

TEST_F(FormatterExports, EmptyTextIsANullHandle) {
    auto format = WQJ_FN(GETFORMATEDTEXTFROMINCHES);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        int32_t system, style;
        float inches;
    } cases[] = {{0, 6, 0}, {1, 4, nan}};
    for (const Case& c : cases) {
        EXPECT_TRUE(wqjtest::is_null(format(c.system, c.style, 0, c.inches, 16)))
            << c.system << ", " << c.style << ", " << c.inches;
    }
}

}  // namespace
