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

__attribute__((noinline)) void enter_working_fp_mode(FpState& saved) noexcept {
    // fnstenv stores control, status and tag words and then masks every x87
    // exception, so nothing can trap from here on.
    __asm__ volatile("fnstenv %0" : "=m"(saved.x87_environment));
    __asm__ volatile("stmxcsr %0" : "=m"(saved.mxcsr));
    set_working_fp_mode();
}

__attribute__((noinline)) void leave_working_fp_mode(const FpState& saved) noexcept {
    __asm__ volatile("fldenv %0" : : "m"(saved.x87_environment));
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
