// The floating-point working mode of the library.
//
// Every export runs in one mode whatever the host has set: x87 with all
// exceptions masked, round to nearest and a 64-bit significand (control word
// 0x133F, or a host's word that means the same), SSE with all exceptions
// masked and round to nearest (MXCSR 0x1F80). The host's own modes and
// status flags are saved on entry and given back on return, so a host is
// never left with a changed mode and no operation of the library can trap,
// even when the host unmasks exceptions.
#pragma once

#include <cstdint>

namespace wqj::platform {

struct FpState {
    alignas(16) unsigned char x87_environment[28];  // kept only when the host had x87 flags raised
    uint16_t x87_control;
    bool x87_environment_saved;
    uint32_t mxcsr;
};

// Saves the caller's modes into `saved` and enters the working mode.
void enter_working_fp_mode(FpState& saved) noexcept;
// Gives back the modes saved by enter_working_fp_mode.
void leave_working_fp_mode(const FpState& saved) noexcept;
// Re-enters the working mode (after a call into code that may change it).
void set_working_fp_mode() noexcept;

// Saves the caller's modes for the lifetime of the object. The restore is an
// out-of-line call, so no floating result is kept in an x87 register across it.
class FpModeGuard {
public:
    FpModeGuard() noexcept { enter_working_fp_mode(saved_); }
    ~FpModeGuard() { leave_working_fp_mode(saved_); }
    FpModeGuard(const FpModeGuard&) = delete;
    FpModeGuard& operator=(const FpModeGuard&) = delete;

private:
    FpState saved_;
};

}  // namespace wqj::platform
