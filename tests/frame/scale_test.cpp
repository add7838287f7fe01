#include "frame/scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "frame/library.h"

namespace {

class Scales : public ::testing::Test {
protected:
    void SetUp() override {
        wqj::detail::on_process_attach();
        wqj::INITIALIZEDLL();
    }
};

TEST_F(Scales, StoredValuesBySystemPartEntry) {
    struct Case {
        int32_t system, part, entry;
        float want;
    } cases[] = {
        {0, 1, 4, 48}, {1, 1, 4, 20}, {0, 1, 11, 768}, {1, 1, 11, 1000}, {0, 1, 5, 64}, {1, 1, 5, 25},
        {0, 0, 0, 1},  {1, 0, 11, 1}, {0, 0, 12, 0},   {1, 1, 12, 0},
        // outside the table: 0
        {0, 1, 13, 0}, {0, 2, 0, 0},  {2, 1, 4, 0},    {-1, 1, 4, 0}, {0, 1, -1, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wqj::GETSCALERATIOVALUE(c.system, c.part, c.entry), c.want)
            << c.system << "," << c.part << "," << c.entry;
    }
}

TEST_F(Scales, IndexOfAPairWithinOneSystem) {
    struct Case {
        int32_t system;
        float drawing, real;
        int32_t want;
    } cases[] = {
        {0, 1, 96, 6}, {0, 1, 100, -1}, {1, 1, 100, 7}, {0, 0, 0, 12}, {1, 0, 0, 12},
        {0, 2, 96, -1}, {0, 1, 1, 0},   {2, 1, 1, -1},  {-1, 1, 1, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wqj::GETINDEXFORSCALERATIOVALUES(c.system, c.drawing, c.real), c.want)
            << c.system << "," << c.drawing << ":" << c.real;
    }
}

TEST(ScaleReading, InchesPerFootRoundsTheQuotientToSingleFirst) {
    EXPECT_EQ(wqj::GETINCHESPERFOOTFROMSCALERATIO(1, 48), 0.25f);
    EXPECT_EQ(wqj::GETINCHESPERFOOTFROMSCALERATIO(1, 12), 1.0f);
    EXPECT_EQ(wqj::GETINCHESPERFOOTFROMSCALERATIO(1, 1), 12.0f);
    EXPECT_EQ(wqj::GETINCHESPERFOOTFROMSCALERATIO(1, 64), 0.1875f);
    // 1/3 rounded to single (0.3333333432674408) times 12 is 4.000000119...,
    // which rounds to 4 in single.
    EXPECT_EQ(wqj::GETINCHESPERFOOTFROMSCALERATIO(1, 3), 4.0f);
    EXPECT_TRUE(std::isinf(wqj::GETINCHESPERFOOTFROMSCALERATIO(1, 0)));
    EXPECT_TRUE(std::isnan(wqj::GETINCHESPERFOOTFROMSCALERATIO(0, 0)));
}

TEST(ScaleReading, NearestStandardScaleRoundsTheRatioDown) {
    struct Case {
        int32_t system;
        double ratio;
        int32_t want;
    } cases[] = {
        {0, 2, 1},         {0, 1, 1},          {0, 0.5, 2},       {0, 0.4, 12},   {0, 1.0 / 48, 48},
        {0, 0.02, 64},     {0, 0.001, -768},   {0, 1.0 / 768, 768}, {1, 0.3, 5},  {1, 0.0009, -1000},
        {1, 0.001, 1000},  {1, 1.0 / 250, 250}, {7, 0.3, 12},     {-1, 0.02, 64}, {0, 0, -768},
        {0, -1, -768},
        // a ratio that is not a number passes the first test
        {0, std::numeric_limits<double>::quiet_NaN(), 1},
        {1, std::numeric_limits<double>::infinity(), 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wqj::GETNEARESTSCALERATIOVALUE(c.system, c.ratio), c.want) << c.system << " " << c.ratio;
    }
}

TEST(ScaleReading, ConvertedValueBySystem) {
    EXPECT_EQ(wqj::GETCONVERTEDSCALEVALUE(1, 25.400051f), 1.0f);
    EXPECT_EQ(wqj::GETCONVERTEDSCALEVALUE(0, 1), 25.400051f);
    EXPECT_EQ(wqj::GETCONVERTEDSCALEVALUE(5, 1), 25.400051f);  // any other system: inches to millimetres
    EXPECT_EQ(wqj::GETCONVERTEDSCALEVALUE(1, 1000), 39.369999f);
}

}  // namespace
