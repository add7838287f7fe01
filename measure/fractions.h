// Fractions of an inch: "3/4", "1-1/2", "12 7/16", "5\8".
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wqj {

// The numbers of a fraction text and the slash character it uses.
struct FractionParts {
    int32_t whole = 0;
    int32_t numerator = 0;
    int32_t denominator = 0;
    char separator = '/';
};

// Splits a fraction text; nothing when the text holds no slash.
std::optional<FractionParts> BREAKFRACTIONAPART(std::string_view text);
std::string CONVERTFRACTIONDENOMINATOR(std::string_view text, int32_t new_denominator);
std::string REDUCEFRACTION(std::string_view text, int32_t largest_denominator);
std::string DECIMALTOFRACTIONSTRING(float value, int32_t largest_denominator);
float FRACTIONSTRINGTODECIMAL(std::string_view text);

// A fraction found in a longer text: its text in reading order, the text
// with the fraction cut out (reversed when the search was from the end), and
// its value.
struct FoundFraction {
    std::string text;
    std::string remainder;
    float value = 0;
};
// from_end -1 takes `text` as reversed (last character first); any other
// value counts as 0. Nothing when no fraction is found.
std::optional<FoundFraction> FINDFRACTIONINTEXT(std::string_view text, int32_t from_end);

namespace detail {

// DECIMALTOFRACTIONSTRING by its text route for every value: the value
// written with six decimals, read back and reduced as a fraction text. Below
// 1 in magnitude the export reads the six decimals as an integer instead,
// with the same text except where this route's seven-digit text comes in
// exponent form (some values below 0.01).
std::string decimal_to_fraction_by_text(float value, int32_t largest_denominator);
// DECIMALTOFRACTIONSTRING's text of a value from 0 to 1 (exclusive), as a
// literal or written at the end of `text`.
std::string_view fractional_inch_fraction(float value, int32_t largest_denominator, char (&text)[16]);
// Writes "m/d" for m and d below 100 (a fraction of the typing path's
// denominators) at `out` and returns its length, at most 5.
inline std::size_t write_small_fraction(uint32_t m, uint32_t d, char* out) {
    std::size_t at = 0;
    if (m >= 10) out[at++] = static_cast<char>('0' + m / 10);
    out[at++] = static_cast<char>('0' + m % 10);
    out[at++] = '/';
    if (d >= 10) out[at++] = static_cast<char>('0' + d / 10);
    out[at++] = static_cast<char>('0' + d % 10);
    return at;
}
// What that text comes to, without writing it where that can be told from
// the value alone: nothing ("0" or empty), a whole unit ("1") or a fraction.
enum class FractionShown { Nothing, WholeUnit, Fraction };
FractionShown fractional_inch_shown(float value, int32_t largest_denominator);
// The integer a fraction's digit run stands for, as FINDFRACTIONINTEXT
// reads it ("" reads as 0, "0625" as 625, saturating at 2147483647).
int32_t fraction_run_value(std::string_view run);
// FINDFRACTIONINTEXT, leaving the fraction's text empty unless `with_text`.
std::optional<FoundFraction> find_fraction(std::string_view text, int32_t from_end, bool with_text);

// The numerator of n / d (0 < n < d) at the smaller denominator `to`, as
// REDUCEFRACTION and DECIMALTOFRACTIONSTRING round it: the double nearest
// n / d times `to`, to nearest with ties to even. `binary` says n / d is a
// binary fraction (its reduced denominator a power of two).
int64_t rounded_numerator(int64_t n, int64_t d, int64_t to, bool binary);

}  // namespace detail

}  // namespace wqj
