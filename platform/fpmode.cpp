// The floating-point working mode, set and restored with the x87 and SSE
// control instructions directly so both builds behave the same.
#include "platform/fpmode.h"

#include <cstring>

#if !defined(__i386__) && !defined(__x86_64__)
#  include <cfenv>
#endif

namespace wqj::platform {

namespace {
constexpr uint16_t kX87Working = 0x133F;
constexpr uint32_t kMxcsrWorking = 0x1F80;
}  // namespace

#if defined(__i386__) || defined(__x86_64__)

// What the working x87 mode means: exception masks, precision and rounding.
// (Bit 12, infinity control, has no effect on any x87 since the 80387.)
constexpr uint16_t kX87ModeBits = 0x0F3F;

// Entering and leaving run on every export call, and some of these
// instructions are slow: fldcw with a changed value and fnclex cost tens of
// nanoseconds, fnstenv/fldenv more. So each step is taken only when it
// changes something: the whole x87 environment is kept only when the host
// arrives with x87 flags raised (clearing them on the way out would lose
// them); the control word is loaded only when the host's mode differs from
// the working one; flags the library raised are cleared on the way out;
// MXCSR, mode and flags in one register, is loaded on entry only when it
// differs and given back on the way out.
__attribute__((noinline)) void enter_working_fp_mode(FpState& saved) noexcept {
    uint16_t status = 0;
    __asm__ volatile("fnstsw %0" : "=m"(status));
    __asm__ volatile("fnstcw %0" : "=m"(saved.x87_control));
    __asm__ volatile("stmxcsr %0" : "=m"(saved.mxcsr));
    // The six exception flags, stack fault and the summary bit.
    saved.x87_environment_saved = (status & 0xFFu) != 0;
    if (saved.x87_environment_saved) {
        __asm__ volatile("fnstenv %0" : "=m"(saved.x87_environment));
        __asm__ volatile("fnclex");
    }
    const bool mode_differs = (saved.x87_control & kX87ModeBits) != (kX87Working & kX87ModeBits);
    if (mode_differs || saved.x87_environment_saved) {
        uint16_t control = kX87Working;
        __asm__ volatile("fldcw %0" : : "m"(control));
    }
    if (saved.mxcsr != kMxcsrWorking) {
        uint32_t mxcsr = kMxcsrWorking;
        __asm__ volatile("ldmxcsr %0" : : "m"(mxcsr));
    }
}

__attribute__((noinline)) void leave_working_fp_mode(const FpState& saved) noexcept {
    if (saved.x87_environment_saved) {
        __asm__ volatile("fldenv %0" : : "m"(saved.x87_environment));
    } else {
        uint16_t status = 0;
        __asm__ volatile("fnstsw %0" : "=m"(status));
        if ((status & 0xFFu) != 0) __asm__ volatile("fnclex");
        // Compared rather than remembered: a call into the system may have
        // changed the control word and the working mode been set again.
        uint16_t control = 0;
        __asm__ volatile("fnstcw %0" : "=m"(control));
        if (control != saved.x87_control) __asm__ volatile("fldcw %0" : : "m"(saved.x87_control));
    }
    // Loaded unconditionally: ldmxcsr is cheap where stmxcsr, needed to
    // compare first, is not (several nanoseconds on some processors).
    __asm__ volatile("ldmxcsr %0" : : "m"(saved.mxcsr));
}

__attribute__((noinline)) void set_working_fp_mode() noexcept {
    uint16_t control = kX87Working;
    uint32_t mxcsr = kMxcsrWorking;
    __asm__ volatile("fnclex\n\tfldcw %0" : : "m"(control));
    __asm__ volatile("ldmxcsr %0" : : "m"(mxcsr));
}

#else

void enter_working_fp_mode(FpState& saved) noexcept {
    static_assert(sizeof(std::fenv_t) <= sizeof(saved.x87_environment));
    std::fenv_t env;
    std::feholdexcept(&env);
    std::memcpy(saved.x87_environment, &env, sizeof env);
    set_working_fp_mode();
}

void leave_working_fp_mode(const FpState& saved) noexcept {
    std::fenv_t env;
    std::memcpy(&env, saved.x87_environment, sizeof env);
    std::fesetenv(&env);
}

void set_working_fp_mode() noexcept { std::fesetround(FE_TONEAREST); }

#endif

}  // namespace wqj::platform
