#include "geometry/bits.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(Bits, TotalBitsSetBelowTheCount) {
    struct Case {
        int32_t value, count, want;
    } cases[] = {
        {-1, 0, 32}, {-1, 8, 8}, {5, 2, 1}, {5, 40, 2}, {-1, 32, 32}, {-1, 31, 31}, {-1, -3, 32},
        {INT32_MIN, 31, 0}, {INT32_MIN, 32, 1}, {0, 1, 0}, {1, 1, 1}, {3, 1, 1},
    };
    for (const Case& c : cases) EXPECT_EQ(wqj::GETTOTALBITSSET(c.value, c.count), c.want) << c.value << "/" << c.count;
}

TEST(Bits, FirstBitSetFromStartBelowTheCount) {
    struct Case {
        int32_t value, start, count, want;
    } cases[] = {
        {8, 0, 32, 3}, {8, 4, 32, -1}, {8, 0, 3, -1}, {INT32_MIN, 0, 0, 31}, {1, 5, 2, -1}, {8, 3, 4, 3},
        {0, 0, 32, -1}, {-1, 31, 32, 31}, {-1, 32, 32, -1}, {-1, 99, 0, -1},
        // a negative start counts as bit 0
        {1, -5, 32, 0}, {4, INT32_MIN, 32, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wqj::GETFIRSTBITSET(c.value, c.start, c.count), c.want) << c.value << " from " << c.start;
    }
}

TEST(Bits, ExamineBitWithinTheVariableOnly) {
    struct Case {
        int32_t value, bit, want;
    } cases[] = {
        {INT32_MIN, 31, 1}, {INT32_MIN, 30, 0}, {5, 0, 1}, {5, 1, 0}, {5, 2, 1},
        // numbers outside 0 to 31 lie outside the variable
        {-1, 32, 0}, {-1, -1, 0}, {-1, INT32_MAX, 0}, {-1, INT32_MIN, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(wqj::EXAMINEBIT(c.value, c.bit), c.want) << c.value << " bit " << c.bit;
}

TEST(Bits, ChangeOneBitInPlace) {
    using Change = void (*)(int32_t&, int32_t);
    struct Case {
        Change change;
        int32_t value, bit, want;
    } cases[] = {
        {wqj::SETBIT, 0, 31, INT32_MIN}, {wqj::TOGGLEBIT, 5, 0, 4},  {wqj::CLEARBIT, -1, 4, -17},
        {wqj::SETBIT, 5, 2, 5},          {wqj::CLEARBIT, 4, 0, 4},   {wqj::TOGGLEBIT, INT32_MIN, 31, 0},
        // numbers outside 0 to 31 leave the variable unchanged
        {wqj::SETBIT, 0, 32, 0},         {wqj::CLEARBIT, -1, -1, -1}, {wqj::TOGGLEBIT, 7, 40, 7},
        {wqj::SETBIT, 0, INT32_MIN, 0},
    };
    for (const Case& c : cases) {
        int32_t v = c.value;
        c.change(v, c.bit);
        EXPECT_EQ(v, c.want) << c.value << " bit " << c.bit;
    }
}

TEST(Bits, ShiftsUseTheLowFiveBitsOfTheCount) {
    struct Case {
        bool left;
        int32_t value, count, want;
    } cases[] = {
        {true, 1, 31, INT32_MIN}, {true, 1, 32, 1},        {true, 3, 33, 6},      {true, 1, -1, INT32_MIN},
        {true, -1, 4, -16},       {true, 5, 0, 5},         {false, -1, 28, 15},   {false, -2, 1, INT32_MAX},
        {false, INT32_MIN, 31, 1}, {false, 8, 35, 1},      {false, 8, 32, 8},
    };
    for (const Case& c : cases) {
        const int32_t got = c.left ? wqj::SHIFTBITSLEFT(c.value, c.count) : wqj::SHIFTBITSRIGHT(c.value, c.count);
        EXPECT_EQ(got, c.want) << (c.left ? "left " : "right ") << c.value << " by " << c.count;
    }
}

TEST(Bits, RotationsTurnOneByte) {
    struct Case {
        bool left;
        uint8_t byte;
        int32_t count;
        uint8_t want;
    } cases[] = {
        {true, 129, 1, 3},    {false, 1, 1, 128},  {false, 1, 8, 1},     {true, 1, 0, 1},    {true, 1, -1, 128},
        {false, 1, -1, 2},    {true, 0x12, 4, 0x21}, {true, 1, 9, 2},    {false, 255, 3, 255},
        {true, 1, INT32_MIN, 1}, {false, 0x80, INT32_MAX, 1},
    };
    for (const Case& c : cases) {
        uint8_t b = c.byte;
        if (c.left) wqj::ROTATEBITSLEFT(b, c.count);
        else wqj::ROTATEBITSRIGHT(b, c.count);
        EXPECT_EQ(b, c.want) << (c.left ? "left " : "right ") << int{c.byte} << " by " << c.count;
    }
}

}  // namespace
