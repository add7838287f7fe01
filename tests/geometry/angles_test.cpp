#include "geometry/angles.h"

#include <gtest/gtest.h>

#include "bits.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "frame/globals.h"

namespace {

using wqjtest::bits;

using wqj::PI;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Pair {
    double a, b, want;
};

TEST(Angles, ReduceUses359Or360AsLimitAndKeepsTheSign) {
    struct Case {
        double angle;
        int32_t allow360;
        double want;
    } cases[] = {
        {725, 0, 5},     {-725, 0, -5},  {360, 1, 360},   {-360, 1, -360}, {360, 0, 0},     {359.5, 0, 359.5},
        {-359.5, 0, -359.5}, {-90, 0, -90}, {360.5, 1, 0.5}, {359.5, 1, 359.5}, {720, 7, 0}, {1e6, 0, 280},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wqj::REDUCETO360DEGREEANGLE(c.angle, c.allow360), c.want) << c.angle << " flag " << c.allow360;
    }
    EXPECT_TRUE(std::isnan(wqj::REDUCETO360DEGREEANGLE(kNaN, 0)));
}

TEST(Angles, AddOffsetTakesARemainderBeyond359EitherWay) {
    const Pair cases[] = {
        {350, 20, 10}, {350, 9.5, 359.5}, {-350, -20, -10}, {359, 1, 0}, {-359, 0, -359}, {1000, 80, 0},
        {10, -20, -10}, {0, 0, 0},
    };
    for (const Pair& c : cases) EXPECT_EQ(wqj::ADDANGLEOFFSET(c.a, c.b), c.want) << c.a << " + " << c.b;
}

TEST(Angles, RotateDegreesWrapsOneTurnAtMost) {
    const Pair cases[] = {
        {350, 20, 10}, {10, -20, 350}, {359, 0.5, -0.5}, {359, 0, 359}, {400, 400, 440}, {-400, 0, -40},
        {0, 0, 0},
        // the sum is held in extended precision: 360 + 2^-46 is not rounded to 360 before the turn is removed
        {359, 1 + std::ldexp(1.0, -46), std::ldexp(1.0, -46)},
    };
    for (const Pair& c : cases) EXPECT_EQ(wqj::ROTATEDEGREESVALUE(c.a, c.b), c.want) << c.a << " + " << c.b;
}

TEST(Angles, RotateRadiansWrapsByTwoPi) {
    const Pair cases[] = {
        {6, 1, 7 - 2 * PI}, {0.5, -1, 2 * PI - 0.5}, {2 * PI, 0, 2 * PI}, {1, 1, 2}, {0, 0, 0},
        {20, 0, 20 - 2 * PI},
    };
    for (const Pair& c : cases) {
        EXPECT_EQ(bits(wqj::ROTATERADIANSVALUE(c.a, c.b)), bits(c.want)) << c.a << " + " << c.b;
    }
}

TEST(Angles, RotateToNextMultipleOfTheStep) {
    const Pair cases[] = {
        {40, 15, 45},  {45, 15, 60},  {40, -15, 30},   {45, -15, 30}, {350, 15, 0},  {10, -15, 0},
        {0, -15, 345}, {0, 15, 15},   {-10, 15, 15},   {360, 15, 15}, {-30, -15, 315}, {7, 2.5, 7.5},
        // a zero or NaN step has nothing to snap to
        {40, 0, 40},   {-0.5, 0, -0.5}, {40, kNaN, 40},
    };
    for (const Pair& c : cases) EXPECT_EQ(wqj::ROTATETONEXTDEGREEVALUE(c.a, c.b), c.want) << c.a << " step " << c.b;
}

TEST(Angles, PassedThroughZeroUpwardOrDownward) {
    struct Case {
        double angle, delta;
        int32_t want;
    } cases[] = {{350, 15, 1}, {10, -15, -1}, {10, 15, 0}, {359, 0, 0}, {359, 0.5, 1}, {0, 0, 0}, {0, -1e-300, -1}};
    for (const Case& c : cases) EXPECT_EQ(wqj::ANGLEPASSEDTHROUGHZERO(c.angle, c.delta), c.want) << c.angle;
}

TEST(Angles, OffsetFromAnglesByDirectionAndLimit) {
    struct Case {
        double from, to;
        int32_t mode;
        double maximum, want;
    } cases[] = {
        {350, 10, 0, 0, 20},   {10, 350, 0, 0, -20},  {10, 350, 1, 0, 340}, {10, 350, 2, 0, -20},
        {350, 10, 2, 0, -340}, {350, 10, 1, 0, 20},   {350, 10, 0, 5, 5},   {10, 350, 0, 5, -5},
        {0, 90, 7, 0, 90},     {90, 0, -1, 0, -90},   {10, 10, 1, 0, 0},    {10, 10, 2, 0, 0},
        // half a turn goes the second way
        {0, 180, 0, 0, -180},  {180, 0, 0, 0, 180},
        // both angles are reduced first (limit 359)
        {725, 10, 1, 0, 5},    {10, -700, 0, 0, 10},  {360, 0, 1, 0, 0},
        // the limit is the maximum's magnitude with the offset's sign
        {350, 10, 0, -5, 5},   {10, 350, 2, -5, -5},  {10, 20, 0, 50, 10},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wqj::GETOFFSETFROMANGLES(c.from, c.to, c.mode, c.maximum), c.want)
            << c.from << " -> " << c.to << " mode " << c.mode << " max " << c.maximum;
    }
}

}  // namespace
