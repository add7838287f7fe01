// Number and text conversion services (see convert.h).
//
// The digit work is done here with exact integer arithmetic rather than with
// the C library's printf/strtold, so that the x86_64 Linux build and the
// i686 Windows build produce the same bytes and the same bits. Both targets
// carry long double in the x87 80-bit format (64-bit significand, explicit
// integer bit, 15-bit exponent), which this file reads and writes directly.
#include "convert.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <stdexcept>

#if defined(__SSE2__)
#  include <emmintrin.h>
#endif

namespace wqj {
namespace {

static_assert(std::numeric_limits<long double>::digits == 64,
              "long double must be the x87 80-bit extended format");

constexpr size_t npos = std::string_view::npos;

// ---- the extended-precision format ----------------------------------------

enum class Kind { Zero, Finite, Infinite, NaN };

// A long double taken apart: a finite value is mant * 2^exp.
struct Parts {
    bool neg = false;
    Kind kind = Kind::Zero;
    uint64_t mant = 0;
    int32_t exp = 0;
};

constexpr int32_t kSubnormalExp = -16445;  // exponent of the smallest unit
constexpr int32_t kExpOffset = 16446;      // biased field = exp + offset (mant normalised)

Parts decode(long double x) {
    unsigned char b[sizeof(long double)] = {};
    std::memcpy(b, &x, sizeof x);
    Parts p;
    std::memcpy(&p.mant, b, 8);
    const unsigned se = unsigned(b[8]) | (unsigned(b[9]) << 8);
    p.neg = (se & 0x8000u) != 0;
    const unsigned biased = se & 0x7FFFu;
    if (biased == 0x7FFFu) {
        p.kind = p.mant == (uint64_t(1) << 63) ? Kind::Infinite : Kind::NaN;
        return p;
    }
    if (p.mant == 0) {
        p.kind = Kind::Zero;
        return p;
    }
    p.kind = Kind::Finite;
    p.exp = biased == 0 ? kSubnormalExp : int32_t(biased) - kExpOffset;
    return p;
}

long double store(bool neg, uint64_t mant, unsigned biased) {
    long double x = 0.0L;
    unsigned char b[sizeof(long double)];
    std::memcpy(b, &x, sizeof x);
    std::memcpy(b, &mant, 8);
    const unsigned se = biased | (neg ? 0x8000u : 0u);
    b[8] = static_cast<unsigned char>(se & 0xFFu);
    b[9] = static_cast<unsigned char>(se >> 8);
    std::memcpy(&x, b, sizeof x);
    return x;
}

long double infinity(bool neg) { return store(neg, uint64_t(1) << 63, 0x7FFFu); }

long double not_a_number() { return std::numeric_limits<long double>::quiet_NaN(); }

// Builds (mant + tail) * 2^exp rounded to nearest, ties to even. `round_bit`
// is the bit just below mant's last bit and `sticky` says whether anything
// below that is non-zero; when either is given, mant must have bit 63 set.
long double compose(bool neg, uint64_t mant, int64_t exp, bool round_bit = false,
                    bool sticky = false) {
    if (mant == 0) return neg ? -0.0L : 0.0L;
    if ((mant >> 63) == 0) {
        const int lz = std::countl_zero(mant);
        mant <<= lz;
        exp -= lz;
    }
    int64_t biased = exp + kExpOffset;
    if (biased >= 1) {
        if (round_bit && (sticky || (mant & 1))) {
            if (++mant == 0) {
                mant = uint64_t(1) << 63;
                ++biased;
            }
        }
        if (biased >= 0x7FFF) return infinity(neg);
        return store(neg, mant, unsigned(biased));
    }
    // Below the normal range: fewer significant bits are kept.
    const int64_t shift = 1 - biased;
    uint64_t q = 0;
    bool r = false;
    bool st = round_bit || sticky;
    if (shift < 64) {
        q = mant >> shift;
        r = ((mant >> (shift - 1)) & 1) != 0;
        st = st || (mant & ((uint64_t(1) << (shift - 1)) - 1)) != 0;
    } else if (shift == 64) {
        r = (mant >> 63) != 0;
        st = st || (mant << 1) != 0;
    } else {
        st = true;
    }
    if (r && (st || (q & 1))) ++q;
    return store(neg, q, (q >> 63) ? 1u : 0u);
}

enum class Rounding { NearestEven, TowardZero, Down };

// Rounds to a whole number by the bits of the value, independently of the
// floating-point unit's rounding mode. Infinities and NaN pass through.
long double round_whole(long double x, Rounding mode) {
    const Parts p = decode(x);
    if (p.kind != Kind::Finite || p.exp >= 0) return x;
    const int32_t s = -p.exp;
    uint64_t whole = 0;
    bool above_half = false, half = false, any = true;
    if (s < 64) {
        whole = p.mant >> s;
        const uint64_t frac = p.mant & ((uint64_t(1) << s) - 1);
        const uint64_t h = uint64_t(1) << (s - 1);
        above_half = frac > h;
        half = frac == h;
        any = frac != 0;
    } else if (s == 64) {
        above_half = p.mant > (uint64_t(1) << 63);
        half = p.mant == (uint64_t(1) << 63);
    }
    switch (mode) {
        case Rounding::NearestEven:
            if (above_half || (half && (whole & 1))) ++whole;
            break;
        case Rounding::TowardZero:
            break;
        case Rounding::Down:
            if (p.neg && any) ++whole;
            break;
    }
    const long double r = static_cast<long double>(whole);
    return p.neg ? -r : r;
}

constexpr long double kTwo63 = 9223372036854775808.0L;
constexpr long double kTwo64 = 18446744073709551616.0L;

struct Pow10Table {
    long double v[28];
    constexpr Pow10Table() : v() {
        long double p = 1.0L;
        for (long double& e : v) {
            e = p;
            p *= 10.0L;
        }
    }
};
constexpr Pow10Table kPow10;  // 10^0 .. 10^27, all exact

struct Pow5Table {
    uint64_t v[28];
    constexpr Pow5Table() : v() {
        uint64_t p = 1;
        for (uint64_t& e : v) {
            e = p;
            p *= 5;
        }
    }
    constexpr uint64_t operator[](int32_t k) const { return v[k]; }
};
constexpr Pow5Table kPow5;  // 5^0 .. 5^27, all below 2^64

// ---- a small unsigned big integer -----------------------------------------

// Little-endian 32-bit words held in place, never on the heap: the largest
// number any conversion here forms is a finite long double written out in
// full (below 2^16384) or a 64-bit integer times 5^4971 (below 2^11607), so
// kMaxWords words always suffice and no conversion allocates.
class BigUint {
public:
    static constexpr size_t kMaxWords = 520;
    // Decimal digits of the largest number held (2^16640 has 5010).
    static constexpr size_t kMaxDigits = 5016;

    explicit BigUint(uint64_t v) {
        if (v) w_[n_++] = uint32_t(v);
        if (v >> 32) w_[n_++] = uint32_t(v >> 32);
    }
    BigUint(const BigUint& o) : n_(o.n_) { std::copy(o.w_, o.w_ + o.n_, w_); }
    BigUint& operator=(const BigUint& o) {
        n_ = o.n_;
        std::copy(o.w_, o.w_ + o.n_, w_);
        return *this;
    }
    bool zero() const { return n_ == 0; }
    size_t bit_length() const { return n_ == 0 ? 0 : (n_ - 1) * 32 + (32 - std::countl_zero(w_[n_ - 1])); }
    bool bit(size_t i) const {
        const size_t k = i / 32;
        return k < n_ && ((w_[k] >> (i % 32)) & 1u) != 0;
    }
    // Whether any bit below position i is set.
    bool any_below(size_t i) const {
        const size_t k = std::min(i / 32, n_);
        for (size_t j = 0; j < k; ++j)
            if (w_[j]) return true;
        if (k < n_ && (i % 32) != 0) return (w_[k] & ((uint32_t(1) << (i % 32)) - 1)) != 0;
        return false;
    }
    // The 64 bits starting at position lo.
    uint64_t bits64(size_t lo) const {
        uint64_t r = 0;
        for (int j = 63; j >= 0; --j) r = (r << 1) | (bit(lo + size_t(j)) ? 1u : 0u);
        return r;
    }
    void mul_small(uint32_t k) {
        uint64_t carry = 0;
        for (size_t j = 0; j < n_; ++j) {
            const uint64_t t = uint64_t(w_[j]) * k + carry;
            w_[j] = uint32_t(t);
            carry = t >> 32;
        }
        if (carry) push(uint32_t(carry));
    }
    void mul_pow5(uint32_t n) {
        for (; n >= 13; n -= 13) mul_small(1220703125u);  // 5^13
        uint32_t k = 1;
        while (n--) k *= 5;
        if (k != 1) mul_small(k);
    }
    void shift_left(size_t bits) {
        if (n_ == 0) return;
        const unsigned b = unsigned(bits % 32);
        if (b) {
            uint32_t carry = 0;
            for (size_t j = 0; j < n_; ++j) {
                const uint32_t nx = (w_[j] << b) | carry;
                carry = w_[j] >> (32 - b);
                w_[j] = nx;
            }
            if (carry) push(carry);
        }
        const size_t words = bits / 32;
        if (words) {
            if (n_ + words > kMaxWords) throw std::length_error("BigUint");
            std::copy_backward(w_, w_ + n_, w_ + n_ + words);
            std::fill(w_, w_ + words, 0u);
            n_ += words;
        }
    }
    void shift_right(size_t bits) {
        const size_t words = bits / 32;
        if (words >= n_) {
            n_ = 0;
            return;
        }
        std::copy(w_ + words, w_ + n_, w_);
        n_ -= words;
        const unsigned b = unsigned(bits % 32);
        if (b) {
            for (size_t k = 0; k < n_; ++k) w_[k] = (w_[k] >> b) | (k + 1 < n_ ? w_[k + 1] << (32 - b) : 0u);
        }
        trim();
    }
    int compare(const BigUint& o) const {
        if (n_ != o.n_) return n_ < o.n_ ? -1 : 1;
        for (size_t k = n_; k-- > 0;)
            if (w_[k] != o.w_[k]) return w_[k] < o.w_[k] ? -1 : 1;
        return 0;
    }
    // *this -= o, where *this >= o.
    void subtract(const BigUint& o) {
        uint64_t borrow = 0;
        for (size_t k = 0; k < n_; ++k) {
            const uint64_t sub = (k < o.n_ ? o.w_[k] : 0u) + borrow;
            const uint64_t cur = w_[k];
            w_[k] = uint32_t(cur - sub);
            borrow = cur < sub ? 1 : 0;
        }
        trim();
    }
    // Divides by d and returns the remainder.
    uint32_t divide_small(uint32_t d) {
        uint64_t r = 0;
        for (size_t k = n_; k-- > 0;) {
            const uint64_t cur = (r << 32) | w_[k];
            w_[k] = uint32_t(cur / d);
            r = cur % d;
        }
        trim();
        return uint32_t(r);
    }
    // Writes the decimal digits (no leading zeros; "0" for zero) into out,
    // which has room for kMaxDigits, and returns how many there are.
    size_t to_decimal(char* out) const {
        if (n_ <= 2) return plain_digits(n_ == 0 ? 0 : (n_ == 1 ? w_[0] : (uint64_t(w_[1]) << 32) | w_[0]), out);
        // Base 10^9 chunks, least significant first, from a working copy.
        BigUint n = *this;
        uint32_t chunks[kMaxDigits / 9 + 1];
        size_t count = 0;
        while (!n.zero()) chunks[count++] = n.divide_small(1000000000u);
        size_t len = plain_digits(chunks[count - 1], out);
        for (size_t k = count - 1; k-- > 0;) {
            uint32_t c = chunks[k];
            for (int j = 8; j >= 0; --j) {
                out[len + size_t(j)] = char('0' + c % 10);
                c /= 10;
            }
            len += 9;
        }
        return len;
    }

private:
    // The digits of v, no leading zeros ("0" for 0); returns their number.
    static size_t plain_digits(uint64_t v, char* out) {
        char buf[20];
        size_t len = 0;
        do {
            buf[len++] = char('0' + v % 10);
            v /= 10;
        } while (v);
        for (size_t k = 0; k < len; ++k) out[k] = buf[len - 1 - k];
        return len;
    }
    void push(uint32_t word) {
        if (n_ == kMaxWords) throw std::length_error("BigUint");
        w_[n_++] = word;
    }
    void trim() {
        while (n_ > 0 && w_[n_ - 1] == 0) --n_;
    }
    size_t n_ = 0;
    uint32_t w_[kMaxWords];  // no leading zero word among the first n_
};

// ---- decimal digits of a value --------------------------------------------

// The first 18 significant decimal digits of a finite non-zero value,
// rounded to nearest with ties to even: the value is about d[0].d[1]... x 10^e10.
struct Digits18 {
    uint8_t d[18];
    int32_t e10;
};

Digits18 first_18_digits(const Parts& p) {
    uint64_t m = p.mant;
    int32_t e = p.exp;
    const int tz = std::countr_zero(m);
    m >>= tz;
    e += tz;
    // Whole numbers below 2^64, and values m / 2^k whose exact decimal
    // m * 5^k * 10^-k fits 64 bits (the lengths and fractions of the typing
    // path), are written straight from one 64-bit integer.
    const int bits = 64 - std::countl_zero(m);
    uint64_t exact = 0;
    int32_t exact_exp = 0;
    bool small = false;
    if (e >= 0) {
        small = bits + e <= 64;
        if (small) exact = m << e;
    } else if (-e <= 27) {
        const uint64_t pow5 = kPow5[-e];
        small = m <= UINT64_MAX / pow5;
        if (small) {
            exact = m * pow5;
            exact_exp = e;
        }
    }
    // n * 10^dexp is the value, exactly or (when `inexact`) truncated; the
    // truncated form keeps at least 20 digits.
    BigUint n(small ? exact : m);
    int32_t dexp = exact_exp;
    bool inexact = false;
    if (small) {
        // n is the value's digits already.
    } else if (e >= 0) {
        n.shift_left(size_t(e));
    } else {
        // value = m / 2^k. Multiplying by 10^scale, chosen so that about 20
        // digits stay before the point avoids expanding all k decimals.
        const int64_t k = -int64_t(e);
        const int64_t t = int64_t(64 - std::countl_zero(m)) - k;  // value < 2^t
        const int64_t est = t >= 0 ? t * 30103 / 100000 : -((-t * 30103 + 99999) / 100000);
        const int64_t scale = 20 - est;
        if (scale < k) {
            n.mul_pow5(uint32_t(scale));
            const size_t drop = size_t(k - scale);
            inexact = n.any_below(drop);
            n.shift_right(drop);
            dexp = int32_t(-scale);
        } else {
            n.mul_pow5(uint32_t(k));
            dexp = e;
        }
    }
    char s[BigUint::kMaxDigits];
    const size_t len = n.to_decimal(s);
    Digits18 r{};
    r.e10 = int32_t(len) - 1 + dexp;
    const size_t kept = std::min<size_t>(len, 18);
    for (size_t k = 0; k < kept; ++k) r.d[k] = uint8_t(s[k] - '0');
    if (len > 18) {
        const int next = s[18] - '0';
        bool rest = inexact;
        for (size_t k = 19; k < len && !rest; ++k) rest = s[k] != '0';
        if (next > 5 || (next == 5 && (rest || (r.d[17] & 1)))) {
            int k = 17;
            while (k >= 0 && r.d[k] == 9) r.d[k--] = 0;
            if (k >= 0) {
                ++r.d[k];
            } else {
                r.d[0] = 1;
                ++r.e10;
            }
        }
    }
    return r;
}

// ---- decimal text to value ------------------------------------------------

// digits * 10^p rounded once to extended precision (digits < 10^18, non-zero).
long double scale_decimal(uint64_t digits, int64_t p) {
    if (p >= -27 && p <= 27) {
        // 10^|p| is exact, so one operation rounds correctly.
        const long double d = static_cast<long double>(digits);
        return p >= 0 ? d * kPow10.v[p] : d / kPow10.v[-p];
    }
    if (p > 0) {
        BigUint n(digits);
        n.mul_pow5(uint32_t(p));
        const size_t len = n.bit_length();  // > 64 here
        const size_t lo = len - 64;
        const bool round_bit = n.bit(lo - 1);
        const bool sticky = n.any_below(lo - 1);
        return compose(false, n.bits64(lo), int64_t(lo) + p, round_bit, sticky);
    }
    // digits / 5^-p * 2^p by long division to 64 quotient bits.
    BigUint num(digits);
    BigUint den(1);
    den.mul_pow5(uint32_t(-p));
    int64_t shift = int64_t(den.bit_length()) - int64_t(num.bit_length());
    if (shift > 0) num.shift_left(size_t(shift));
    else if (shift < 0) den.shift_left(size_t(-shift));
    if (num.compare(den) < 0) {
        num.shift_left(1);
        ++shift;
    }
    uint64_t q = 0;  // num / den lies in [1, 2) now
    for (int i = 0; i < 64; ++i) {
        q <<= 1;
        if (num.compare(den) >= 0) {
            num.subtract(den);
            q |= 1;
        }
        num.shift_left(1);
    }
    const bool round_bit = num.compare(den) >= 0;
    if (round_bit) num.subtract(den);
    return compose(false, q, p - shift - 63, round_bit, !num.zero());
}

int based_digit(char c, int base) {
    int d = -1;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    return d < base ? d : -1;
}

// Reads the based integer that follows "&" at position i.
long double read_based(std::string_view t, size_t i) {
    const size_t n = t.size();
    int base = 8;
    if (i < n) {
        switch (t[i]) {
            case 'H': case 'h': base = 16; ++i; break;
            case 'B': case 'b': base = 2; ++i; break;
            case 'O': case 'o': case 'Q': case 'q': base = 8; ++i; break;
            default: break;
        }
    }
    uint64_t v = 0;
    bool any = false, overflow = false, first_zero = false;
    for (; i < n; ++i) {
        const int d = based_digit(t[i], base);
        if (d < 0) break;
        if (!any) first_zero = d == 0;
        any = true;
        if (v > (UINT64_MAX - uint64_t(d)) / uint64_t(base)) overflow = true;
        if (!overflow) v = v * uint64_t(base) + uint64_t(d);
    }
    if (!any || overflow) return 0.0L;
    const bool unsigned_mark = i < n && t[i] == '?';
    const bool amp = i < n && t[i] == '&';
    const bool amp2 = amp && i + 1 < n && t[i + 1] == '&';
    if (!first_zero && !unsigned_mark) {
        if (v >= 0x8000u && v <= 0xFFFFu && !amp) return static_cast<long double>(int64_t(v) - 0x10000);
        if (v >= 0x80000000u && v <= 0xFFFFFFFFu && !amp2)
            return static_cast<long double>(int64_t(v) - int64_t(0x100000000));
    }
    return static_cast<long double>(v);
}

// ---- linear text search ---------------------------------------------------

// Finds a fixed pattern in texts in time linear in their length: short
// patterns through the library search, longer ones by Knuth-Morris-Pratt.
class Finder {
public:
    explicit Finder(std::string_view pattern) : pat_(pattern) {
        if (pat_.size() <= kShort) return;
        fail_.assign(pat_.size(), 0);
        uint32_t k = 0;
        for (size_t i = 1; i < pat_.size(); ++i) {
            while (k && pat_[i] != pat_[k]) k = fail_[k - 1];
            if (pat_[i] == pat_[k]) ++k;
            fail_[i] = k;
        }
    }
    // The first occurrence starting at or after `from` (pattern not empty).
    size_t next(std::string_view text, size_t from) const {
        if (from >= text.size() || text.size() - from < pat_.size()) return npos;
        if (pat_.size() <= kShort) return text.find(pat_, from);
        size_t q = 0;
        for (size_t i = from; i < text.size(); ++i) {
            while (q && text[i] != pat_[q]) q = fail_[q - 1];
            if (text[i] == pat_[q] && ++q == pat_.size()) return i + 1 - q;
        }
        return npos;
    }
    // The start of the last occurrence lying wholly inside text.
    size_t last(std::string_view text) const {
        if (text.size() < pat_.size()) return npos;
        if (pat_.size() <= kShort) return text.rfind(pat_);
        size_t q = 0, found = npos;
        for (size_t i = 0; i < text.size(); ++i) {
            while (q && text[i] != pat_[q]) q = fail_[q - 1];
            if (text[i] == pat_[q] && ++q == pat_.size()) {
                found = i + 1 - q;
                q = fail_[q - 1];
            }
        }
        return found;
    }

private:
    static constexpr size_t kShort = 32;
    std::string_view pat_;
    std::vector<uint32_t> fail_;
};

int32_t clamp32(int64_t v) {
    return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

// ---- fields ---------------------------------------------------------------

// Walks the fields of a text from the left: pieces between non-overlapping
// delimiter occurrences, or comma-separated values when the delimiter is empty.
class FieldCursor {
public:
    FieldCursor(std::string_view text, std::string_view delimiter)
        : text_(text), delim_(delimiter), finder_(delimiter), csv_(text) {}

    bool next(std::string_view& field) {
        if (done_) return false;
        if (!delim_.empty()) {
            const size_t hit = finder_.next(text_, pos_);
            if (hit == npos) {
                field = text_.substr(pos_);
                done_ = true;
            } else {
                field = text_.substr(pos_, hit - pos_);
                pos_ = hit + delim_.size();
            }
            return true;
        }
        return csv_.next(field);
    }

private:
    std::string_view text_, delim_;
    Finder finder_;
    CommaSeparatedCursor csv_;
    size_t pos_ = 0;
    bool done_ = false;
};

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
    while (i + 16 <= n) {
        __m128i lanes = zero;
        const size_t blocks = std::min<size_t>((n - i) / 16, 255);
        for (size_t b = 0; b < blocks; ++b, i += 16) {
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
            lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(block, wanted));
        }
        const __m128i sums = _mm_sad_epu8(lanes, zero);
        total += _mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_unpackhi_epi64(sums, sums));
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
    FieldCursor c(text, delimiter);
    std::string_view f;
    int64_t count = 0;
    while (c.next(f)) ++count;
    return count;
}

constexpr bool is_upper_mapped(unsigned char c, unsigned char& out) {
    if (c >= 'a' && c <= 'z') {
        out = static_cast<unsigned char>(c - 'a' + 'A');
        return true;
    }
    switch (c) {
        case 0x84: out = 0x8E; return true;
        case 0x94: out = 0x99; return true;
        case 0x81: out = 0x9A; return true;
        case 0x82: out = 0x90; return true;
        case 0xA4: out = 0xA5; return true;
        case 0x86: out = 0x8F; return true;
        case 0x87: out = 0x80; return true;
        default: return false;
    }
}

}  // namespace

// ---- comma-separated values ----------------------------------------------

bool CommaSeparatedCursor::next(std::string_view& field) {
    if (done_) return false;
    const size_t n = text_.size();
    size_t i = pos_;
    while (i < n && text_[i] == ' ') ++i;
    size_t comma;
    if (i < n && text_[i] == '"') {
        const size_t close = text_.find('"', i + 1);
        if (close == npos) {  // an unclosed quote runs to the end
            field = text_.substr(i + 1);
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
    if (comma == npos) done_ = true;
    else pos_ = comma + 1;
    return true;
}

// ---- numbers and text -----------------------------------------------------

long double TEXTTONUMBER(std::string_view text) {
    const size_t n = text.size();
    // Up to nine plain digits, the common case of the measurement readers:
    // their integer, exactly what the general reading below gives.
    if (n > 0 && n <= 9) {
        uint32_t value = 0;
        size_t i = 0;
        while (i < n && text[i] >= '0' && text[i] <= '9') value = value * 10 + uint32_t(text[i++] - '0');
        if (i == n) return static_cast<long double>(value);
    }
    size_t i = 0;
    while (i < n && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n')) ++i;
    if (i < n && text[i] == '&') return read_based(text, i + 1);
    bool neg = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) neg = text[i++] == '-';

    // Mantissa: the first 18 significant digits form an integer; the point
    // position and any further integer digits give its power of ten.
    uint64_t digits = 0;
    int nsig = 0;
    int64_t scale = 0;
    bool point = false, any_digit = false;
    for (; i < n; ++i) {
        const char c = text[i];
        if (c == '.') {
            if (point) break;
            point = true;
            continue;
        }
        if (c < '0' || c > '9') break;
        any_digit = true;
        const int d = c - '0';
        if (nsig == 0 && d == 0) {
            if (point) --scale;
        } else if (nsig < 18) {
            digits = digits * 10 + uint64_t(d);
            ++nsig;
            if (point) --scale;
        } else if (!point) {
            ++scale;
        }
    }
    if (!any_digit) return 0.0L;

    int64_t exponent = 0;
    if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        ++i;
        bool eneg = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) eneg = text[i++] == '-';
        for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i)
            exponent = std::min<int64_t>(exponent * 10 + (text[i] - '0'), 9999);
        if (eneg) exponent = -exponent;
    }
    // Digits that are all zeros: the value is 0, and the sign is applied
    // to it as to any other ("-0" is negative zero).
    if (digits == 0) return neg ? -0.0L : 0.0L;

    const int64_t p = scale + exponent;
    const int64_t first_digit_exp = nsig + p - 1;  // magnitude lies in [10^this, 10^(this+1))
    if (first_digit_exp >= 4932) return neg ? -0x1p127L : 0x1p127L;
    if (first_digit_exp < -4933) return 0.0L;
    const long double v = scale_decimal(digits, p);
    return neg ? -v : v;
}

void append_whole_number(std::string& out, int64_t value) {
    constexpr int64_t kPlainLimit = 1000000000000000;  // 10^15
    if (value <= -kPlainLimit || value >= kPlainLimit) {
        out += TRIMLEFTBLANKS(NUMBERTOTEXT(static_cast<long double>(value), 15));
        return;
    }
    char digits[17];
    size_t at = sizeof digits;
    uint64_t magnitude = value < 0 ? uint64_t(-value) : uint64_t(value);
    // 32-bit steps while the rest fits: cheaper on both builds.
    while (magnitude > UINT32_MAX) {
        digits[--at] = char('0' + magnitude % 10);
        magnitude /= 10;
    }
    auto low = static_cast<uint32_t>(magnitude);
    do {
        digits[--at] = char('0' + low % 10);
        low /= 10;
    } while (low != 0);
    if (value < 0) digits[--at] = '-';
    out.append(digits + at, sizeof digits - at);
}

std::string NUMBERTOTEXT(long double value, int digits) {
    const int n = std::clamp(digits, 1, 18);
    const Parts p = decode(value);
    if (p.kind == Kind::Zero || p.kind == Kind::NaN) return " 0";
    std::string out(1, p.neg ? '-' : ' ');
    if (p.kind == Kind::Infinite) {
        out += '9';
        if (n > 1) {
            out += '.';
            out.append(size_t(n - 1), '9');
        }
        out += "E+998";
        return out;
    }

    Digits18 s = first_18_digits(p);
    // Round to n digits by the one digit after the n-th.
    if (n < 18) {
        const int next = s.d[n];
        if (next > 5 || (next == 5 && (s.d[n - 1] & 1))) {
            int k = n - 1;
            while (k >= 0 && s.d[k] == 9) s.d[k--] = 0;
            if (k >= 0) {
                ++s.d[k];
            } else {
                s.d[0] = 1;
                ++s.e10;
            }
        }
    }
    int k = n;
    while (k > 1 && s.d[k - 1] == 0) --k;
    const int64_t e = int64_t(s.e10) - (k - 1);  // value = D * 10^e
    auto put = [&](int from, int to) {
        for (int j = from; j < to; ++j) out += char('0' + s.d[j]);
    };
    if (e == 0) {
        put(0, k);
    } else if (e > 0 && k + e <= n) {
        put(0, k);
        out.append(size_t(e), '0');
    } else if (e < 0 && -e <= n) {
        const int f = int(-e);
        if (k > f) {
            put(0, k - f);
            out += '.';
            put(k - f, k);
        } else {
            out += '.';
            out.append(size_t(f - k), '0');
            put(0, k);
        }
    } else {
        put(0, 1);
        if (k > 1) {
            out += '.';
            put(1, k);
        }
        out += s.e10 < 0 ? "E-" : "E+";
        out += std::to_string(s.e10 < 0 ? -int64_t(s.e10) : int64_t(s.e10));
    }
    return out;
}

// Every mask is written as ".######": a point and up to six decimals.
std::string FORMATWITHMASK(long double value, std::string_view /*mask*/) {
    const Parts p = decode(value);
    if (p.kind == Kind::Zero || p.kind == Kind::NaN) return ".";
    if (p.kind == Kind::Infinite) return NUMBERTOTEXT(value, 15).substr(p.neg ? 0 : 1);

    const Digits18 s = first_18_digits(p);
    const int64_t e10 = s.e10;
    auto digit_at = [&](int64_t idx) -> int { return idx >= 0 && idx < 18 ? s.d[idx] : 0; };
    // The integer digits followed by exactly six decimals.
    size_t int_digits = e10 >= 0 ? size_t(e10 + 1) : 0;
    std::string body;
    body.reserve(int_digits + 7);
    for (size_t idx = 0; idx < int_digits; ++idx) body += char('0' + digit_at(int64_t(idx)));
    for (int j = 1; j <= 6; ++j) body += char('0' + digit_at(e10 + j));

    const int seventh = digit_at(e10 + 7);
    bool rest = false;
    for (int64_t idx = std::max<int64_t>(e10 + 8, 0); idx < 18; ++idx) rest = rest || s.d[idx] != 0;
    if (seventh > 5 || (seventh == 5 && (rest || ((body.back() - '0') & 1)))) {
        size_t k = body.size();
        while (k > 0 && body[k - 1] == '9') body[--k] = '0';
        if (k > 0) {
            ++body[k - 1];
        } else {
            body.insert(body.begin(), '1');
            ++int_digits;
        }
    }
    size_t first = 0;
    while (first < int_digits && body[first] == '0') ++first;
    size_t last = body.size();
    while (last > int_digits && body[last - 1] == '0') --last;
    const bool zero = first == int_digits && last == int_digits;

    std::string out;
    if (p.neg && !zero) out += '-';
    out.append(body, first, int_digits - first);
    out += '.';
    out.append(body, int_digits, last - int_digits);
    return out;
}

// ---- numeric services -----------------------------------------------------

long double ROUNDTODIGITS(long double x, int32_t decimals) {
    if (decimals < 0 || decimals > 18) decimals = 18;
    const long double scale = kPow10.v[decimals];
    const long double y = x * scale;
    // A value too large to scale has no decimals left to round.
    if (std::isinf(y) && !std::isinf(x)) return x;
    return round_whole(y, Rounding::NearestEven) / scale;
}

long double TRUNCATETOWARDZERO(long double x) { return round_whole(x, Rounding::TowardZero); }

long double FLOORTOINTEGER(long double x) { return round_whole(x, Rounding::Down); }

int32_t ROUNDTOINTEGER(long double x) {
    const long double r = round_whole(x, Rounding::NearestEven);
    if (std::isnan(r)) return 0;
    if (r >= 2147483647.0L) return INT32_MAX;
    if (r <= -2147483648.0L) return INT32_MIN;
    return static_cast<int32_t>(r);
}

int32_t SIGNOF(long double x) {
    if (x > 0) return 1;
    if (x < 0) return -1;
    return 0;  // zero of either sign, and NaN
}

long double INTEGERDIVIDE(long double a, long double b) {
    const long double ra = round_whole(a, Rounding::NearestEven);
    const long double rb = round_whole(b, Rounding::NearestEven);
    if (std::isnan(ra) || std::isnan(rb)) return not_a_number();
    const bool neg = std::signbit(ra) != std::signbit(rb);
    if (rb == 0) return ra == 0 ? not_a_number() : infinity(neg);
    const long double ma = ra < 0 ? -ra : ra;
    const long double mb = rb < 0 ? -rb : rb;
    if (ma < kTwo64 && mb < kTwo64) {  // exact in 64-bit integers
        const long double q = static_cast<long double>(uint64_t(ma) / uint64_t(mb));
        return neg ? -q : q;
    }
    return round_whole(ra / rb, Rounding::TowardZero);
}

long double FLOATMODULO(long double a, long double b) {
    const Parts pa = decode(a), pb = decode(b);
    if (pb.kind == Kind::Zero) return 0.0L;
    if (pa.kind == Kind::NaN || pb.kind == Kind::NaN || pa.kind == Kind::Infinite) return not_a_number();
    if (pb.kind == Kind::Infinite || pa.kind == Kind::Zero) return a;
    uint64_t ma = pa.mant, mb = pb.mant;
    int32_t ea = pa.exp, eb = pb.exp;
    const int la = std::countl_zero(ma), lb = std::countl_zero(mb);
    ma <<= la;
    ea -= la;
    mb <<= lb;
    eb -= lb;
    if (ea < eb || (ea == eb && ma < mb)) return a;
    // Exact remainder of ma * 2^(ea - eb) by mb, one doubling at a time.
    uint64_t r = ma >= mb ? ma - mb : ma;
    for (int32_t i = ea; i > eb; --i) {
        const bool carry = (r >> 63) != 0;
        r <<= 1;
        if (carry || r >= mb) r -= mb;
    }
    return compose(pa.neg, r, eb);
}

long double INTEGERAND(long double a, long double b) {
    auto to64 = [](long double x) -> int64_t {
        const long double r = round_whole(x, Rounding::NearestEven);
        if (std::isnan(r)) return 0;
        if (r >= kTwo63) return INT64_MAX;
        if (r <= -kTwo63) return INT64_MIN;
        return static_cast<int64_t>(r);
    };
    return static_cast<long double>(to64(a) & to64(b));
}

// ---- text services --------------------------------------------------------

int32_t TEXTLENGTH(std::string_view text) { return clamp32(int64_t(text.size())); }

std::string_view TRIMLEFTBLANKS(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    return text.substr(i);
}

std::string_view TRIMRIGHTBLANKS(std::string_view text) {
    size_t n = text.size();
    while (n > 0 && text[n - 1] == ' ') --n;
    return text.substr(0, n);
}

namespace {
// UPPERCASETEXT's mapping of every byte, made once from is_upper_mapped.
struct UpperCaseTable {
    unsigned char to[256];
    constexpr UpperCaseTable() : to() {
        for (unsigned c = 0; c < 256; ++c) {
            unsigned char u = static_cast<unsigned char>(c);
            is_upper_mapped(static_cast<unsigned char>(c), u);
            to[c] = u;
        }
    }
};
constexpr UpperCaseTable kUpperCase;
}  // namespace

unsigned char upper_case_byte(unsigned char c) { return kUpperCase.to[c]; }

bool upper_casing_touches(unsigned char c) {
    if (upper_case_byte(c) != c) return true;
    if (c >= 'A' && c <= 'Z') return true;
    switch (c) {
        case 0x8E: case 0x99: case 0x9A: case 0x90: case 0xA5: case 0x8F: case 0x80: return true;
        default: return false;
    }
}

void upper_case_in_place(char* first, size_t count) {
    for (size_t i = 0; i < count; ++i) first[i] = static_cast<char>(kUpperCase.to[static_cast<unsigned char>(first[i])]);
}

void append_upper_case(std::string& out, std::string_view text) {
    const size_t at = out.size();
    out.append(text);
    upper_case_in_place(out.data() + at, text.size());
}

std::string UPPERCASETEXT(std::string_view text) {
    std::string out;
    append_upper_case(out, text);
    return out;
}
int COMPARETEXT(std::string_view a, std::string_view b) {
    const int r = a.compare(b);  // bytes compared as unsigned values
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int32_t FINDTEXT(int32_t start, std::string_view text, std::string_view pattern) {
    const int64_t len = int64_t(text.size());
    if (len == 0) return 0;
    if (start >= 0) {
        const int64_t s = start == 0 ? 1 : start;
        if (s > len) return 0;
        if (pattern.empty()) return clamp32(s);
        const size_t hit = Finder(pattern).next(text, size_t(s - 1));
        return hit == npos ? 0 : clamp32(int64_t(hit) + 1);
    }
    const int64_t p = len + start + 1;
    if (p < 1) return 0;
    if (pattern.empty()) return clamp32(p);
    const size_t hit = Finder(pattern).last(text.substr(0, size_t(p)));
    return hit == npos ? 0 : clamp32(int64_t(hit) + 1);
}

std::string_view SUBTEXT(std::string_view text, int32_t start, int32_t count) {
    const int64_t len = int64_t(text.size());
    if (start == 0) return {};
    int64_t s = start > 0 ? start : len + start + 1;
    if (s < 1 || s > len) return {};
    int64_t c = count >= 0 ? count : len + count;
    if (c <= 0) return {};
    return text.substr(size_t(s - 1), size_t(std::min(c, len - s + 1)));
}

std::string_view RIGHTTEXT(std::string_view text, int32_t count) {
    const int64_t len = int64_t(text.size());
    int64_t c = count >= 0 ? count : len + count;
    if (c <= 0) return {};
    if (c >= len) return text;
    return text.substr(size_t(len - c));
}

std::string REPEATCHARACTER(int32_t count, std::string_view text) {
    if (count <= 0) return {};
    return std::string(size_t(count), text.empty() ? '\0' : text[0]);
}

std::string BLANKS(int32_t count) { return REPEATCHARACTER(count, " "); }

std::string CHARACTERSFROMCODES(std::initializer_list<int32_t> codes) {
    std::string out;
    out.reserve(codes.size());
    for (int32_t c : codes)
        if (c != -1) out += static_cast<char>(static_cast<unsigned char>(c & 0xFF));
    return out;
}

int32_t CODEOFCHARACTER(std::string_view text) {
    return text.empty() ? -1 : int32_t(static_cast<unsigned char>(text[0]));
}

int32_t CODEOFCHARACTER(std::string_view text, int32_t position) {
    const int64_t len = int64_t(text.size());
    const int64_t p = position >= 0 ? position : len + position + 1;
    if (p < 1 || p > len) return -1;
    return int32_t(static_cast<unsigned char>(text[size_t(p - 1)]));
}

int32_t COUNTOCCURRENCES(std::string_view text, std::string_view pattern) {
    if (pattern.empty()) return 0;
    const Finder finder(pattern);
    int64_t count = 0;
    for (size_t at = finder.next(text, 0); at != npos; at = finder.next(text, at + pattern.size())) ++count;
    return clamp32(count);
}

// A start below 1 counts as 1; an empty text or a start beyond the end give
// 0 before an empty set is considered.
int32_t FIRSTCHARACTERNOTINSET(int32_t start, std::string_view text, std::string_view set) {
    const int64_t len = int64_t(text.size());
    const int64_t s = start < 1 ? 1 : start;
    if (len == 0 || s > len) return 0;
    if (set.empty()) return clamp32(s);
    bool in_set[256] = {};
    for (char c : set) in_set[static_cast<unsigned char>(c)] = true;
    for (int64_t i = s - 1; i < len; ++i)
        if (!in_set[static_cast<unsigned char>(text[size_t(i)])]) return clamp32(i + 1);
    return 0;
}

// ---- field services -------------------------------------------------------

int32_t FIELDCOUNT(std::string_view text, std::string_view delimiter) {
    return clamp32(count_fields(text, delimiter));
}

std::optional<FieldPlace> field_place(std::string_view text, std::string_view delimiter, int32_t field) {
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
        FieldCursor cursor(text, delimiter);
        std::string_view f;
        for (int64_t i = 1; cursor.next(f); ++i)
            if (i == want) return f;
        return {};
    }
    const auto place = field_place(text, delimiter, field);
    if (!place) return {};
    return text.substr(place->start, place->length);
}

void SPLITFIELDS(std::string_view text, std::string_view delimiter, TextArray& array) {
    // Built aside first: the text may live in one of the array's own elements.
    std::vector<std::string> filled(array.elements.size());
    FieldCursor cursor(text, delimiter);
    std::string_view f;
    for (std::string& element : filled) {
        if (!cursor.next(f)) break;
        element.assign(f);
    }
    array.elements = std::move(filled);
}

std::string JOINFIELDS(const TextArray& array, std::string_view delimiter) {
    if (array.elements.empty()) return {};
    const bool quoted = delimiter == "\",\"";
    size_t total = (quoted ? 2 : 0) + delimiter.size() * (array.elements.size() - 1);
    for (const std::string& e : array.elements) total += e.size();
    std::string out;
    out.reserve(total);
    if (quoted) out += '"';
    for (size_t i = 0; i < array.elements.size(); ++i) {
        if (i) out += delimiter;
        out += array.elements[i];
    }
    if (quoted) out += '"';
    return out;
}

int32_t UPPERBOUND(const TextArray& array) {
    if (array.elements.empty()) return -1;
    return clamp32(int64_t(array.lower) + int64_t(array.elements.size()) - 1);
}

}  // namespace wqj
