// The angle, rectangle and bit exports as a host calls them: doubles by
// value, variables and records by reference, nothing touched beyond them.
#include <gtest/gtest.h>

#include "bits.h"

#include <climits>
#include <cmath>
#include <cstring>

#include "boundary/loaded_library.h"

namespace {

using wqjtest::bits;

TEST(BoundaryAngles, DoublesCrossExactly) {
    EXPECT_EQ(WQJ_FN(REDUCETO360DEGREEANGLE)(-725, 0), -5);
    EXPECT_EQ(WQJ_FN(ADDANGLEOFFSET)(350, 9.5), 359.5);
    EXPECT_EQ(WQJ_FN(ROTATEDEGREESVALUE)(359, 1 + std::ldexp(1.0, -46)), std::ldexp(1.0, -46));
    EXPECT_EQ(bits(WQJ_FN(ROTATERADIANSVALUE)(0.5, -1)), bits(2 * 3.141592653589793 - 0.5));
    EXPECT_EQ(WQJ_FN(ROTATETONEXTDEGREEVALUE)(0, -15), 345);
    EXPECT_EQ(WQJ_FN(ANGLEPASSEDTHROUGHZERO)(10, -15), -1);
    EXPECT_EQ(WQJ_FN(GETOFFSETFROMANGLES)(10, 350, 0, 5), -5);
    EXPECT_EQ(WQJ_FN(GETOFFSETFROMANGLES)(350, 10, 0, 5), 5);
}

TEST(BoundaryRectangles, JustifyWritesTheFourVariablesInPlace) {
    double x1 = 5, y1 = 9, x2 = 2, y2 = 4;
    WQJ_FN(SETRECTLOWERLEFTJUSTIFIED)(&x1, &y1, &x2, &y2);
    EXPECT_EQ(x1, 2);
    EXPECT_EQ(y1, 4);
    EXPECT_EQ(x2, 5);
    EXPECT_EQ(y2, 9);
    // A missing variable reads as 0 and is not written.
    double a = 3, b = -1;
    WQJ_FN(SETRECTLOWERLEFTJUSTIFIED)(&a, nullptr, nullptr, &b);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 0);
    WQJ_FN(SETRECTLOWERLEFTJUSTIFIED)(nullptr, nullptr, nullptr, nullptr);
}

TEST(BoundaryRectangles, RecordsAreReadOnly) {
    RECTDOUBLE a{10, 10, 0, 0}, b{5, 5, 2, 2};
    EXPECT_EQ(WQJ_FN(RECTINRECT)(&a, &b), 1);
    EXPECT_EQ(a.X1, 10);
    EXPECT_EQ(a.Y2, 0);
    EXPECT_EQ(b.X1, 5);
    EXPECT_EQ(b.Y2, 2);
    EXPECT_EQ(WQJ_FN(RECTINRECT)(&b, &a), 2);
    RECTDOUBLE strip{3, -5, 6, 15};
    EXPECT_EQ(WQJ_FN(RECTINRECT)(&a, &strip), 0);

    RECTDOUBLE square{0, 0, 10, 10};
    EXPECT_EQ(WQJ_FN(ISPOINTINRECTDOUBLE)(0, 5, &square, 0), 1);
    EXPECT_EQ(WQJ_FN(ISPOINTINRECTDOUBLE)(4, 0, &strip, 0), 1);
    EXPECT_EQ(WQJ_FN(ISPOINTINRECTDOUBLE)(0, 4, &strip, 0), 0);
    EXPECT_EQ(WQJ_FN(ISPOINTINRECTDOUBLE)(5, 5, &a, 0), 0);  // reversed: not justified
    // A missing record reads as the all-zero rectangle.
    EXPECT_EQ(WQJ_FN(ISPOINTINRECTDOUBLE)(0, 0, nullptr, 0), 1);
    EXPECT_EQ(WQJ_FN(ISPOINTINRECTDOUBLE)(0, 0, nullptr, 1), 0);
    EXPECT_EQ(WQJ_FN(RECTINRECT)(&square, nullptr), 1);
    EXPECT_EQ(WQJ_FN(RECTINRECT)(nullptr, &square), 2);
}

TEST(BoundaryRectangles, ValueInLongArrayTakesTheLastIndexBeforeTheFirst) {
    int32_t values[] = {7, 9, 7, 4};
    auto find = WQJ_FN(ISVALUEINLONGARRAY);
    EXPECT_EQ(find(7, values, 3, 1), 2);
    EXPECT_EQ(find(4, values, 3, 0), 3);
    EXPECT_EQ(find(4, nullptr, 3, 0), -1);
}

TEST(BoundaryBits, ByReferenceChangesStayInsideTheVariable) {
    // The variable sits between two guards that must never change.
    struct Guarded {
        int32_t before, value, after;
    };
    struct Case {
        void(WQJ_CALL* change)(int32_t*, int32_t);
        int32_t value, bit, want;
    } cases[] = {
        {WQJ_FN(SETBIT), 0, 31, INT32_MIN}, {WQJ_FN(TOGGLEBIT), 5, 0, 4},   {WQJ_FN(CLEARBIT), -1, 4, -17},
        {WQJ_FN(SETBIT), 0, 32, 0},         {WQJ_FN(SETBIT), 0, -1, 0},     {WQJ_FN(TOGGLEBIT), 0, 63, 0},
        {WQJ_FN(CLEARBIT), -1, -32, -1},    {WQJ_FN(SETBIT), 0, INT32_MAX, 0},
    };
    for (const Case& c : cases) {
        Guarded g{0x5A5A5A5A, c.value, 0x5A5A5A5A};
        c.change(&g.value, c.bit);
        EXPECT_EQ(g.value, c.want) << c.value << " bit " << c.bit;
        EXPECT_EQ(g.before, 0x5A5A5A5A) << c.bit;
        EXPECT_EQ(g.after, 0x5A5A5A5A) << c.bit;
        c.change(nullptr, c.bit);
    }
    Guarded g{-1, INT32_MIN, -1};
    EXPECT_EQ(WQJ_FN(EXAMINEBIT)(&g.value, 31), 1);
    EXPECT_EQ(WQJ_FN(EXAMINEBIT)(&g.value, 32), 0);
    EXPECT_EQ(WQJ_FN(EXAMINEBIT)(&g.value, -1), 0);
    EXPECT_EQ(WQJ_FN(EXAMINEBIT)(nullptr, 0), 0);
}

TEST(BoundaryBits, CountsAndShiftsByValue) {
    EXPECT_EQ(WQJ_FN(GETTOTALBITSSET)(-1, 0), 32);
    EXPECT_EQ(WQJ_FN(GETFIRSTBITSET)(1, -3, 32), 0);
    EXPECT_EQ(WQJ_FN(SHIFTBITSLEFT)(3, 33), 6);
    EXPECT_EQ(WQJ_FN(SHIFTBITSRIGHT)(-2, 1), INT32_MAX);
}

TEST(BoundaryBits, RotationsChangeOnlyTheByteAtTheAddress) {
    int32_t wide = 0x1FF;
    WQJ_FN(ROTATEBITSLEFT)(&wide, 1);
    EXPECT_EQ(wide, 0x1FF);
    wide = 0x181;  // low byte 1000 0001
    WQJ_FN(ROTATEBITSLEFT)(&wide, 1);
    EXPECT_EQ(wide, 0x103);
    WQJ_FN(ROTATEBITSRIGHT)(&wide, -1);  // right by 7 = left by 1
    EXPECT_EQ(wide, 0x106);
    unsigned char bytes[3] = {0xEE, 1, 0xEE};
    WQJ_FN(ROTATEBITSRIGHT)(&bytes[1], 1);
    EXPECT_EQ(bytes[1], 128);
    WQJ_FN(ROTATEBITSRIGHT)(&bytes[1], 8);
    EXPECT_EQ(bytes[1], 128);
    EXPECT_EQ(bytes[0], 0xEE);
    EXPECT_EQ(bytes[2], 0xEE);
    WQJ_FN(ROTATEBITSLEFT)(nullptr, 1);
}

}  // namespace
