#include "platform/fpmode.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "boundary/fp_state.h"

namespace {

TEST(FpMode, GuardEntersTheWorkingModeAndGivesTheHostsBack) {
    const wqjtest::FpState saved = wqjtest::read_fp_state();
    const wqjtest::FpState host = wqjtest::unusual_host_fp_state();
    wqjtest::write_fp_state(host);
    wqjtest::FpState inside;
    volatile double big = std::numeric_limits<double>::max();
    volatile double result = 0;
    {
        wqj::platform::FpModeGuard guard;
        inside = wqjtest::read_fp_state();
        result = big * big;  // overflows: would trap in the host's mode
    }
    const wqjtest::FpState after = wqjtest::read_fp_state();
    wqjtest::write_fp_state(saved);
    EXPECT_EQ(inside.x87_control & ~0x40, 0x133F);  // bit 6 is reserved and reads as 1
    EXPECT_EQ(inside.mxcsr & 0xFFC0u, 0x1F80u);
    EXPECT_EQ(after, host);
    EXPECT_TRUE(std::isinf(result));
}

// Raises the x87 inexact flag (the host's x87 exceptions must be masked).
void raise_x87_inexact() {
    volatile long double one = 1.0L, three = 3.0L;
    volatile long double third = one / three;
    (void)third;
}

// The guard only does the costly steps (loading the control word, keeping
// the whole x87 environment) when the host's state needs them; whichever it
// takes, the host gets back exactly what it had, raised flags included, and
// inside the working mode holds. A row is a host state before the call.
TEST(FpMode, EveryHostStateIsGivenBackExactly) {
    struct Row {
        const char* host;
        uint16_t x87_control;
        bool x87_inexact_raised;
        uint32_t mxcsr;
    } const rows[] = {
        {"default x87 and SSE modes", 0x037F, false, 0x1F80},
        {"the working control word itself", 0x133F, false, 0x1F80},
        {"53-bit precision (MSVC runtimes)", 0x027F, false, 0x1F80},
        {"rounding up, exceptions unmasked", 0x0A72, false, 0x5900},
        {"x87 inexact flag raised", 0x037F, true, 0x1F80},
        {"x87 flag raised, 53-bit precision", 0x027F, true, 0x1F80},
        {"SSE inexact and overflow flags raised", 0x037F, false, 0x1FA8},
        {"SSE flush-to-zero and denormals-are-zero", 0x037F, false, 0x9FC0},
    };
    const wqjtest::FpState saved = wqjtest::read_fp_state();
    for (const Row& row : rows) {
        wqjtest::FpState host;
        host.x87_control = row.x87_control;
        host.mxcsr = row.mxcsr;
        wqjtest::write_fp_state(host);
        if (row.x87_inexact_raised) raise_x87_inexact();
        const wqjtest::FpState before = wqjtest::read_fp_state();
        wqjtest::FpState inside;
        volatile long double one = 1.0L, tiny = 0x1p-60L, three = 3.0L;
        volatile double big = std::numeric_limits<double>::max();
        long double sum = 0, third = 0;
        double overflow = 0;
        {
            wqj::platform::FpModeGuard guard;
            inside = wqjtest::read_fp_state();
            sum = one + tiny;
            third = one / three;   // raises x87 inexact inside
            overflow = big * big;  // raises SSE overflow inside
        }
        const wqjtest::FpState after = wqjtest::read_fp_state();
        wqjtest::write_fp_state(saved);
        SCOPED_TRACE(row.host);
        EXPECT_EQ(before.x87_flags, row.x87_inexact_raised ? 0x20 : 0);
        EXPECT_EQ(after, before);
        EXPECT_EQ(inside.x87_control & 0x0F3F, 0x033F);  // masked, 64-bit, nearest
        EXPECT_EQ(inside.x87_flags, 0);
        EXPECT_EQ(inside.mxcsr & 0xFFC0u, 0x1F80u);
        EXPECT_NE(sum, 1.0L);
        EXPECT_NE(third, 0.0L);
        EXPECT_TRUE(std::isinf(overflow));
    }
}

// In the working mode long double keeps a 64-bit significand even when the
// host had asked the x87 for 53 bits.
TEST(FpMode, ExtendedPrecisionInTheWorkingMode) {
    const wqjtest::FpState saved = wqjtest::read_fp_state();
    wqjtest::FpState host = saved;
    host.x87_control = 0x027F;  // 53-bit significand
    wqjtest::write_fp_state(host);
    volatile long double one = 1.0L;
    volatile long double tiny = 0x1p-60L;
    long double sum = 0;
    {
        wqj::platform::FpModeGuard guard;
        sum = one + tiny;
    }
    wqjtest::write_fp_state(saved);
    EXPECT_NE(sum, 1.0L);
}

}  // namespace
