// Measurement text parsing: what a user typed ("6 ' 4 1/2 \"", "2 m 50 cm")
// read into inches.
//
// Unit words are matched only as whole words between blanks, so an entry is
// first separated (blanks between numbers and words), then each unit's
// designators are looked up in table order and the number before the first
// one found is read backward from it.
#include "measure/parser.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <optional>
#include <span>
#include <vector>

#include "wqj_codes.h"
#include "measure/fractions.h"
#include "measure/units.h"
#include "text/convert.h"
#include "text/reverse.h"

#if defined(__SSE2__)
#  include <emmintrin.h>
#endif

namespace wqj {

namespace {

constexpr bool is_measurement_char(int32_t system, char c) {
    if ((c >= '0' && c <= '9') || c == '.') return true;
    return system == SYSTEMIMPERIAL && (c == '/' || c == '\\');
}

// A digit, ".", "/" or "\": the characters a number of any system is made of.
constexpr bool is_any_measurement_char(char c) { return is_measurement_char(SYSTEMIMPERIAL, c); }

int32_t to_position(int64_t p) {
    constexpr int64_t most = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::clamp<int64_t>(p, 0, most));
}


std::size_t leading_blanks(std::string_view text) { return text.size() - TRIMLEFTBLANKS(text).size(); }

// Every pass's designators by the words they can equal: by length (all are
// shorter than 16 bytes) and first byte, each with its pass and its index in
// the pass's order.
class DesignatorIndex {
public:
    struct Candidate {
        std::string_view word;
        uint8_t pass;
        uint8_t index;
    };

    DesignatorIndex() {
        // Counted per key, then laid out key after key.
        std::array<uint16_t, kKeys + 1> count{};
        for_each([&](std::size_t key, const Candidate&) { ++count[key]; });
        uint16_t at = 0;
        for (std::size_t key = 0; key < kKeys; ++key) {
            begin_[key] = at;
            at = static_cast<uint16_t>(at + count[key]);
        }
        begin_[kKeys] = at;
        candidates_.resize(at);
        std::array<uint16_t, kKeys> filled{};
        for_each([&](std::size_t key, const Candidate& c) { candidates_[begin_[key] + filled[key]++] = c; });
    }

    // The designators a word of the entry equals (at most one per pass).
    std::span<const Candidate> equal_to(std::string_view word) const {
        if (word.size() >= 16) return {};
        const std::size_t key = word.size() << 8 | static_cast<unsigned char>(word.front());
        return {candidates_.data() + begin_[key], static_cast<std::size_t>(begin_[key + 1] - begin_[key])};
    }

private:
    static constexpr std::size_t kKeys = 16 * 256;

    template <class F>
    static void for_each(F&& f) {
        for (std::size_t i = 0; i < std::size(detail::kUnitPasses); ++i) {
            const detail::UnitPass& pass = detail::kUnitPasses[i];
            uint8_t index = 0;
            for (const std::string_view word : detail::designators(pass.system, pass.unit)) {
                // Unit words are short: none is 16 bytes; a pass has a dozen.
                f(word.size() << 8 | static_cast<unsigned char>(word.front()),
                  Candidate{word, static_cast<uint8_t>(i), index++});
            }
        }
    }

    std::array<uint16_t, kKeys + 1> begin_{};
    std::vector<Candidate> candidates_;
};

// Two words of the same length and first byte: whether the rest agrees.
// Unit words are short; most are one or two bytes.
inline bool equal_after_first(std::string_view a, std::string_view b) {
    for (std::size_t k = 1; k < a.size(); ++k)
        if (a[k] != b[k]) return false;
    return true;
}

// Where each pass's unit word stands in the entry: for each pass, its first
// designator (in the pass's order) that the entry holds as a word after a
// blank, and the position of that blank where the word first occurs. This
// is what searching the entry for " WORD " designator after designator
// finds: a designator holds no blank, so " WORD " occurs exactly where a
// whole word after a blank equals WORD. One walk over the words does it for
// every pass.
struct UnitWordHits {
    static constexpr uint8_t kNone = 0xFF;
    std::array<uint8_t, std::size(detail::kUnitPasses)> index;
    std::array<std::size_t, std::size(detail::kUnitPasses)> blank;

    explicit UnitWordHits(std::string_view entry) {
        static const DesignatorIndex designators;
        index.fill(kNone);
        // The first word has no blank before it (the entry is trimmed).
        std::size_t i = 0;
        while (i < entry.size() && entry[i] != ' ') ++i;
        while (i < entry.size()) {
            while (i < entry.size() && entry[i] == ' ') ++i;
            const std::size_t begin = i;
            while (i < entry.size() && entry[i] != ' ') ++i;
            if (i == begin) break;
            const std::string_view word = entry.substr(begin, i - begin);
            for (const DesignatorIndex::Candidate& c : designators.equal_to(word)) {
                // The earliest word equal to a designator stays; a designator
                // earlier in its pass's order replaces it.
                if (c.index < index[c.pass] && equal_after_first(c.word, word)) {
                    index[c.pass] = c.index;
                    blank[c.pass] = begin - 1;
                }
            }
        }
    }
};

// numerator / denominator divided in extended precision and rounded to
// single, infinity for a zero denominator. With a denominator below 2^31 the
// extended quotient never lands on a tie between singles unless the exact
// quotient does (a run of 39 equal bits after the 25th would need a
// remainder below denominator / 2^39, that is 0), so it is the correctly
// rounded quotient: for parts that singles hold exactly (up to 2^24) one
// single division gives it.
float fraction_value(int32_t numerator, int32_t denominator) {
    if (denominator == 0) return std::numeric_limits<float>::infinity();
    constexpr int32_t kExactInSingle = 1 << 24;
    if (numerator >= 0 && numerator <= kExactInSingle && denominator > 0 && denominator <= kExactInSingle)
        return static_cast<float>(numerator) / static_cast<float>(denominator);
    return static_cast<float>(static_cast<long double>(numerator) / denominator);
}

float to_inches(const detail::UnitPass& pass, float amount) {
    // Every factor is a whole number below 2^10, so the product of a single
    // and the factor is exact in double precision: rounded to single once.
    const auto scaled = static_cast<float>(static_cast<double>(amount) * pass.factor);
    if (pass.system == SYSTEMMETRIC) return MILLIMETERSTOINCHES(scaled);
    return scaled;
}

}  // namespace

bool ISMEASUREMENTCHARACTERFORSYSTEM(int32_t system, std::string_view text) {
    return !text.empty() && is_measurement_char(system, text.front());
}

bool ISMEASUREMENTCHARACTER(std::string_view text) {
    return ISMEASUREMENTCHARACTERFORSYSTEM(SYSTEMIMPERIAL, text) ||
           ISMEASUREMENTCHARACTERFORSYSTEM(SYSTEMMETRIC, text);
}

namespace {

// A blank goes between two neighbours when neither is a blank and exactly
// one of them belongs to a number. An inserted blank never calls for
// another, so each original pair is judged once. By a table of byte kinds
// (blank, number character, anything else): a blank is needed exactly when
// the two kinds differ and neither is blank.
constexpr auto kSeparationKinds = [] {
    std::array<uint8_t, 256> kinds{};
    for (int c = 0; c < 256; ++c)
        kinds[static_cast<std::size_t>(c)] = c == ' ' ? 0 : (is_any_measurement_char(static_cast<char>(c)) ? 1 : 2);
    return kinds;
}();

bool needs_blank(char a, char b) {
    const uint8_t ka = kSeparationKinds[static_cast<unsigned char>(a)];
    const uint8_t kb = kSeparationKinds[static_cast<unsigned char>(b)];
    return (ka * kb) == 2;  // one number character and one other
}

#if defined(__SSE2__)
// For the sixteen bytes from text[i] (i >= 1): 0xFF at byte k when a blank
// goes between text[i + k - 1] and text[i + k], by the rule of needs_blank;
// 0 elsewhere.
inline __m128i blanks_before(const char* text, std::size_t i) {
    auto number = [](__m128i x) {
        const __m128i digit = _mm_sub_epi8(x, _mm_set1_epi8('0'));
        const __m128i is_digit = _mm_cmpeq_epi8(_mm_min_epu8(digit, _mm_set1_epi8(9)), digit);
        return _mm_or_si128(_mm_or_si128(is_digit, _mm_cmpeq_epi8(x, _mm_set1_epi8('.'))),
                            _mm_or_si128(_mm_cmpeq_epi8(x, _mm_set1_epi8('/')), _mm_cmpeq_epi8(x, _mm_set1_epi8('\\'))));
    };
    const __m128i cur = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
    const __m128i prev = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i - 1));
    const __m128i blank = _mm_set1_epi8(' ');
    const __m128i either_blank = _mm_or_si128(_mm_cmpeq_epi8(cur, blank), _mm_cmpeq_epi8(prev, blank));
    return _mm_andnot_si128(either_blank, _mm_xor_si128(number(cur), number(prev)));
}

// Eight bytes spread out by the blanks that go before bytes 1 to 7 (bit k
// of a mask: a blank before byte k; byte 0's blank is written ahead). Byte
// k moves up by the blanks up to it, at most 7, in steps of 4, 2 and 1
// bytes, largest first, so that no two bytes ever share a place. For each
// mask: the bytes that move at each step, the blanks then filled in, and
// the length of the result.
struct Spread {
    unsigned char moves[3][16];
    unsigned char blanks[16];
    std::size_t size;
};

constexpr auto kSpreads = [] {
    std::array<Spread, 128> spreads{};
    for (unsigned half = 0; half < 128; ++half) {
        Spread& s = spreads[half];
        const unsigned mask = half << 1;
        unsigned at[8]{}, shift[8]{}, count = 0;
        for (unsigned k = 0; k < 8; ++k) {
            count += mask >> k & 1u;
            shift[k] = count;
            at[k] = k;
        }
        for (unsigned step = 0; step < 3; ++step) {
            for (unsigned k = 0; k < 8; ++k) {
                if ((shift[k] & (4u >> step)) == 0) continue;
                s.moves[step][at[k]] = 0xFF;
                at[k] += 4u >> step;
            }
        }
        for (unsigned p = 0; p < 8 + count; ++p) s.blanks[p] = ' ';
        for (unsigned k = 0; k < 8; ++k) s.blanks[at[k]] = 0;
        s.size = 8 + count;
    }
    return spreads;
}();

// Writes the eight bytes at `from` with the blanks of `mask` (bit k: a blank
// before byte k) at `to` and gives the end of what was written; its stores
// reach at most 17 bytes past `to`.
inline char* spread_eight(const char* from, unsigned mask, char* to) {
    *to = ' ';
    to += mask & 1u;
    const Spread& s = kSpreads[mask >> 1];
    auto row = [](const unsigned char* bytes) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes)); };
    __m128i x = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(from));
    __m128i moves = row(s.moves[0]);
    x = _mm_or_si128(_mm_andnot_si128(moves, x), _mm_slli_si128(_mm_and_si128(moves, x), 4));
    moves = row(s.moves[1]);
    x = _mm_or_si128(_mm_andnot_si128(moves, x), _mm_slli_si128(_mm_and_si128(moves, x), 2));
    moves = row(s.moves[2]);
    x = _mm_or_si128(_mm_andnot_si128(moves, x), _mm_slli_si128(_mm_and_si128(moves, x), 1));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to), _mm_or_si128(x, row(s.blanks)));
    return to + s.size;
}
#endif

// Sets start and end to the first and last positions of what was read from
// a stretch s whose k-th character stands at position at(k): the fraction
// block [cut_at, cut_at + cut_size) of s when one was cut out, and the run
// of `run` number characters from rest_lead in what was left (whose index j
// stood at j in s before the block, at j + cut_size after it). Nothing read
// leaves them as they are.
template <class At>
void set_read_positions(At at, bool fraction, std::size_t cut_at, std::size_t cut_size, std::size_t rest_lead,
                        std::size_t run, int32_t& start, int32_t& end) {
    int64_t low = std::numeric_limits<int64_t>::max();
    int64_t high = std::numeric_limits<int64_t>::min();
    auto cover = [&](std::size_t k) {
        low = std::min(low, at(k));
        high = std::max(high, at(k));
    };
    if (fraction) {
        cover(cut_at);
        cover(cut_at + cut_size - 1);
    }
    if (run > 0) {
        auto in_s = [&](std::size_t j) { return j < cut_at ? j : j + cut_size; };
        cover(in_s(rest_lead));
        cover(in_s(rest_lead + run - 1));
    }
    if (low <= high) {
        start = to_position(low);
        end = to_position(high);
    }
}

}  // namespace

std::size_t detail::separated_size(std::string_view text) {
    if (trim_blanks(text).empty()) return 0;
    std::size_t added = 0;
    std::size_t i = 1;
#if defined(__SSE2__)
    // Sixteen pairs at a time, counted in byte lanes (a needed blank is -1
    // there) and summed before any lane can pass 255.
    while (i + 16 <= text.size()) {
        __m128i lanes = _mm_setzero_si128();
        for (int n = 0; n < 255 && i + 16 <= text.size(); ++n, i += 16)
            lanes = _mm_sub_epi8(lanes, blanks_before(text.data(), i));
        const __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
        added += static_cast<std::size_t>(_mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_srli_si128(sums, 8)));
    }
#endif
    for (; i < text.size(); ++i) added += needs_blank(text[i - 1], text[i]) ? 1 : 0;
    return text.size() + added;
}

void detail::separate_into(std::string_view text, std::span<char> out) {
    char* to = out.data();
    char* const end = out.data() + out.size();
    *to++ = text[0];
    std::size_t i = 1;
#if defined(__SSE2__)
    // Sixteen bytes at a time: copied whole where no blank goes among them,
    // else spread out eight at a time. A block's stores reach at most 33
    // bytes past where it starts; the text still to come is never shorter
    // than its input, so only the last blocks are left to the byte loop.
    for (; i + 16 <= text.size() && end - to >= 33; i += 16) {
        const auto need = static_cast<unsigned>(_mm_movemask_epi8(blanks_before(text.data(), i)));
        const char* from = text.data() + i;
        if (need == 0) {
            std::memcpy(to, from, 16);
            to += 16;
            continue;
        }
        to = spread_eight(from, need & 0xFFu, to);
        to = spread_eight(from + 8, need >> 8, to);
    }
#endif
    for (; i < text.size(); ++i) {
        if (needs_blank(text[i - 1], text[i])) *to++ = ' ';
        *to++ = text[i];
    }
}

std::string SEPARATEMEASUREMENTSINTEXTSTRING(std::string_view text) {
    std::string out(detail::separated_size(text), ' ');
    if (!out.empty()) detail::separate_into(text, out);
    return out;
}

float GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(int32_t system, std::string_view text, int32_t position,
                                                int32_t from_end, int32_t& start, int32_t& end) {
    const bool backward = from_end == -1;
    const int64_t length = static_cast<int64_t>(text.size());
    // A position before the text reads nothing either way; forward reading
    // must start inside the text, backward reading beyond its end reads the
    // whole text.
    if (position < 1 || (!backward && position > length)) return 0;

    // The stretch to read, blanks trimmed; backward it is reversed so that
    // both directions read from the front. at(k) is the 1-based position in
    // `text` of the stretch's k-th character (counted from 0).
    std::string reversed;
    std::string_view s;
    int64_t first_position = 0;  // position of s[0]
    if (backward) {
        const std::string_view window = text.substr(0, static_cast<std::size_t>(std::min<int64_t>(position, length)));
        const std::string_view core = TRIMRIGHTBLANKS(window);
        reversed = REVERSESTRINGDLL(TRIMLEFTBLANKS(core));
        s = reversed;
        first_position = static_cast<int64_t>(core.size());
    } else {
        const std::string_view window = text.substr(static_cast<std::size_t>(position - 1));
        s = detail::trim_blanks(window);
        first_position = position + static_cast<int64_t>(leading_blanks(window));
    }
    if (s.empty()) return 0;
    auto at = [&](std::size_t k) {
        return backward ? first_position - static_cast<int64_t>(k) : first_position + static_cast<int64_t>(k);
    };

    // The fraction is cut out of s as one block; what stays is read for the
    // whole number. Backward, a fraction counts only where it stands
    // directly before the position (blanks aside): one further back belongs
    // to an earlier unit's number and is not read a second time.
    std::optional<FoundFraction> fraction = detail::find_fraction(s, backward ? -1 : 0, false);
    float f = 0;
    std::string_view rest = s;
    std::size_t cut_at = 0;   // where the block stood in s
    std::size_t cut_size = 0;
    if (fraction) {
        rest = fraction->remainder;
        cut_size = s.size() >= rest.size() ? s.size() - rest.size() : 0;
        // The block begins with a digit and is followed by a non-digit, so
        // s and the remainder agree exactly up to the block.
        const std::size_t most = std::min(rest.size(), s.size() - cut_size);
        while (cut_at < most && s[cut_at] == rest[cut_at]) ++cut_at;
        if (backward && cut_at != 0) {
            fraction.reset();
            rest = s;
            cut_at = cut_size = 0;
        } else {
            f = fraction->value;
        }
    }
    const std::size_t rest_lead = leading_blanks(rest);
    rest = detail::trim_blanks(rest);
    std::size_t run = 0;
    while (run < rest.size() && is_measurement_char(system, rest[run])) ++run;
    std::string number(rest.substr(0, run));
    if (backward) std::reverse(number.begin(), number.end());

    // Where the value stands: from the first to the last character read,
    // fraction and whole number together.
    set_read_positions(at, fraction && cut_size > 0, cut_at, cut_size, rest_lead, run, start, end);
    return static_cast<float>(static_cast<long double>(f) + TEXTTONUMBER(number));
}

float detail::read_number_before(int32_t system, std::string_view text, int32_t position, int32_t& start,
                                 int32_t& end) {
    // The stretch before `position`, trimmed: u. Read backward it is the
    // text s = u reversed, whose k-th character stands at position
    // core_size - k; here s is walked through u's indexes, i = n - 1 - k.
    if (position < 1) return 0;
    const std::string_view core =
        TRIMRIGHTBLANKS(text.substr(0, std::min<std::size_t>(static_cast<std::size_t>(position), text.size())));
    const std::string_view u = TRIMLEFTBLANKS(core);
    const std::size_t n = u.size();
    if (n == 0) return 0;
    const auto core_size = static_cast<int64_t>(core.size());
    auto is_digit = [](char c) { return c >= '0' && c <= '9'; };

    // The fraction: the first slash of s (the last "/" of u, else its last
    // ""), with a digit run on each side; in u the numerator stands before
    // it, [numerator_start, slash), and the denominator after it,
    // (slash, denominator_last]. In s the block is [n - 1 - denominator_last,
    // n - numerator_start).
    bool fraction = false;
    float f = 0;
    std::size_t cut_at = 0, cut_size = 0;
    std::size_t numerator_start = 0, denominator_last = 0;
    if (n >= 3) {
        std::size_t slash = u.rfind('/');
        if (slash == std::string_view::npos) slash = u.rfind('\\');
        if (slash != std::string_view::npos && slash >= 1 && slash + 2 <= n) {
            numerator_start = slash;
            while (numerator_start > 0 && is_digit(u[numerator_start - 1])) --numerator_start;
            std::size_t denominator_end = slash + 1;
            while (denominator_end < n && is_digit(u[denominator_end])) ++denominator_end;
            // Only a fraction that ends the stretch is read with this
            // number; one further back is an earlier unit's.
            if (numerator_start < slash && denominator_end == n && denominator_end > slash + 1) {
                fraction = true;
                denominator_last = denominator_end - 1;
                const int32_t numerator = fraction_run_value(u.substr(numerator_start, slash - numerator_start));
                const int32_t denominator = fraction_run_value(u.substr(slash + 1, denominator_end - slash - 1));
                f = fraction_value(numerator, denominator);
                cut_at = n - 1 - denominator_last;
                cut_size = denominator_last + 1 - numerator_start;
            }
        }
    }
    // The rest of s once the block is cut out: s[0, cut_at) then s[cut_at +
    // cut_size, n); its j-th character in u.
    const std::size_t rest_size = n - cut_size;
    auto rest_at = [&](std::size_t j) { return j < cut_at ? u[n - 1 - j] : u[n - 1 - (j + cut_size)]; };
    std::size_t rest_lead = 0;
    while (rest_lead < rest_size && rest_at(rest_lead) == ' ') ++rest_lead;
    std::size_t run = 0;
    while (rest_lead + run < rest_size && is_measurement_char(system, rest_at(rest_lead + run))) ++run;
    // The number read in u's order: the run backward.
    char local[64];
    std::string heap;
    char* number = local;
    if (run > sizeof local) {
        heap.resize(run);
        number = heap.data();
    }
    for (std::size_t j = 0; j < run; ++j) number[run - 1 - j] = rest_at(rest_lead + j);

    // Where the value stands: from the first to the last character read.
    set_read_positions([&](std::size_t k) { return core_size - static_cast<int64_t>(k); }, fraction, cut_at, cut_size,
                       rest_lead, run, start, end);
    const std::string_view whole(number, run);
    // f + the whole number in extended precision, rounded to single once
    // (in double precision where that sum is exact).
    double sum = f;
    if (uint32_t value = 0; detail::small_whole_number(whole, value) && detail::add_exactly(sum, value))
        return static_cast<float>(sum);
    return static_cast<float>(static_cast<long double>(f) + TEXTTONUMBER(whole));
}

float CONVERTTEXTSTRINGVALUETOINCHES(std::string_view text, float maximum, int32_t& error_start,
                                     int32_t& error_end) {
    const std::string_view trimmed = detail::trim_blanks(text);
    if (trimmed.empty()) return 0;
    // Upper-casing leaves blanks alone, so trimming first gives the same T.
    // A typed entry fits a buffer on the stack; a longer text goes to the heap.
    char local[256];
    std::string heap;
    char* upper = local;
    if (trimmed.size() >= sizeof local) {
        heap.resize(trimmed.size() + 1);
        upper = heap.data();
    }
    std::memcpy(upper, trimmed.data(), trimmed.size());
    detail::upper_case_in_place(upper, trimmed.size());
    upper[trimmed.size()] = ' ';
    const std::string_view entry(upper, trimmed.size() + 1);

    float slots[4] = {0, 0, 0, 0};
    int32_t s = 0;
    int32_t e = 0;
    const UnitWordHits hits(entry);
    for (std::size_t i = 0; i < std::size(detail::kUnitPasses); ++i) {
        if (hits.index[i] == UnitWordHits::kNone) continue;
        const detail::UnitPass& pass = detail::kUnitPasses[i];
        const float v = detail::read_number_before(pass.system, entry, static_cast<int32_t>(hits.blank[i]), s, e);
        // The number is checked as written, in its own unit.
        if (maximum > 0 && v > maximum) {
            error_start = s;
            error_end = e;
            return static_cast<float>(pass.error_code);
        }
        slots[pass.unit] = to_inches(pass, v);
    }
    // Summed in slot order in extended precision, rounded to single once
    // (in double precision where that sum is exact).
    double sum = 0;
    bool exact = true;
    for (const float slot : slots) exact &= detail::add_exactly(sum, slot);
    if (exact) return static_cast<float>(sum);
    long double total = 0;
    for (const float slot : slots) total += static_cast<long double>(slot);
    return static_cast<float>(total);
}

}  // namespace wqj
