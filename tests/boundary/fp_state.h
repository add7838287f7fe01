// The floating-point modes and status flags a host can see.
#pragma once

#include <cstdint>
#include <ostream>

namespace wqjtest {

struct FpState {
    uint16_t x87_control = 0;
    uint16_t x87_flags = 0;  // the six exception flags of the status word
    uint32_t mxcsr = 0;
    bool operator==(const FpState&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const FpState& s) {
    return os << std::hex << "{x87 control 0x" << s.x87_control << ", x87 flags 0x" << s.x87_flags
              << ", mxcsr 0x" << s.mxcsr << std::dec << "}";
}

inline FpState read_fp_state() {
    FpState s;
    uint16_t status = 0;
    __asm__ volatile("fnstcw %0" : "=m"(s.x87_control));
    __asm__ volatile("fnstsw %0" : "=m"(status));
    __asm__ volatile("stmxcsr %0" : "=m"(s.mxcsr));
    s.x87_flags = status & 0x3F;
    return s;
}

// Sets the modes of `s` with every status flag clear.
inline void write_fp_state(const FpState& s) {
    __asm__ volatile("fnclex\n\tfldcw %0" : : "m"(s.x87_control));
    __asm__ volatile("ldmxcsr %0" : : "m"(s.mxcsr));
}

// A host that unmasks invalid, divide-by-zero and overflow, rounds upward
// and (x87) keeps a 53-bit significand, as some hosts' runtimes do.
inline FpState unusual_host_fp_state() {
    FpState s;
    s.x87_control = 0x0A72;
    s.x87_flags = 0;
    s.mxcsr = 0x5900;
    return s;
}

}  // namespace wqjtest
