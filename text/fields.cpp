// The field services: delimited fields and comma-separated values read
// from the left, counted, placed and replaced (see fields.h).
#include "text/fields.h"

#include <algorithm>
#include <bit>

#include "text/search.h"

#if defined(__SSE2__)
#  include <emmintrin.h>
#endif

namespace wqj {
namespace {

using namespace detail;

// ---- fields ---------------------------------------------------------------

// How often byte c occurs in text. Where SSE2 is there (every x86_64, and
// the DLL's i686 build), sixteen bytes are compared at a time and the hits
// summed per byte lane (each compare gives -1 for a hit), the lanes added
// up every 255 blocks before they could wrap; one at a time elsewhere.
int64_t count_byte(std::string_view text, char c) {
    const size_t n = text.size();
    const char* p = text.data();
    int64_t total = 0;
    size_t i = 0;
#if defined(__SSE2__)
    const __m128i wanted = _mm_set1_epi8(c);
    const __m128i zero = _mm_setzero_si128();
    // Each byte lane counts up to 255 hits before it is summed; four lanes
    // side by side keep the loads and compares of 64 bytes in flight at once
    // (twice the speed of one lane where the text is in cache).
    auto add = [&](__m128i lanes) {
        const __m128i sums = _mm_sad_epu8(lanes, zero);
        total += _mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_unpackhi_epi64(sums, sums));
    };
    auto hits = [&](__m128i lanes, size_t at) {
        return _mm_sub_epi8(lanes, _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + at)), wanted));
    };
    while (i + 64 <= n) {
        __m128i a = zero, b = zero, c2 = zero, d = zero;
        const size_t blocks = std::min<size_t>((n - i) / 64, 255);
        for (size_t k = 0; k < blocks; ++k, i += 64) {
            a = hits(a, i);
            b = hits(b, i + 16);
            c2 = hits(c2, i + 32);
            d = hits(d, i + 48);
        }
        add(a);
        add(b);
        add(c2);
        add(d);
    }
    if (i + 16 <= n) {
        __m128i lanes = zero;
        for (; i + 16 <= n; i += 16) lanes = hits(lanes, i);
        add(lanes);
    }
#endif
    for (; i < n; ++i) total += p[i] == c ? 1 : 0;
    return total;
}

// The position of the n-th occurrence (n >= 1) of byte c counted from the
// left, or from the right when `from_end`; npos when there are fewer. Whole
// blocks of sixteen bytes are counted at once, so a far occurrence costs a
// vector scan, not a call per occurrence.
size_t nth_byte(std::string_view text, char c, int64_t n, bool from_end) {
    const size_t size = text.size();
    const char* p = text.data();
    size_t done = 0;  // bytes looked at, from the chosen end
    // Whole chunks that hold fewer occurrences than are left to pass are
    // only counted.
    constexpr size_t kChunk = 4096;
    for (; done + kChunk <= size; done += kChunk) {
        const int64_t hits = count_byte(text.substr(from_end ? size - done - kChunk : done, kChunk), c);
        if (hits >= n) break;
        n -= hits;
    }
#if defined(__SSE2__)
    const __m128i wanted = _mm_set1_epi8(c);
    for (; done + 16 <= size; done += 16) {
        const size_t at = from_end ? size - done - 16 : done;
        unsigned mask = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + at)), wanted)));
        const int hits = std::popcount(mask);
        if (hits < n) {
            n -= hits;
            continue;
        }
        // The n-th hit lies in this block: drop the n - 1 before it.
        for (; n > 1; --n) mask = from_end ? mask & ~(0x80000000u >> std::countl_zero(mask)) : mask & (mask - 1);
        return from_end ? at + 31 - size_t(std::countl_zero(mask)) : at + size_t(std::countr_zero(mask));
    }
#endif
    for (; done < size; ++done) {
        const size_t at = from_end ? size - done - 1 : done;
        if (p[at] == c && --n == 0) return at;
    }
    return npos;
}

int64_t count_fields(std::string_view text, std::string_view delimiter) {
    // One field more than the delimiter occurs; a one-byte delimiter is
    // simply counted, which the compiler does many bytes at a time.
    if (delimiter.size() == 1) return 1 + count_byte(text, delimiter[0]);
    detail::FieldCursor c(text, delimiter);
    std::string_view f;
    int64_t count = 0;
    while (c.next(f)) ++count;
    return count;
}

}  // namespace

using namespace detail;

// ---- comma-separated values ----------------------------------------------

bool detail::CommaSeparatedCursor::next(std::string_view& field) {
    if (done_) return false;
    const size_t n = text_.size();
    size_t i = pos_;
    region_start_ = pos_;
    while (i < n && text_[i] == ' ') ++i;
    size_t comma;
    if (i < n && text_[i] == '"') {
        const size_t close = text_.find('"', i + 1);
        if (close == npos) {  // an unclosed quote runs to the end
            field = text_.substr(i + 1);
            region_end_ = n;
            done_ = true;
            return true;
        }
        field = text_.substr(i + 1, close - i - 1);
        comma = text_.find(',', close + 1);
    } else {
        comma = text_.find(',', i);
        size_t end = comma == npos ? n : comma;
        while (end > i && text_[end - 1] == ' ') --end;
        field = text_.substr(i, end - i);
    }
    region_end_ = comma == npos ? n : comma;
    if (comma == npos) done_ = true;
    else pos_ = comma + 1;
    return true;
}

std::optional<detail::FieldPlace> detail::comma_separated_region(std::string_view text, int32_t field) {
    if (field < 1) return std::nullopt;
    CommaSeparatedCursor cursor(text);
    std::string_view f;
    for (int32_t i = 1; cursor.next(f); ++i) {
        if (i != field) continue;
        const std::string_view region = cursor.region();
        return FieldPlace{size_t(region.data() - text.data()), region.size()};
    }
    return std::nullopt;
}

// ---- field services -------------------------------------------------------

int32_t FIELDCOUNT(std::string_view text, std::string_view delimiter) {
    return clamp32(count_fields(text, delimiter));
}

std::optional<detail::FieldPlace> detail::field_place(std::string_view text, std::string_view delimiter,
                                                      int32_t field) {
    if (field == 0 || delimiter.empty()) return std::nullopt;
    if (delimiter.size() == 1) {
        // One byte cannot overlap itself, so fields counted from either end
        // are those found from the left: field k stands between the
        // (k - 1)-th and the k-th delimiter.
        const char d = delimiter[0];
        const bool from_end = field < 0;
        const int64_t k = from_end ? -int64_t(field) : int64_t(field);
        size_t near = from_end ? text.size() : 0;  // the field's end nearer the counting end
        if (k > 1) {
            const size_t before = nth_byte(text, d, k - 1, from_end);
            if (before == npos) return std::nullopt;
            near = from_end ? before : before + 1;
        }
        if (from_end) {
            const size_t start_delimiter = nth_byte(text.substr(0, near), d, 1, true);
            const size_t start = start_delimiter == npos ? 0 : start_delimiter + 1;
            return FieldPlace{start, near - start};
        }
        const size_t end = text.find(d, near);
        return FieldPlace{near, (end == npos ? text.size() : end) - near};
    }
    int64_t want = field;
    if (field < 0) {
        want = count_fields(text, delimiter) + 1 + int64_t(field);
        if (want < 1) return std::nullopt;
    }
    FieldCursor cursor(text, delimiter);
    std::string_view f;
    for (int64_t i = 1; cursor.next(f); ++i)
        if (i == want) return FieldPlace{size_t(f.data() - text.data()), f.size()};
    return std::nullopt;
}

std::string_view FIELDAT(std::string_view text, std::string_view delimiter, int32_t field) {
    if (delimiter.empty()) {
        // Comma-separated values are read, not cut out of the text.
        if (field == 0) return {};
        int64_t want = field;
        if (field < 0) {
            want = count_fields(text, delimiter) + 1 + int64_t(field);
            if (want < 1) return {};
        }
        detail::FieldCursor cursor(text, delimiter);
        std::string_view f;
        for (int64_t i = 1; cursor.next(f); ++i)
            if (i == want) return f;
        return {};
    }
    const auto place = detail::field_place(text, delimiter, field);
    if (!place) return {};
    return text.substr(place->start, place->length);
}

int32_t PARSECOUNTDLL(std::string_view text, std::string_view delimiter) { return FIELDCOUNT(text, delimiter); }

std::string_view GETSTRINGPARTFROMSTRINGBYPOSITION(std::string_view text, int32_t position,
                                                   std::string_view delimiter) {
    return FIELDAT(text, delimiter, position);
}

double GETVALUEFROMSTRINGBYPOSITION(std::string_view text, int32_t position, std::string_view delimiter) {
    return static_cast<double>(TEXTTONUMBER(FIELDAT(text, delimiter, position)));
}

namespace {

// Where the bytes stand that replacing field `position` exchanges: the
// field itself, or with an empty delimiter its whole comma-separated region.
std::optional<FieldPlace> replaced_place(std::string_view text, std::string_view delimiter, int32_t position) {
    return delimiter.empty() ? comma_separated_region(text, position) : field_place(text, delimiter, position);
}

std::string trimmed(std::string joined) {
    const std::string_view t = detail::trim_blanks(joined);
    if (t.size() == joined.size()) return joined;
    return std::string(t);
}

}  // namespace

std::optional<std::string> SETSTRINGPARTINSTRINGBYPOSITION(std::string_view text, int32_t position,
                                                           std::string_view field, std::string_view delimiter) {
    if (position < 1) return std::nullopt;
    // With a delimiter, splitting and joining again with one delimiter
    // between consecutive fields gives back the record itself, so the result
    // is the record with the one field's bytes exchanged. Comma-separated
    // values are rewritten the same way, the field's whole region between
    // its commas exchanged, so that no other field loses its commas or
    // quotes. Nothing is added at the ends: the record stays within the old
    // length minus the old field plus the new one, the room the host
    // provides.
    const auto place = replaced_place(text, delimiter, position);
    if (!place) return std::nullopt;
    std::string joined;
    joined.reserve(text.size() - place->length + field.size());
    joined.append(text.substr(0, place->start));
    joined.append(field);
    joined.append(text.substr(place->start + place->length));
    return trimmed(std::move(joined));
}

std::optional<detail::FieldPlace> detail::replaced_field_in_place(std::string_view text, int32_t position,
                                                                  std::string_view field, std::string_view delimiter) {
    if (position < 1) return std::nullopt;
    const auto place = replaced_place(text, delimiter, position);
    if (!place) return std::nullopt;
    // The result's first and last bytes: a blank at either end would be
    // trimmed, which only the rebuilt text does.
    const std::size_t after = place->start + place->length;
    const bool empty = place->start == 0 && field.empty() && after == text.size();
    if (empty) return place;
    const char first = place->start > 0 ? text[0] : (!field.empty() ? field.front() : text[after]);
    const char last = after < text.size() ? text.back() : (!field.empty() ? field.back() : text[place->start - 1]);
    if (first == ' ' || last == ' ') return std::nullopt;
    return place;
}

std::optional<std::string> SETSTRINGPARTINSTRINGBYPOSITION2(std::string_view text, int32_t position,
                                                            std::string_view field, std::string_view delimiter) {
    return SETSTRINGPARTINSTRINGBYPOSITION(text, position, field, delimiter);
}

}  // namespace wqj
