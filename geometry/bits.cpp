#include "geometry/bits.h"

#include <bit>

namespace wqj {
namespace {

int32_t bit_limit(int32_t count) { return count < 1 || count > 32 ? 32 : count; }

bool is_bit_number(int32_t bit) { return bit >= 0 && bit <= 31; }

uint32_t mask_of(int32_t bit) { return uint32_t{1} << bit; }

int32_t from_bits(uint32_t bits) { return static_cast<int32_t>(bits); }

unsigned byte_turns(int32_t count) { return static_cast<unsigned>(count) & 7u; }  // count mod 8, non-negative

}  // namespace

int32_t GETTOTALBITSSET(int32_t value, int32_t count) {
    const int32_t n = bit_limit(count);
    uint32_t bits = static_cast<uint32_t>(value);
    if (n < 32) bits &= mask_of(n) - 1;
    return std::popcount(bits);
}

int32_t GETFIRSTBITSET(int32_t value, int32_t start, int32_t count) {
    const int32_t n = bit_limit(count);
    if (start < 0) start = 0;
    for (int32_t b = start; b < n; ++b) {
        if ((static_cast<uint32_t>(value) & mask_of(b)) != 0) return b;
    }
    return -1;
}

int32_t EXAMINEBIT(int32_t value, int32_t bit) {
    if (!is_bit_number(bit)) return 0;
    return (static_cast<uint32_t>(value) & mask_of(bit)) != 0 ? 1 : 0;
}

void CLEARBIT(int32_t& value, int32_t bit) {
    if (is_bit_number(bit)) value = from_bits(static_cast<uint32_t>(value) & ~mask_of(bit));
}

void SETBIT(int32_t& value, int32_t bit) {
    if (is_bit_number(bit)) value = from_bits(static_cast<uint32_t>(value) | mask_of(bit));
}

void TOGGLEBIT(int32_t& value, int32_t bit) {
    if (is_bit_number(bit)) value = from_bits(static_cast<uint32_t>(value) ^ mask_of(bit));
}

int32_t SHIFTBITSLEFT(int32_t value, int32_t count) {
    return from_bits(static_cast<uint32_t>(value) << (static_cast<uint32_t>(count) & 31u));
}

int32_t SHIFTBITSRIGHT(int32_t value, int32_t count) {
    return from_bits(static_cast<uint32_t>(value) >> (static_cast<uint32_t>(count) & 31u));
}

void ROTATEBITSLEFT(uint8_t& byte, int32_t count) { byte = std::rotl(byte, static_cast<int>(byte_turns(count))); }

void ROTATEBITSRIGHT(uint8_t& byte, int32_t count) { byte = std::rotr(byte, static_cast<int>(byte_turns(count))); }

}  // namespace wqj
