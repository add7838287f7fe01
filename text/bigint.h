// A small unsigned big integer for exact decimal conversion. Internal to
// the number conversions.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace wqj::detail {

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

}  // namespace wqj::detail
