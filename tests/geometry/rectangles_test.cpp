#include "geometry/rectangles.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using wqj::RectDouble;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Rectangles, JustifyOrdersEachAxisOnItsOwn) {
    struct Case {
        RectDouble in, want;
    } cases[] = {
        {{5, 1, 2, 4}, {2, 1, 5, 4}}, {{1, 9, 3, 2}, {1, 2, 3, 9}}, {{9, 9, 1, 1}, {1, 1, 9, 9}},
        {{1, 2, 3, 4}, {1, 2, 3, 4}}, {{3, 3, 3, 3}, {3, 3, 3, 3}}, {{-1, 0, -2, 0}, {-2, 0, -1, 0}},
    };
    for (const Case& c : cases) {
        RectDouble r = c.in;
        wqj::SETRECTLOWERLEFTJUSTIFIED(r.X1, r.Y1, r.X2, r.Y2);
        EXPECT_EQ(r.X1, c.want.X1);
        EXPECT_EQ(r.Y1, c.want.Y1);
        EXPECT_EQ(r.X2, c.want.X2);
        EXPECT_EQ(r.Y2, c.want.Y2);
    }
}

TEST(Rectangles, PointInRectWithEdgesInsideOrOutside) {
    const RectDouble square{0, 0, 10, 10};
    struct Case {
        double x, y;
        RectDouble rect;
        int32_t exclusive, want;
    } cases[] = {
        {0, 5, square, 0, 1},   {0, 5, square, 1, 0},   {5, 5, square, 1, 1},   {10, 10, square, 0, 1},
        {10, 10, square, -1, 0}, {10.5, 5, square, 0, 0}, {5, -0.1, square, 0, 0},
        // each edge alone is outside when edges are excluded
        {10, 5, square, 1, 0}, {5, 0, square, 1, 0}, {5, 10, square, 1, 0},
        // not justified first: a reversed rectangle holds no point
        {5, 5, {10, 0, 0, 10}, 0, 0}, {5, 5, {0, 10, 10, 0}, 0, 0}, {0, 5, {10, 0, 0, 10}, 0, 0},
        {kNaN, 5, square, 0, 0}, {5, 5, {kNaN, 0, 10, 10}, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wqj::ISPOINTINRECTDOUBLE(c.x, c.y, c.rect, c.exclusive), c.want) << c.x << "," << c.y;
    }
}

TEST(Rectangles, RectInRectClassifiesTheRelation) {
    const RectDouble a{0, 0, 10, 10};
    struct Case {
        RectDouble outer, inner;
        int32_t want;
    } cases[] = {
        // B within A, edges included, after justification
        {a, {2, 2, 5, 5}, 1},         {a, a, 1},                  {a, {10, 10, 0, 0}, 1},
        {{10, 10, 0, 0}, {5, 2, 2, 5}, 1},
        // a corner of A in B
        {{2, 2, 5, 5}, a, 2},         {a, {8, 8, 12, 12}, 2},     {a, {10, 10, 20, 20}, 2},
        {a, {-5, -5, 1, 1}, 2},       {a, {9, 11, 12, -3}, 2},    {a, {-1, 9, 1, 12}, 2},
        // overlap without a corner of A in B
        {a, {3, -5, 6, 15}, 0},       {a, {20, 20, 30, 30}, 0},   {a, {5, 3, 15, 6}, 0},
        {a, {-5, 3, 15, 6}, 0},       {a, {10.5, 0, 12, 10}, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wqj::RECTINRECT(c.outer, c.inner), c.want)
            << c.inner.X1 << "," << c.inner.Y1 << "," << c.inner.X2 << "," << c.inner.Y2;
    }
}

TEST(Rectangles, ValueInLongArraySearchesFirstToLast) {
    const int32_t values[] = {7, 9, 7, 4};
    struct Case {
        int32_t value, last, first, want;
    } cases[] = {
        {7, 3, 0, 0}, {7, 3, 1, 2}, {5, 3, 0, -1}, {7, 1, 3, -1}, {4, 3, 3, 3}, {4, 2, 0, -1}, {9, 1, 1, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wqj::ISVALUEINLONGARRAY(c.value, values, c.last, c.first), c.want)
            << c.value << " in " << c.first << ".." << c.last;
    }
    // indexes count from the element given as element 0
    EXPECT_EQ(wqj::ISVALUEINLONGARRAY(7, values + 2, 1, -2), -2);
    EXPECT_EQ(wqj::ISVALUEINLONGARRAY(0, nullptr, 3, 0), -1);
}

}  // namespace
