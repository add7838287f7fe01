// Writing inches as text in the host's display styles.
#pragma once

#include <cstdint>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace wqj {

std::string GETFORMATEDTEXTFROMINCHES(int32_t system, int32_t style, int32_t number_style, float inches,
                                      int32_t places);

namespace detail {

// The place where a formatted length's next bytes go and the end of its
// room. Held in a local and passed by value, it stays in registers through
// a run of appends; a length kept in the text's own memory would be stored
// and loaded again around every byte written, since bytes may alias it.
class TextCursor {
public:
    TextCursor(char* at, char* limit) : at_(at), limit_(limit) {}
    char* at() const { return at_; }
    void append(std::string_view text) {
        // No style comes near the room; a text that did would be a fault
        // here, reported as the export's failure, never written past the end.
        const std::size_t n = text.size();
        if (n > static_cast<std::size_t>(limit_ - at_)) overflow();
        const char* from = text.data();
        // Labels, digits and separators are short: copied as two words that
        // may overlap (never reading outside the text), not by a library call.
        if (n >= 8 && n <= 16) {
            std::memcpy(at_, from, 8);
            std::memcpy(at_ + n - 8, from + n - 8, 8);
        } else if (n >= 4 && n < 8) {
            std::memcpy(at_, from, 4);
            std::memcpy(at_ + n - 4, from + n - 4, 4);
        } else if (n > 0 && n < 4) {
            at_[0] = from[0];
            at_[n / 2] = from[n / 2];
            at_[n - 1] = from[n - 1];
        } else if (n > 16) {
            std::memcpy(at_, from, n);
        }
        at_ += n;
    }
    void append(char c) {
        if (at_ == limit_) overflow();
        *at_++ = c;
    }
    // Where up to n bytes may be written, then passed with advance().
    char* room(std::size_t n) {
        if (n > static_cast<std::size_t>(limit_ - at_)) overflow();
        return at_;
    }
    void advance(std::size_t n) { at_ += n; }

private:
    [[noreturn]] static void overflow();
    char* at_;
    char* limit_;
};

// A formatted length, written in place through a cursor: the longest text
// a style makes (a number in exponent form, a label, a separator, whole
// inches and a fractional inch of up to 71 decimals) stays well within it.
class FormattedLength {
public:
    static constexpr std::size_t kRoom = 256;
    std::string_view view() const { return {bytes_, size_}; }
    // Where appends go on from, and the end of what they wrote.
    TextCursor cursor() { return {bytes_ + size_, bytes_ + kRoom}; }
    void take(const TextCursor& written) { size_ = static_cast<std::size_t>(written.at() - bytes_); }
    // Keeps `count` bytes from `first` and drops the rest.
    void keep(std::size_t first, std::size_t count);

private:
    char bytes_[kRoom];
    std::size_t size_ = 0;
};

// GETFORMATEDTEXTFROMINCHES's text, written into `out` (empty text leaves
// it empty).
void format_inches(FormattedLength& out, int32_t system, int32_t style, int32_t number_style, float inches,
                   int32_t places);
// The same text by the general route alone, every length and style.
void format_inches_in_full(FormattedLength& out, int32_t system, int32_t style, int32_t number_style, float inches,
                           int32_t places);
// The typing path of the imperial system: the same text for the lengths and
// fractional inches users mostly type, or false (text untouched) where it
// leaves them to the general route.
bool format_typed_imperial(FormattedLength& out, int32_t style, int32_t number_style, float inches, int32_t places);

}  // namespace detail

}  // namespace wqj
