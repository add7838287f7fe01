// Bit operations on the host's option and layer words.
//
// Bits are numbered 0 (least significant) to 31 (the sign bit). The by-value
// functions return a new word; the by-reference ones change the caller's
// variable in place and only ever touch its own 32 bits (the rotations only
// the one byte they are given).
#pragma once

#include <cstdint>

namespace wqj {

// A bit count outside 1 to 32 counts as 32.
// The number of set bits among bits 0 to count - 1.
int32_t GETTOTALBITSSET(int32_t value, int32_t count);
// The first set bit from `start` (a negative start counts as 0) up to
// count - 1, or -1.
int32_t GETFIRSTBITSET(int32_t value, int32_t start, int32_t count);

// Bit numbers outside 0 to 31 lie outside the caller's variable: EXAMINEBIT
// gives 0 for them and the others leave the variable unchanged.
int32_t EXAMINEBIT(int32_t value, int32_t bit);
void CLEARBIT(int32_t& value, int32_t bit);
void SETBIT(int32_t& value, int32_t bit);
void TOGGLEBIT(int32_t& value, int32_t bit);

// Shifts by the count's low five bits, filling with zeros (a logical shift
// to the right, whatever the sign).
int32_t SHIFTBITSLEFT(int32_t value, int32_t count);
int32_t SHIFTBITSRIGHT(int32_t value, int32_t count);

// Rotates one byte in place by the count modulo 8 (a negative count by its
// non-negative remainder).
void ROTATEBITSLEFT(uint8_t& byte, int32_t count);
void ROTATEBITSRIGHT(uint8_t& byte, int32_t count);

}  // namespace wqj
