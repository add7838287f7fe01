#include "text/reverse.h"

#include "text/convert.h"

#if defined(__SSE2__)
#  include <emmintrin.h>
#endif

namespace wqj {

std::string REVERSESTRINGDLL(std::string_view text) {
    std::string out(text.size(), '\0');
    detail::reverse_into(text, out);
    return out;
}

void detail::reverse_into(std::string_view text, std::span<char> out) {
    const std::size_t n = text.size();
    const char* from = text.data();
    char* to = out.data();
    std::size_t i = 0;
#if defined(__SSE2__)
    // Sixteen bytes at a time: the four words swapped end for end, then the
    // halves of each word, then the bytes of each half.
    for (; i + 16 <= n; i += 16) {
        __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + n - i - 16));
        block = _mm_shuffle_epi32(block, _MM_SHUFFLE(0, 1, 2, 3));
        block = _mm_shufflehi_epi16(_mm_shufflelo_epi16(block, _MM_SHUFFLE(2, 3, 0, 1)), _MM_SHUFFLE(2, 3, 0, 1));
        block = _mm_or_si128(_mm_slli_epi16(block, 8), _mm_srli_epi16(block, 8));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i), block);
    }
#endif
    for (; i < n; ++i) to[i] = from[n - 1 - i];
}

int32_t ISNUMERICDLL(std::string_view text) {
    // Every byte a digit or a point (FIRSTCHARACTERNOTINSET finds none) and
    // fewer than two points.
    const bool only_digits_and_points = FIRSTCHARACTERNOTINSET(1, text, "0123456789.") == 0;
    return only_digits_and_points && COUNTOCCURRENCES(text, ".") < 2 ? 1 : 0;
}

}  // namespace wqj
