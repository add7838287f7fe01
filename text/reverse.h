// Reversal and the numeric test.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace wqj {

// The bytes of `text` from the last to the first (NUL bytes included).
std::string REVERSESTRINGDLL(std::string_view text);
// 1 when every byte is one of "0123456789." and at most one is a point.
int32_t ISNUMERICDLL(std::string_view text);

namespace detail {

// REVERSESTRINGDLL's bytes written into `out`, which holds exactly
// text.size() bytes.
void reverse_into(std::string_view text, std::span<char> out);

}  // namespace detail

}  // namespace wqj
