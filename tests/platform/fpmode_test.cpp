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
